#pragma once
// What the Windows tests share: pumping messages, answering a modal box as a person would,
// reading the clipboard.
#include <windows.h>
#include <shlobj.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

// Handles what is queued for this thread now.
inline void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Handles messages for about the given time (timers and the like come through).
inline void PumpMessagesFor(int milliseconds)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < end) {
        PumpMessages();
        ::Sleep(5);
    }
}

// Mouse input as the hand gives it (relative moves in dx, dy).
inline void SendMouse(DWORD flags, int dx = 0, int dy = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.dx = dx;
    input.mi.dy = dy;
    ::SendInput(1, &input, sizeof input);
}

// Puts the pointer on a point of the screen, arriving there with a one-pixel move.
inline void PointerTo(POINT point)
{
    ::SetCursorPos(point.x - 1, point.y);
    SendMouse(MOUSEEVENTF_MOVE, 1, 0);
}

// Presses and releases a key; the caller handles the messages it makes.
inline void SendKeyPress(WORD key)
{
    INPUT input[2]{};
    input[0].type = INPUT_KEYBOARD;
    input[0].ki.wVk = key;
    input[1] = input[0];
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof(INPUT));
}

// On another thread, as a person would once the next pop-up menu is up: goes down the given
// number of items and presses Enter. Join the thread once the menu has run.
inline std::thread PickFromNextMenu(int downs)
{
    return std::thread([downs] {
        for (int i = 0; i < 500 && !::FindWindowA("#32768", nullptr); ++i)
            ::Sleep(10);
        ::Sleep(100);
        for (int i = 0; i < downs; ++i)
            SendKeyPress(VK_DOWN);
        SendKeyPress(VK_RETURN);
    });
}

// Waits on another thread for the next dialog box of this process with the given caption
// (any, when empty), notes its caption and text, and presses one of its buttons, as a person
// reading it would.
class TBoxAnswerer {
public:
    // fill: what the person does in the box before pressing the button (types a name, say).
    explicit TBoxAnswerer(int button = IDOK, std::string caption = {}, int timeoutMs = 15000,
                          std::function<void(HWND)> fill = {})
        : Button(button), WantedCaption(std::move(caption)), Fill(std::move(fill)),
          Worker([this, timeoutMs] { Run(timeoutMs); })
    {
    }
    ~TBoxAnswerer() { Wait(); }

    void Wait()
    {
        if (Worker.joinable())
            Worker.join();
    }
    bool Answered() { Wait(); return Found; }
    const std::string& Caption() { Wait(); return SeenCaption; }
    const std::string& Text() { Wait(); return SeenText; }
    // The button Enter would press.
    int DefaultButton() { Wait(); return SeenDefault; }

private:
    struct TSearch {
        const TBoxAnswerer* Self;
        HWND Found;
    };

    static BOOL CALLBACK Look(HWND window, LPARAM data)
    {
        auto* search = reinterpret_cast<TSearch*>(data);
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        char className[64] = "";
        ::GetClassNameA(window, className, sizeof className);
        if (process != ::GetCurrentProcessId() || std::string(className) != "#32770" || !::IsWindowVisible(window))
            return TRUE;
        char caption[512] = "";
        ::GetWindowTextA(window, caption, sizeof caption);
        if (!search->Self->WantedCaption.empty() && search->Self->WantedCaption != caption)
            return TRUE;
        search->Found = window;
        return FALSE;
    }

    void Run(int timeoutMs)
    {
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (std::chrono::steady_clock::now() < end) {
            TSearch search{this, nullptr};
            ::EnumWindows(&Look, reinterpret_cast<LPARAM>(&search));
            if (search.Found) {
                ::Sleep(50);   // a person takes a moment to read
                char text[2048] = "";
                ::GetWindowTextA(search.Found, text, sizeof text);
                SeenCaption = text;
                text[0] = 0;
                ::GetDlgItemTextA(search.Found, 0xFFFF, text, sizeof text);   // a message box's text
                SeenText = text;
                for (HWND child = ::GetWindow(search.Found, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
                    if ((::GetWindowLongA(child, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON)
                        SeenDefault = ::GetDlgCtrlID(child);
                Found = true;
                if (Fill)
                    Fill(search.Found);
                ::PostMessageA(search.Found, WM_COMMAND, MAKEWPARAM(Button, BN_CLICKED),
                               reinterpret_cast<LPARAM>(::GetDlgItem(search.Found, Button)));
                return;
            }
            ::Sleep(20);
        }
    }

    int Button;
    std::string WantedCaption;
    std::string SeenCaption;
    std::string SeenText;
    int SeenDefault = 0;
    std::function<void(HWND)> Fill;
    std::atomic<bool> Found{false};
    std::thread Worker;
};

inline std::string ClipboardText()
{
    std::string text;
    for (int attempt = 0; attempt < 50 && !::OpenClipboard(nullptr); ++attempt)
        ::Sleep(20);
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(::GlobalLock(data))) {
            text = bytes;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

inline void SetClipboardTextForTest(const std::string& text)
{
    for (int attempt = 0; attempt < 50 && !::OpenClipboard(nullptr); ++attempt)
        ::Sleep(20);
    ::EmptyClipboard();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(::GlobalLock(block), text.c_str(), text.size() + 1);
    ::GlobalUnlock(block);
    ::SetClipboardData(CF_TEXT, block);
    ::CloseClipboard();
}

// Where a first start puts its output file: QZScript.txt on the user's desktop, the desktop
// folder of old Windows being gone.
inline std::string DesktopOutput()
{
    char desktop[MAX_PATH] = "";
    ::SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop);
    return std::string(desktop) + "\\QZScript.txt";
}
