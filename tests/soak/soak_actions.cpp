// What a person does with the program, one line each: its name, how often, what it does.
// Whatever the program shows in answer (boxes, dialogs, menus) the session answers.
#include "soak/soak_session.h"

#include "res/resource.h"
#include "support/input.h"
#include "text/wide_text.h"

#include <commctrl.h>

namespace {

using TSession = TSoakSession;

// The list is cleared once it holds this many names: a long session is no growing list.
constexpr LRESULT ListRoom = 400;

std::function<bool(const std::string&)> Is(std::string text)
{
    return [text](const std::string& item) { return item == text; };
}

RECT ScreenRect(HWND window)
{
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

// A point of the rectangle away from its edges.
POINT Inside(TSession& s, const RECT& r)
{
    const int marginX = (r.right - r.left) / 4, marginY = (r.bottom - r.top) / 4;
    return {s.Uniform(r.left + marginX, std::max(r.left + marginX, r.right - 1 - marginX)),
            s.Uniform(r.top + marginY, std::max(r.top + marginY, r.bottom - 1 - marginY))};
}

POINT OnControl(TSession& s, int id)
{
    return Inside(s, ScreenRect(s.Control(id)));
}

// A spot of the dialog's own background.
POINT FreeSpot(TSession& s)
{
    const RECT dialog = ScreenRect(s.Dialog);
    for (int tries = 0; tries < 200; ++tries) {
        POINT screen = Inside(s, dialog);
        POINT client = screen;
        ::ScreenToClient(s.Dialog, &client);
        if (::ChildWindowFromPointEx(s.Dialog, client, CWP_ALL) == s.Dialog && ::WindowFromPoint(screen) == s.Dialog)
            return screen;
    }
    return {dialog.left + 2, dialog.top + 2};
}

LRESULT ListCount(TSession& s)
{
    return ::SendMessageW(s.Control(IDC_FILELIST), LB_GETCOUNT, 0, 0);
}

// The menu bar's item: its title clicked, then the item (a submenu's items after it).
std::function<void(TSession&)> MenuBar(const char* title, std::vector<const char*> path)
{
    return [title, path](TSession& s) {
        std::vector<std::function<bool(const std::string&)>> wanted;
        for (const char* item : path)
            wanted.push_back(Is(item));
        s.WantMenuItems(std::move(wanted));
        s.OpenMenuBar(title);
    };
}

void Drop(TSession& s, int target, int most)
{
    s.ComeForward();
    s.DropAt(OnControl(s, target), s.SomeNames(most));
}

// One name, now and then two (which go to the list instead).
void DropOne(TSession& s, int target)
{
    Drop(s, target, s.Chance(0.1) ? 2 : 1);
}

void ClickListEntry(TSession& s);

// The list's pop-up menu opened over an entry, and the items picked in it.
void ListMenuItems(TSession& s, std::vector<std::function<bool(const std::string&)>> items)
{
    ClickListEntry(s);
    s.WantMenuItems(std::move(items));
    s.Click(OnControl(s, IDC_FILELIST), true);
}

void ToolBarButton(TSession& s)
{
    HWND bar = ::FindWindowExW(s.Frame, nullptr, TOOLBARCLASSNAMEW, nullptr);
    std::vector<int> buttons;
    const int count = static_cast<int>(::SendMessageW(bar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        ::SendMessageW(bar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
        if (!(button.fsStyle & BTNS_SEP))
            buttons.push_back(i);
    }
    if (buttons.empty())
        return s.Fail("the tool bar has no buttons");
    RECT r{};
    ::SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(s.Pick(buttons)), reinterpret_cast<LPARAM>(&r));
    ::MapWindowPoints(bar, nullptr, reinterpret_cast<POINT*>(&r), 2);
    s.ComeForward();
    s.Click(Inside(s, r));
}

// A point over one of the program's controls: a dialog control, a tool-bar button, the status bar.
POINT SomewhereToHover(TSession& s)
{
    std::vector<HWND> windows;
    for (HWND child = ::GetWindow(s.Dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::IsWindowVisible(child))
            windows.push_back(child);
    for (HWND child = ::GetWindow(s.Frame, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (child != s.Dialog)
            windows.push_back(child);
    return Inside(s, ScreenRect(s.Pick(windows)));
}

void Hover(TSession& s, int moves)
{
    s.ComeForward();
    for (int i = 0; i < moves; ++i) {
        s.PointTo(SomewhereToHover(s));
        // Long enough, now and then, for the light to come on and the tip to show.
        ::Sleep(static_cast<DWORD>(s.Chance(0.25) ? s.Uniform(250, 450) : s.Uniform(0, 40)));
    }
}

void ResizeBy(TSession& s, bool control, bool shift)
{
    const double w = s.Uniform(60, 180) / 100.0, h = s.Uniform(60, 160) / 100.0;
    s.Resize({static_cast<LONG>(s.InitialSize.cx * w), static_cast<LONG>(s.InitialSize.cy * h)}, control, shift);
}

void ClickListEntry(TSession& s)
{
    HWND list = s.Control(IDC_FILELIST);
    const LRESULT top = ::SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    const LRESULT count = ListCount(s);
    if (count == 0)
        return s.ClickControl(IDC_FILELIST);
    RECT r{};
    ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(s.Uniform(static_cast<int>(top), static_cast<int>(count) - 1)),
                   reinterpret_cast<LPARAM>(&r));
    RECT client{};
    ::GetClientRect(list, &client);
    ::IntersectRect(&r, &r, &client);
    if (::IsRectEmpty(&r))
        return s.ClickControl(IDC_FILELIST);
    ::MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&r), 2);
    s.ComeForward();
    s.Click(Inside(s, r));
}

void TypeInto(TSession& s, int id)
{
    HWND field = s.Control(id);
    if (::GetWindowTextLengthW(field) > 1000)
        ::SetWindowTextW(field, L"");
    s.ClickControl(id);
    const std::string text = TSoakWorld::RandomText(s.Random, 40);
    s.Note(std::to_string(text.size()) + " bytes typed");
    SendText(text);
}

void DragWindow(TSession& s)
{
    s.ComeForward();
    const POINT from = FreeSpot(s);
    const RECT frame = ScreenRect(s.Frame);
    // The window stays on the screen.
    const int dx = std::clamp(s.Uniform(-80, 80), -static_cast<int>(frame.left), ScreenWidth() - static_cast<int>(frame.right));
    const int dy = std::clamp(s.Uniform(-60, 60), -static_cast<int>(frame.top), ScreenHeight() - static_cast<int>(frame.bottom));
    s.Note("by " + std::to_string(dx) + ", " + std::to_string(dy));
    s.PointTo(from);
    PressButton();
    ::Sleep(20);
    s.PointTo({from.x + dx / 2, from.y + dy / 2});
    ::Sleep(20);
    s.PointTo({from.x + dx, from.y + dy});
    ReleaseButton();
}

const std::vector<TSoakAction> Actions = {
    // Drops on every target.
    {"drop on the list", 8, [](TSession& s) { Drop(s, IDC_FILELIST, 5); }},
    {"drop on a field, a button or a free spot", 2,
     [](TSession& s) {
         s.ComeForward();
         const int targets[] = {IDC_HEADER, IDC_QUEUE, IDC_CREATE, IDC_PATH_FULL, 0};
         const int target = targets[s.Uniform(0, 4)];
         s.DropAt(target ? OnControl(s, target) : FreeSpot(s), s.SomeNames(3));
     }},
    {"drop on the OutFile button", 2, [](TSession& s) { DropOne(s, IDC_SETOUTFILE); }},
    {"drop on the OutFile field", 2, [](TSession& s) { DropOne(s, IDC_OUTFILE); }},
    {"drop on the Relative Path radio button", 2, [](TSession& s) { DropOne(s, IDC_PATH_RELATIVE); }},
    {"drop on the Rel Path field", 2, [](TSession& s) { DropOne(s, IDC_RELPATH); }},
    {"drop on Auto Drag", 4, [](TSession& s) { DropOne(s, IDC_AUTODRAG); }},

    // The menu bar, item by item.
    {"File > Create output file", 2, MenuBar("File", {"Create output file"})},
    {"File > View output file", 1, MenuBar("File", {"View output file"})},
    {"File > Clear List", 1, MenuBar("File", {"Clear List"})},
    {"File > Open list...", 2, MenuBar("File", {"Open list..."})},
    {"File > Save list...", 1, MenuBar("File", {"Save list..."})},
    {"File > Set output file", 1, MenuBar("File", {"Set output file,,,"})},
    {"File > Set main head...", 1, MenuBar("File", {"Set main head..."})},
    {"File > Set main queue...", 1, MenuBar("File", {"Set main queue..."})},
    {"File > Options > Global options...", 2, MenuBar("File", {"Options", "Global options..."})},
    {"File > Options > Change Font...", 1, MenuBar("File", {"Options", "Change Font..."})},
    {"Templates > Save Template", 1, MenuBar("Templates", {"Save Template"})},
    {"Templates > Open Template", 1, MenuBar("Templates", {"Open Template"})},
    {"Templates > a template", 4,
     [](TSession& s) {
         // Any item but the two commands: a template, or a folder of them whose items come next.
         auto aTemplate = [](const std::string& item) { return item != "Save Template" && item != "Open Template"; };
         s.WantMenuItems({aTemplate, aTemplate});
         s.OpenMenuBar("Templates");
     }},
    {"Auto > Html images", 1, MenuBar("Auto", {"Html images"})},
    {"Auto > Html link", 1, MenuBar("Auto", {"Html link"})},
    {"Auto > Preview", 1, MenuBar("Auto", {"Preview"})},
    {"Help > Index", 1, MenuBar("Help", {"Index"})},
    {"Help > Connect to WEB page", 1, MenuBar("Help", {"Connect to WEB page"})},
    {"Help > About", 1, MenuBar("Help", {"About..."})},

    // The tool bar and the pop-up menus.
    {"tool bar button", 6, ToolBarButton},
    {"list pop-up menu", 6,
     [](TSession& s) {
         ClickListEntry(s);
         s.Click(OnControl(s, IDC_FILELIST), true);
     }},
    {"list menu > Sort > an order", 2,
     [](TSession& s) {
         const std::vector<std::string> orders = {"By name", "By full path", "By extension", "By size",
                                                  "By date modified", "Reverse order"};
         ListMenuItems(s, {Is("Sort"), Is(s.Pick(orders))});
     }},
    {"list menu > Remove duplicate entries", 1, [](TSession& s) { ListMenuItems(s, {Is("Remove duplicate entries")}); }},
    {"list menu > Undo or Redo", 2,
     [](TSession& s) { ListMenuItems(s, {Is(s.Chance(0.7) ? "Undo" : "Redo")}); }},
    {"list menu > Add folder contents...", 1, [](TSession& s) { ListMenuItems(s, {Is("Add folder contents...")}); }},
    {"Ctrl+Z or Ctrl+Y", 2,
     [](TSession& s) {
         s.ComeForward();
         SendChord({VK_CONTROL, static_cast<WORD>(s.Chance(0.7) ? 'Z' : 'Y')});
     }},
    {"Create button menu", 4, [](TSession& s) { s.ClickControl(IDC_CREATE); }},
    {"Create button menu > Output format > a choice", 2,
     [](TSession& s) {
         auto any = [](const std::string&) { return true; };
         s.WantMenuItems({Is("Output format"), any, any});
         s.ClickControl(IDC_CREATE);
     }},
    {"dialog background pop-up menu", 2,
     [](TSession& s) {
         s.ComeForward();
         s.Click(FreeSpot(s), true);
     }},

    // The dialog's buttons, radio buttons, check boxes, list and fields.
    {"button < > or Del", 4,
     [](TSession& s) {
         const int buttons[] = {IDC_MOVEUP, IDC_MOVEDOWN, IDC_DELETE};
         s.ClickControl(buttons[s.Uniform(0, 2)]);
     }},
    {"button OutFile", 1, [](TSession& s) { s.ClickControl(IDC_SETOUTFILE); }},
    {"button MainHead or MainQueue", 1,
     [](TSession& s) { s.ClickControl(s.Chance(0.5) ? IDC_SETMAINHEAD : IDC_SETMAINQUEUE); }},
    {"button Auto Drag", 1, [](TSession& s) { s.ClickControl(IDC_AUTODRAG); }},
    {"path mode radio button", 3,
     [](TSession& s) {
         const int radios[] = {IDC_PATH_FULL, IDC_PATH_RELATIVE, IDC_PATH_NOPATH, IDC_PATH_NONE};
         s.ClickControl(radios[s.Uniform(0, 3)]);
     }},
    {"check box", 2, [](TSession& s) { s.ClickControl(s.Chance(0.5) ? IDC_INVERTSLASH : IDC_SAVELOCAL); }},
    {"list entry clicked", 3, ClickListEntry},
    {"typing in Header or Queue", 2, [](TSession& s) { TypeInto(s, s.Chance(0.5) ? IDC_HEADER : IDC_QUEUE); }},
    {"F1", 1,
     [](TSession& s) {
         s.ComeForward();
         SendChord({VK_F1});
     }},
    {"F5", 1,
     [](TSession& s) {
         s.ComeForward();
         SendChord({VK_F5});
     }},
    {"Preview closed", 1,
     [](TSession&) {
         if (HWND preview = ::FindWindowW(L"StrandelPreview", nullptr))
             ::PostMessageW(preview, WM_CLOSE, 0, 0);
     }},
    {"Alt+Up or Alt+Down", 2,
     [](TSession& s) {
         s.ComeForward();
         SendChord({VK_MENU, static_cast<WORD>(s.Chance(0.5) ? VK_UP : VK_DOWN)});
     }},
    {"Ctrl+Enter", 1,
     [](TSession& s) {
         s.ComeForward();
         SendChord({VK_CONTROL, VK_RETURN});
     }},
    {"Ctrl+O or Ctrl+S", 1,
     [](TSession& s) {
         s.ComeForward();
         SendChord({VK_CONTROL, static_cast<WORD>(s.Chance(0.5) ? 'O' : 'S')});
     }},
    {"Shift+F10 or the menu key", 1,
     [](TSession& s) {
         s.ComeForward();
         if (s.Chance(0.5))
             SendChord({VK_SHIFT, VK_F10});
         else
             SendChord({VK_APPS});
     }},

    // Zoom, hover, moving the window.
    {"resize", 3, [](TSession& s) { ResizeBy(s, false, false); }},
    {"resize with Ctrl", 2, [](TSession& s) { ResizeBy(s, true, false); }},
    {"resize with Ctrl and Shift", 1, [](TSession& s) { ResizeBy(s, true, true); }},
    {"size of the start", 1, [](TSession& s) { s.Resize(s.InitialSize, false, false); }},
    {"hover over a control", 9, [](TSession& s) { Hover(s, 1); }},
    {"hover across controls", 2, [](TSession& s) { Hover(s, s.Uniform(3, 6)); }},
    {"window dragged by a free spot", 1, DragWindow},

    // Send To from other copies.
    {"Send To from a second copy", 2, [](TSession& s) { s.SendToFromSecondCopies(s.SomeNames(1)); }},
    {"Send To from copies at once", 1, [](TSession& s) { s.SendToFromSecondCopies(s.SomeNames(3)); }},
};

} // namespace

const std::vector<TSoakAction>& SoakActions()
{
    return Actions;
}

bool ListNeedsClearing(TSoakSession& s)
{
    return ListCount(s) > ListRoom;
}

void ClearListFromTheMenu(TSoakSession& s)
{
    MenuBar("File", {"Clear List"})(s);
}
