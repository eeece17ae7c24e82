#pragma once
// Reading windows: their class and text, and finding a shown top-level window of a process.
#include "text/wide_text.h"

#include <windows.h>

#include <string>
#include <vector>

inline std::string ClassOf(HWND window)
{
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return Narrow(name);
}

// The window's text as the system holds it (UTF-16), in UTF-8.
inline std::string TextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

// Every shown top-level window of the process, front to back: the one walk over the desktop's
// windows that the tests and the tools make.
inline std::vector<HWND> ShownWindows(DWORD process)
{
    struct TSearch {
        DWORD Process;
        std::vector<HWND> Found;
    } search{process, {}};
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<TSearch*>(data);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == s->Process && ::IsWindowVisible(window))
                s->Found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

// The first shown top-level window of the process of the class, with the caption where one is
// given and, where textPart is given, a message box whose text holds it; null when there is none.
inline HWND FindShownWindow(DWORD process, const std::string& className, const std::string& caption = {},
                            const std::string& textPart = {})
{
    for (HWND window : ShownWindows(process))
        if (ClassOf(window) == className && (caption.empty() || TextOf(window) == caption) &&
            (textPart.empty() || TextOf(::GetDlgItem(window, 0xFFFF)).find(textPart) != std::string::npos))
            return window;
    return nullptr;
}

// The pop-up menu of this process on the screen, or null.
inline HWND ShownMenu()
{
    return FindShownWindow(::GetCurrentProcessId(), "#32768");
}
