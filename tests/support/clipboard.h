#pragma once
// The clipboard's text, read and set as another program would.
#include "text/wide_text.h"

#include <windows.h>

#include <string>

// Opens the clipboard for this thread, waiting a little while another has it open.
inline void OpenClipboardPatiently()
{
    for (int attempt = 0; attempt < 50 && !::OpenClipboard(nullptr); ++attempt)
        ::Sleep(20);
}

// The clipboard's Unicode text, in UTF-8: what a program of today reads there.
inline std::string ClipboardText()
{
    std::string text;
    OpenClipboardPatiently();
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* wide = static_cast<const wchar_t*>(::GlobalLock(data))) {
            text = Narrow(wide);
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

// Puts a UTF-8 text on the clipboard as Unicode text.
inline void SetClipboardText(const std::string& text)
{
    const std::wstring wide = Wide(text);
    OpenClipboardPatiently();
    ::EmptyClipboard();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    auto* units = static_cast<wchar_t*>(::GlobalLock(block));
    wide.copy(units, wide.size());
    units[wide.size()] = L'\0';
    ::GlobalUnlock(block);
    ::SetClipboardData(CF_UNICODETEXT, block);
    ::CloseClipboard();
}
