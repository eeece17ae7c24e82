#include "framework/message_box.h"

#include "text/wide_text.h"

int MessageBoxText(HWND owner, const std::string& text, const std::string& caption, UINT flags)
{
    return ::MessageBoxW(owner, Wide(text).c_str(), Wide(caption).c_str(), flags);
}
