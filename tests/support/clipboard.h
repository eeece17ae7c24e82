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

// The clipboard's Unicode text, in UTF-8: what a program of today reads there.
inline std::string ClipboardText()
{
    std::string text;
    OpenClipboardPatiently();
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* wide = static_cast<const wchar_t*>(::GlobalLock(data))) {
            const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
            text.resize(static_cast<std::size_t>(size > 0 ? size : 1));
            ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
            text.resize(text.size() - 1);
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

// Puts a UTF-8 text on the clipboard as Unicode text.
inline void SetClipboardText(const std::string& text)
{
    const int wide = ::MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    OpenClipboardPatiently();
    ::EmptyClipboard();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(wide) * sizeof(wchar_t));
    ::MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, static_cast<wchar_t*>(::GlobalLock(block)), wide);
    ::GlobalUnlock(block);
    ::SetClipboardData(CF_UNICODETEXT, block);
    ::CloseClipboard();
}
