#pragma once
// One message pump for the Windows tests: what is queued now, for a time, or until a condition
// holds or a deadline passes.
#include <windows.h>

#include <chrono>
#include <functional>

// Handles the messages queued for this thread now: all of them, or those of one range (the
// mouse's, the keyboard's), so that nothing else (a timer, say) comes through.
inline void PumpMessages(UINT first = 0, UINT last = 0)
{
    MSG msg;
    // Wide, as the program's own loop: a typed character reaches its window as UTF-16.
    while (::PeekMessageW(&msg, nullptr, first, last, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// Handles messages until the condition holds or the deadline has passed, looking again every
// step; whether it holds.
inline bool PumpUntil(const std::function<bool()>& condition, int deadlineMs = 10000, int stepMs = 5)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(deadlineMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        PumpMessages();
        ::Sleep(static_cast<DWORD>(stepMs));
    }
    return true;
}

// Handles messages for about the given time (timers and the like come through).
inline void PumpMessagesFor(int milliseconds)
{
    PumpUntil([] { return false; }, milliseconds);
}
