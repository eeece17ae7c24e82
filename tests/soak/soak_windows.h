#pragma once
// What the soak reads of the windows on the screen, shared by its parts.
#include "support/window_lookup.h"

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

using TClock = std::chrono::steady_clock;

// A window answered is answered again only when it is still there after this.
constexpr auto AnswerAgainAfter = std::chrono::milliseconds(1500);

inline DWORD ProcessOf(HWND window)
{
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    return process;
}

// The top-level windows shown, topmost first.
inline std::vector<HWND> ShownTopWindows()
{
    std::vector<HWND> windows;
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            if (::IsWindowVisible(window))
                reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// What a window says: its caption and the texts of its controls.
inline std::string Describe(HWND window)
{
    std::string text = "class " + ClassOf(window) + ", caption \"" + TextOf(window) + "\"";
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const std::string childText = TextOf(child);
        if (!childText.empty())
            text += ", \"" + childText + "\"";
    }
    return text;
}

inline std::string FirstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

inline bool StartsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}
