#pragma once
// What the tip tests share: plain windows for the pointer to rest on, and the pointer and the
// keyboard moved as a person would move them.
#include "framework/window.h"
#include "win_support.h"

#include <chrono>
#include <functional>
#include <vector>

// A plain top-level window that notes the parts of it that were painted.
class THostWindow : public TWindow {
public:
    THostWindow(const char* title, RECT place) : TWindow(nullptr, title)
    {
        Attr.Style = WS_POPUP | WS_VISIBLE;
        Attr.X = place.left;
        Attr.Y = place.top;
        Attr.W = place.right - place.left;
        Attr.H = place.bottom - place.top;
    }

    POINT Centre() const
    {
        RECT rect = GetWindowRect();
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }

    std::vector<RECT> Painted;   // client rectangles of the paints, in order
    int Erasures = 0;

protected:
    LRESULT EvPaint(TMessage&)
    {
        PAINTSTRUCT paint{};
        ::BeginPaint(Handle, &paint);
        Painted.push_back(paint.rcPaint);
        ::EndPaint(Handle, &paint);
        return 0;
    }

    LRESULT EvEraseBackground(TMessage& message)
    {
        ++Erasures;
        return DefaultProcessing(message);
    }

    DECLARE_MESSAGE_TABLE()
};

inline const TMessageEntry THostWindow::MessageEntries[] = {
    ON_MESSAGE(THostWindow, WM_PAINT, EvPaint)
    ON_MESSAGE(THostWindow, WM_ERASEBKGND, EvEraseBackground)
};
inline const TMessageTable THostWindow::MessageTable = {&TWindow::MessageTable, THostWindow::MessageEntries,
                                                        std::size(THostWindow::MessageEntries)};
inline const TMessageTable& THostWindow::GetMessageTable() const
{
    return MessageTable;
}

inline int ScreenWidth()
{
    return ::GetSystemMetrics(SM_CXSCREEN);
}

inline int ScreenHeight()
{
    return ::GetSystemMetrics(SM_CYSCREEN);
}

// Handles the mouse messages queued now, and nothing else (no timer comes through).
inline void PumpMouseMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

// Handles the key messages queued now, and nothing else; the thread's keyboard hooks see them.
inline void PumpKeyMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Puts the pointer where a person's hand would leave it; the window below hears of it.
inline void MovePointer(POINT to)
{
    ::SetCursorPos(to.x, to.y);
    PumpMouseMessages();
}

inline POINT PointerPosition()
{
    POINT pointer{};
    ::GetCursorPos(&pointer);
    return pointer;
}

// Makes the window the one the keyboard types into.
inline void GiveKeyboardTo(HWND window)
{
    ::SetForegroundWindow(window);
    ::SetActiveWindow(window);
    ::SetFocus(window);
}

// Presses and releases a key that means nothing to the windows here.
inline void PressKey(WORD key = VK_F13)
{
    SendKeyPress(key);
    PumpKeyMessages();
}

// Handles messages until the condition holds or a generous limit has passed; whether it holds.
inline bool PumpUntil(const std::function<bool()>& condition, int limitMilliseconds = 10000)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMilliseconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        PumpMessages();
        ::Sleep(5);
    }
    return true;
}
