#pragma once
// Reading windows: their class and text, and finding a shown top-level window of a process.
#include "text/wide_text.h"

#include <windows.h>

#include <string>

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

// The first shown top-level window of the process of the class and, where one is given, with
// the caption; null when there is none.
inline HWND FindShownWindow(DWORD process, const std::string& className, const std::string& caption = {})
{
    struct TSearch {
        DWORD Process;
        const std::string& Class;
        const std::string& Caption;
        HWND Found;
    } search{process, className, caption, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<TSearch*>(data);
            DWORD process = 0;
            ::GetWindowThreadProcessId(window, &process);
            if (process != s->Process || ClassOf(window) != s->Class || !::IsWindowVisible(window) ||
                (!s->Caption.empty() && TextOf(window) != s->Caption))
                return TRUE;
            s->Found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

// The pop-up menu of this process on the screen, or null.
inline HWND ShownMenu()
{
    return FindShownWindow(::GetCurrentProcessId(), "#32768");
}
