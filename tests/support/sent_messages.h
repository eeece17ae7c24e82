#pragma once
// Messages sent to a window of this thread, noted as its procedure gets them.
#include <windows.h>

#include <algorithm>
#include <vector>

// While it lives, notes the wParam of every message of one kind sent to the window (one
// watch at a time).
class TSentMessages {
public:
    TSentMessages(HWND window, UINT message) : Window(window), Message(message)
    {
        Current = this;
        Hook = ::SetWindowsHookExW(WH_CALLWNDPROC, &Look, nullptr, ::GetCurrentThreadId());
    }
    ~TSentMessages()
    {
        ::UnhookWindowsHookEx(Hook);
        Current = nullptr;
    }
    TSentMessages(const TSentMessages&) = delete;
    TSentMessages& operator=(const TSentMessages&) = delete;

    std::vector<WPARAM> WParams;

    int Count(WPARAM wParam) const { return static_cast<int>(std::count(WParams.begin(), WParams.end(), wParam)); }

private:
    static LRESULT CALLBACK Look(int code, WPARAM wParam, LPARAM lParam)
    {
        auto* sent = reinterpret_cast<CWPSTRUCT*>(lParam);
        if (code >= 0 && Current && sent->hwnd == Current->Window && sent->message == Current->Message)
            Current->WParams.push_back(sent->wParam);
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline TSentMessages* Current = nullptr;
    HWND Window;
    UINT Message;
    HHOOK Hook;
};
