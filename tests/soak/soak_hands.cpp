// The person's hands: the pointer, the keyboard, drops, second copies, the window's size.
#include "soak/soak_session.h"
#include "support/menu_picker.h"

#include "soak/soak_windows.h"
#include "support/drop.h"
#include "support/input.h"
#include "text/wide_text.h"

void TSoakSession::PointTo(POINT screen)
{
    PointerTo(screen, TEcho::Input);
}

void TSoakSession::Click(POINT screen, bool right)
{
    PointTo(screen);
    // A tip still up where the person aims goes once the pointer has left what it was for.
    for (int wait = 0; wait < 10 && ClassOf(::WindowFromPoint(screen)) == "QZTooltip"; ++wait)
        ::Sleep(50);
    PressButton(right ? TMouseButton::Right : TMouseButton::Left);
    ReleaseButton(right ? TMouseButton::Right : TMouseButton::Left);
}

void TSoakSession::ClickControl(int id, bool right)
{
    ComeForward();
    RECT r{};
    ::GetWindowRect(Control(id), &r);
    Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2}, right);
}

void TSoakSession::ComeForward()
{
    ::SetForegroundWindow(Frame);
}

void TSoakSession::OpenMenuBar(const std::string& title)
{
    HMENU bar = ::GetMenu(Frame);
    for (int i = 0; i < ::GetMenuItemCount(bar); ++i) {
        if (MenuItemAsRead(bar, i) != title)
            continue;
        RECT r{};
        ::GetMenuItemRect(Frame, bar, static_cast<UINT>(i), &r);
        ComeForward();
        Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        return;
    }
    Fail("the menu bar has no \"" + title + "\"");
}

void TSoakSession::WantMenuItems(std::vector<std::function<bool(const std::string&)>> wanted)
{
    WantedItems = std::move(wanted);
}

void TSoakSession::DropAt(POINT screen, const std::vector<std::string>& names)
{
    PointTo(screen);
    POINT client = screen;
    ::ScreenToClient(Dialog, &client);
    std::string noted = "dropped";
    for (const std::string& name : names)
        noted += " \"" + name.substr(name.find_last_of('\\') + 1) + "\"";
    Note(noted);
    ::PostMessageW(Dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(names, client)), 0);
}

std::vector<std::string> TSoakSession::SomeNames(int most)
{
    std::vector<std::string> names(static_cast<std::size_t>(Uniform(1, most)));
    for (std::string& name : names)
        name = Pick(World.DropNames());
    return names;
}

void TSoakSession::SendToFromSecondCopies(const std::vector<std::string>& names)
{
    std::vector<PROCESS_INFORMATION> started;
    for (const std::string& name : names) {
        std::wstring commandLine = Wide("\"" + Program + "\" \"" + name + "\"");
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
            return Fail("a second copy could not be started: " + Program);
        SecondCopies.insert(info.dwProcessId);
        started.push_back(info);
        Note("second copy sends \"" + name.substr(name.find_last_of('\\') + 1) + "\"");
    }
    const auto end = TClock::now() + std::chrono::seconds(60);
    for (PROCESS_INFORMATION& info : started) {
        while (::WaitForSingleObject(info.hProcess, 10) == WAIT_TIMEOUT && !Failed()) {
            LookAtWindows();
            if (TClock::now() > end) {
                Fail("a second copy did not end within 60 s");
                ::TerminateProcess(info.hProcess, 1);   // only the copy this soak started
            }
        }
        DWORD code = 0;
        ::GetExitCodeProcess(info.hProcess, &code);
        if (code != static_cast<DWORD>(-1) && !Failed())
            Fail("a second copy ended with " + std::to_string(code) + ", not handing its file over");
        ::CloseHandle(info.hThread);
        ::CloseHandle(info.hProcess);
        SecondCopies.erase(info.dwProcessId);
    }
    // The hand-overs have been taken: each name now waits in the program's queue.
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(Frame, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
}

void TSoakSession::Resize(SIZE size, bool control, bool shift)
{
    size.cx = std::min<LONG>(size.cx, ScreenWidth());
    size.cy = std::min<LONG>(size.cy, ScreenHeight());
    RECT r{};
    ::GetWindowRect(Frame, &r);
    const int x = std::max<LONG>(0, std::min<LONG>(r.left, ScreenWidth() - size.cx));
    const int y = std::max<LONG>(0, std::min<LONG>(r.top, ScreenHeight() - size.cy));
    Note("to " + std::to_string(size.cx) + " x " + std::to_string(size.cy));
    std::vector<int> keys;
    if (control)
        keys.push_back(VK_CONTROL);
    if (shift)
        keys.push_back(VK_SHIFT);
    for (int key : keys)
        HoldKey(key, true);
    ::SetWindowPos(Frame, nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    for (int key : keys)
        HoldKey(key, false);
}
