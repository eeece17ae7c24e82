#pragma once
// A host for the program's controls: a visible top-level window holding the main dialog
// resource, whose controls are bound to the program's own classes. The dialog notes what
// its controls tell it (hover announcements, commands, repaints) in order.
#include "controls/auto_button.h"
#include "controls/qz_button.h"
#include "controls/qz_check_box.h"
#include "controls/qz_edit_cursor.h"
#include "controls/qz_list_box.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "res/resource.h"
#include "win_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace probe {

inline std::string Hex(WPARAM value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%llX", static_cast<unsigned long long>(value));
    return text;
}

class TProbeDialog : public TDialog {
public:
    explicit TProbeDialog(TWindow* parent) : TDialog(parent, "DLG_PROVA") {}

    std::vector<std::string> Log;
    bool LogPaint = false;
    // Runs when the dialog is told the pointer's control has settled (WM_ENTERIDLE).
    std::function<void()> OnEnterIdle;
    // Runs after the dialog has painted.
    std::function<void()> OnPaint;

    std::vector<std::string> Commands() const
    {
        std::vector<std::string> commands;
        for (const std::string& entry : Log)
            if (entry.rfind("command", 0) == 0)
                commands.push_back(entry);
        return commands;
    }

protected:
    LRESULT EvMenuSelect(TMessage& m)
    {
        Log.push_back("menuselect " + Hex(m.WParam) + (m.LParam ? " menu" : ""));
        return 0;
    }
    LRESULT EvEnterIdle(TMessage& m)
    {
        Log.push_back("enteridle " + std::to_string(m.WParam));
        if (OnEnterIdle)
            OnEnterIdle();
        return 0;
    }
    LRESULT EvCommand(TMessage& m)
    {
        // A control's notification carries its window; a menu's command carries none.
        Log.push_back("command " + std::to_string(m.CommandId()) + " " + std::to_string(m.NotifyCode()) +
                      (m.LParam ? " control" : ""));
        return 0;
    }
    LRESULT EvPaint(TMessage& m)
    {
        if (LogPaint)
            Log.push_back("dialog paint");
        LRESULT result = DefaultProcessing(m);
        if (OnPaint)
            OnPaint();
        return result;
    }

    DECLARE_MESSAGE_TABLE()
};

// The program's controls on the main dialog, as the program binds them, plus a few
// variants (a plain TQZButton with and without a menu) on controls it leaves plain.
class TControlsDialog : public TProbeDialog {
public:
    explicit TControlsDialog(TWindow* parent) : TProbeDialog(parent)
    {
        Create.SetMenuOnLeftClick(1);
    }

    TQZListBox List{this, IDC_FILELIST, "CUR_NORMAL", nullptr, "MAINLIST_MNU"};
    TQZEditCursor Header{this, IDC_HEADER, 2000, nullptr, "CUR_NORMAL"};
    TQZEditCursor Queue{this, IDC_QUEUE, 2000, nullptr, "CUR_NORMAL"};
    TQZEditCursor OutFile{this, IDC_OUTFILE, 2000, nullptr, "CUR_NORMAL"};
    TQZEditCursor MainHead{this, IDC_MAINHEAD, 2000};
    TQZRadioButton FullPath{this, IDC_PATH_FULL, "CUR_NORMAL"};
    TQZRadioButton NoPath{this, IDC_PATH_NOPATH, "CUR_NORMAL"};
    TQZCheckBox InvertSlash{this, IDC_INVERTSLASH, "CUR_NORMAL"};
    TAutoButton Create{this, IDC_CREATE, "CUR_NORMAL", "CREATE_MNU"};
    TAutoButton Delete{this, IDC_DELETE};
    TAutoButton OutFileButton{this, IDC_SETOUTFILE};
    TQZButton MoveUp{this, IDC_MOVEUP, nullptr, "CUR_MANO"};                   // no menu
    TQZButton MoveDown{this, IDC_MOVEDOWN, nullptr, nullptr, "MAINLIST_MNU"};   // a menu
    TQZButton MainQueueButton{this, IDC_SETMAINQUEUE, nullptr, "CUR_NORMAL", "CREATE_MNU"};
    std::unique_ptr<TQZCheckBox> SaveLocal =
        std::make_unique<TQZCheckBox>(this, IDC_SAVELOCAL, "CUR_NORMAL", nullptr, "CREATE_MNU");
    std::unique_ptr<TQZRadioButton> NonePath = std::make_unique<TQZRadioButton>(this, IDC_PATH_NONE, nullptr);
};

class THost : public TWindow {
public:
    THost() : TWindow(nullptr, "Controls host")
    {
        Attr.Style = WS_POPUP | WS_VISIBLE;
        Attr.X = 40;
        Attr.Y = 40;
        Attr.W = 560;
        Attr.H = 480;
    }
};

// The colour on the screen at a point of the screen, as the window there shows it.
inline COLORREF ScreenPixel(HWND anyOfTheWindow, POINT screen)
{
    HWND top = ::GetAncestor(anyOfTheWindow, GA_ROOT);
    RECT outer{};
    ::GetWindowRect(top, &outer);
    TWindowDC dc(top);
    return ::GetPixel(dc, screen.x - outer.left, screen.y - outer.top);
}

// The pixels of a ring of screen rectangle r (its outermost row and column of pixels).
inline std::vector<COLORREF> RingPixels(HWND window, RECT r)
{
    std::vector<COLORREF> pixels;
    for (LONG x = r.left; x < r.right; ++x) {
        pixels.push_back(ScreenPixel(window, {x, r.top}));
        pixels.push_back(ScreenPixel(window, {x, r.bottom - 1}));
    }
    for (LONG y = r.top + 1; y < r.bottom - 1; ++y) {
        pixels.push_back(ScreenPixel(window, {r.left, y}));
        pixels.push_back(ScreenPixel(window, {r.right - 1, y}));
    }
    return pixels;
}

