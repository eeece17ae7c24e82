#pragma once
// The clipboard's text, read and set as another program would.
#include <windows.h>

#include <cstring>
#include <string>

// Opens the clipboard for this thread, waiting a little while another has it open.
inline void OpenClipboardPatiently()
{
    for (int attempt = 0; attempt < 50 && !::OpenClipboard(nullptr); ++attempt)
        ::Sleep(20);
}

inline std::string ClipboardText()
{
    std::string text;
    OpenClipboardPatiently();
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(::GlobalLock(data))) {
            text = bytes;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

inline void SetClipboardText(const std::string& text)
{
    OpenClipboardPatiently();
    ::EmptyClipboard();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(::GlobalLock(block), text.c_str(), text.size() + 1);
    ::GlobalUnlock(block);
    ::SetClipboardData(CF_TEXT, block);
    ::CloseClipboard();
}
