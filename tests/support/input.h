#pragma once
// The mouse and the keyboard as a person uses them: the pointer put on a point of the screen,
// buttons pressed and released (as input, or as the messages a window gets), keys pressed and held.
#include "support/geometry.h"
#include "support/pump.h"
#include "text/wide_text.h"

#include <initializer_list>
#include <vector>

// What becomes of the move the system makes of the pointer's arrival.
enum class TEcho {
    Handled,   // the window below hears of it now: the mouse messages queued are handled
    None,      // taken from the queue unhandled: the move a test then sends is the pointer's arrival
    Input,     // it comes as input (a one-pixel move), left for whichever loop runs: a drag's, a sheet's
};

inline void SendMouseInput(DWORD flags, int dx = 0, int dy = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.dx = dx;
    input.mi.dy = dy;
    ::SendInput(1, &input, sizeof input);
}

// Puts the pointer on a point of the screen, as a hand leaves it there.
inline void PointerTo(POINT screen, TEcho echo = TEcho::Handled)
{
    if (echo == TEcho::Input) {
        ::SetCursorPos(screen.x - 1, screen.y);
        SendMouseInput(MOUSEEVENTF_MOVE, 1, 0);
        return;
    }
    ::SetCursorPos(screen.x, screen.y);
    if (echo == TEcho::Handled) {
        PumpMessages(WM_MOUSEFIRST, WM_MOUSELAST);
        return;
    }
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE)) {
    }
}

enum class TMouseButton { Left, Right };

struct TButtonCodes {
    DWORD DownInput, UpInput;
    UINT DownMessage, UpMessage;
    int Key;
    WPARAM HeldFlag;
};

inline const TButtonCodes& CodesOf(TMouseButton button)
{
    static const TButtonCodes left{MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, WM_LBUTTONDOWN, WM_LBUTTONUP,
                                   VK_LBUTTON, MK_LBUTTON};
    static const TButtonCodes right{MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, WM_RBUTTONDOWN, WM_RBUTTONUP,
                                    VK_RBUTTON, MK_RBUTTON};
    return button == TMouseButton::Left ? left : right;
}

// ---- buttons as input, handled by whichever loop runs ----

inline void PressButton(TMouseButton button = TMouseButton::Left)
{
    SendMouseInput(CodesOf(button).DownInput);
}

inline void ReleaseButton(TMouseButton button = TMouseButton::Left)
{
    SendMouseInput(CodesOf(button).UpInput);
}

// A left click at a point of the screen.
inline void ClickAt(POINT screen)
{
    PointerTo(screen, TEcho::Input);
    PressButton();
    ReleaseButton();
}

// ---- keys ----

// A key (a mouse button too) as the thread's key state shows it, while a person holds it.
inline void HoldKey(int virtualKey, bool down)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[virtualKey] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

// Keys held down while this lives.
class THeldKeys {
public:
    THeldKeys(std::initializer_list<int> keys) : Keys(keys)
    {
        for (int key : Keys)
            HoldKey(key, true);
    }
    ~THeldKeys()
    {
        for (int key : Keys)
            HoldKey(key, false);
    }
    THeldKeys(const THeldKeys&) = delete;
    THeldKeys& operator=(const THeldKeys&) = delete;

private:
    std::vector<int> Keys;
};

// Makes the window the one the keyboard types into.
inline void GiveKeyboardTo(HWND window)
{
    ::SetForegroundWindow(window);
    ::SetActiveWindow(window);
    ::SetFocus(window);
}

// Presses and releases a key (by default one that means nothing to the windows here) and
// handles the key messages it makes, and nothing else; the thread's keyboard hooks see them.
inline void PressKey(WORD key = VK_F13)
{
    INPUT input[2]{};
    input[0].type = INPUT_KEYBOARD;
    input[0].ki.wVk = key;
    input[1] = input[0];
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof(INPUT));
    PumpMessages(WM_KEYFIRST, WM_KEYLAST);
}

// ---- keys as input, handled by whichever loop runs (the program's own, a dialog's) ----

// Keys pressed in order and released in the reverse order: {VK_CONTROL, 'V'} is Ctrl+V.
inline void SendChord(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = keys.end(); key != keys.begin();) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *--key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Types the text as a keyboard (or an input method) types what it has no key for: every UTF-16
// unit a key press of its own (VK_PACKET), through the system's input queue, which the loop
// that takes it turns into WM_CHAR, a surrogate pair into two.
inline void SendText(const std::string& text)
{
    std::vector<INPUT> inputs;
    for (wchar_t unit : Wide(text)) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = unit;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// ---- the mouse as the messages a window gets, sent straight to it ----

// A move over a window to a point of the screen (keys: the buttons and keys the move says are
// held), the pointer there without the system's echo.
inline void MoveOver(HWND window, POINT screen, WPARAM keys = 0)
{
    PointerTo(screen, TEcho::None);
    ::SendMessageW(window, WM_MOUSEMOVE, keys, ClientPoint(window, screen));
}

// A button going down over a window at a point of the screen, with the pointer there and what
// was queued handled first, as between a person's actions.
inline void PressOver(HWND window, TMouseButton button, POINT screen)
{
    const TButtonCodes& codes = CodesOf(button);
    PointerTo(screen);
    PumpMessages();
    HoldKey(codes.Key, true);
    ::SendMessageW(window, codes.DownMessage, codes.HeldFlag, ClientPoint(window, screen));
}

// The button coming up again at a point of the screen (the window may hold the mouse).
inline void ReleaseOver(HWND window, TMouseButton button, POINT screen)
{
    const TButtonCodes& codes = CodesOf(button);
    PointerTo(screen);
    PumpMessages();
    HoldKey(codes.Key, false);
    ::SendMessageW(window, codes.UpMessage, 0, ClientPoint(window, screen));
}

inline void ClickOver(HWND window, TMouseButton button, POINT screen)
{
    PressOver(window, button, screen);
    ReleaseOver(window, button, screen);
}