inline int CountColour(const std::vector<COLORREF>& pixels, COLORREF colour)
{
    int n = 0;
    for (COLORREF pixel : pixels)
        n += pixel == colour;
    return n;
}

// The client area of a window in screen coordinates.
inline RECT ClientOnScreen(HWND window)
{
    RECT r{};
    ::GetClientRect(window, &r);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline POINT Centre(HWND window)
{
    RECT r = ClientOnScreen(window);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

inline LPARAM ClientPoint(HWND window, POINT screen)
{
    ::ScreenToClient(window, &screen);
    return MAKELPARAM(screen.x, screen.y);
}

// Puts the pointer at a point of the screen and lets the system's own mouse messages pass,
// so that the move a test then sends is the only one it looks at.
inline void PointerAt(POINT screen)
{
    ::SetCursorPos(screen.x, screen.y);
    PumpMessages();
}

// Puts the pointer at a point of the screen without the system's echo of the move: the
// move a test then sends is the pointer's arrival.
inline void PointerOnlyAt(POINT screen)
{
    ::SetCursorPos(screen.x, screen.y);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE)) {
    }
}

// The mouse buttons and keys as the thread's key state shows them, while a person holds them.
inline void HoldKey(int virtualKey, bool down)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[virtualKey] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

// A move of the mouse over a window to a point of the screen, with no button or key held.
inline void MoveOver(HWND window, POINT screen, WPARAM keys = 0)
{
    PointerOnlyAt(screen);
    ::SendMessageA(window, WM_MOUSEMOVE, keys, ClientPoint(window, screen));
}

// A mouse button going down over a window at a point of the screen, with the pointer there.
inline void ButtonDown(HWND window, UINT message, POINT screen)
{
    PointerAt(screen);
    const bool right = message == WM_RBUTTONDOWN;
    HoldKey(right ? VK_RBUTTON : VK_LBUTTON, true);
    ::SendMessageA(window, message, right ? MK_RBUTTON : MK_LBUTTON, ClientPoint(window, screen));
}

// The button coming up again at a point of the screen (the window may hold the mouse).
inline void ButtonUp(HWND window, UINT message, POINT screen)
{
    PointerAt(screen);
    HoldKey(message == WM_RBUTTONUP ? VK_RBUTTON : VK_LBUTTON, false);
    ::SendMessageA(window, message, 0, ClientPoint(window, screen));
}

inline void RightClick(HWND window, POINT screen)
{
    ButtonDown(window, WM_RBUTTONDOWN, screen);
    ButtonUp(window, WM_RBUTTONUP, screen);
}

inline void LeftClick(HWND window, POINT screen)
{
    ButtonDown(window, WM_LBUTTONDOWN, screen);
    ButtonUp(window, WM_LBUTTONUP, screen);
}

// Watches, on another thread, for a pop-up menu of this process to open; notes where it
// opened and answers it with the given keys (Escape closes it; Down, Enter picks the first
// item) as a person would. Stop() ends the watch when no menu is expected.
class TMenuWatcher {
public:
    explicit TMenuWatcher(std::vector<WORD> keys = {VK_ESCAPE}) : Keys(std::move(keys)), Worker([this] { Run(); }) {}
    ~TMenuWatcher() { Stop(); }

    void Stop()
    {
        Stopping = true;
        if (Worker.joinable())
            Worker.join();
    }
    bool Opened() { Stop(); return Found; }
    RECT MenuRect() { Stop(); return Rect; }

private:
    static BOOL CALLBACK Look(HWND window, LPARAM data)
    {
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        char className[32] = "";
        ::GetClassNameA(window, className, sizeof className);
        if (process == ::GetCurrentProcessId() && std::string(className) == "#32768" && ::IsWindowVisible(window)) {
            *reinterpret_cast<HWND*>(data) = window;
            return FALSE;
        }
        return TRUE;
    }

    void Run()
    {
        // Long enough for any menu to show; a test that expects none stops the watch at once.
        for (int round = 0; round < 1000 && !Stopping; ++round) {
            HWND menu = nullptr;
            ::EnumWindows(&Look, reinterpret_cast<LPARAM>(&menu));
            if (menu) {
                ::GetWindowRect(menu, &Rect);
                Found = true;
                for (WORD key : Keys) {
                    ::PostMessageA(menu, WM_KEYDOWN, key, 1);
                    ::PostMessageA(menu, WM_KEYUP, key, 0xC0000001);
                }
                return;
            }
            ::Sleep(10);
        }
    }

    std::vector<WORD> Keys;
    std::atomic<bool> Stopping{false};
    std::atomic<bool> Found{false};
    RECT Rect{};
    std::thread Worker;
};

// The host, its dialog and controls, shown and settled, the pointer away from them.
class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Host.Create());
        ASSERT_NE(Dialog.GetHandle(), nullptr);
        ::SetForegroundWindow(Host.GetHandle());
        ::UpdateWindow(Host.GetHandle());
        PointerAt(Away());
        PumpMessages();
        Dialog.Log.clear();
    }

    void TearDown() override
    {
        PointerAt(Away());
        PumpMessages();
    }

    // A point of the screen outside the host.
    static POINT Away() { return {900, 900}; }

    THost Host;
    TControlsDialog Dialog{&Host};
};

} // namespace probe
