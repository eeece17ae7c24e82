#include "app/elevated_messages.h"

#include <algorithm>
#include <map>

namespace {

// What was let through, window by window: the system keeps no list anyone can read back.
std::map<HWND, std::vector<UINT>>& LetThrough()
{
    static std::map<HWND, std::vector<UINT>> windows;
    return windows;
}

bool AcceptsDrops(HWND window)
{
    return (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
}

void LetDropsThrough(HWND window)
{
    if (AcceptsDrops(window))
        LetThroughFromLowerIntegrity(window, {WM_DROPFILES, WM_COPYDATA, WM_COPYGLOBALDATA});
}

} // namespace

bool LetThroughFromLowerIntegrity(HWND window, std::initializer_list<UINT> messages)
{
    std::vector<UINT>& allowed = LetThrough()[window];
    bool all = true;
    for (UINT message : messages) {
        CHANGEFILTERSTRUCT status{};
        status.cbSize = sizeof status;
        if (!::ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, &status)) {
            all = false;
            continue;
        }
        if (std::find(allowed.begin(), allowed.end(), message) == allowed.end())
            allowed.push_back(message);
    }
    return all;
}

void LetHandOffAndDropsThrough(HWND mainWindow)
{
    LetThroughFromLowerIntegrity(mainWindow, {WM_COPYDATA});
    LetDropsThrough(mainWindow);
    ::EnumChildWindows(
        mainWindow,
        [](HWND child, LPARAM) -> BOOL {
            LetDropsThrough(child);
            return TRUE;
        },
        0);
}

std::vector<UINT> MessagesLetThrough(HWND window)
{
    const auto found = LetThrough().find(window);
    return found == LetThrough().end() ? std::vector<UINT>{} : found->second;
}
