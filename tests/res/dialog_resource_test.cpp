// The dialog resources, created by the system's dialog manager as the program
// creates them: what each control is, where it sits, and how the keyboard
// walks through them.
#include "res/resource.h"
#include "support/geometry.h"
#include "support/owned_handle.h"
#include "support/resources.h"
#include "support/window_lookup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum TKind { Push, DefPush, Radio, Check, Group, Edit, List, Text, Icon };

// Style bits that tell the controls of a kind apart; every other bit is free.
constexpr DWORD Tab = WS_TABSTOP, Off = WS_DISABLED, Border = 1u << 31;
constexpr DWORD Multi = ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL, ReadOnly = ES_READONLY;

struct TControl {
    int Id;
    TKind Kind;
    const char* Text;
    DWORD Styles;   // the bits of KeyStyles(Kind) that are set; Border for a border
    int X, Y, W, H; // dialog units
};

DWORD KeyStyles(TKind kind)
{
    switch (kind) {
    case Edit:
        return ES_MULTILINE | ES_WANTRETURN | ES_READONLY | WS_VSCROLL | WS_TABSTOP | WS_DISABLED | WS_GROUP;
    case List: // a list box drops WS_VSCROLL while it has nothing to scroll
        return LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | LBS_MULTIPLESEL | LBS_EXTENDEDSEL |
               WS_TABSTOP | WS_DISABLED | WS_GROUP;
    default:
        return WS_TABSTOP | WS_DISABLED | WS_GROUP;
    }
}

const char* ClassName(TKind kind)
{
    switch (kind) {
    case Edit: return "Edit";
    case List: return "ListBox";
    case Text:
    case Icon: return "Static";
    default: return "Button";
    }
}

DWORD ButtonType(TKind kind)
{
    switch (kind) {
    case DefPush: return BS_DEFPUSHBUTTON;
    case Radio: return BS_AUTORADIOBUTTON;
    case Check: return BS_AUTOCHECKBOX;
    case Group: return BS_GROUPBOX;
    default: return BS_PUSHBUTTON;
    }
}

// A border shows either as WS_BORDER or, with the 3-D look, as a client edge.
bool HasBorder(HWND control)
{
    return (GetWindowLongW(control, GWL_STYLE) & WS_BORDER) ||
           (GetWindowLongW(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

// The main dialog, in the order of its children, which is the tab order.
const std::vector<TControl> MainControls = {
    {IDC_CREATE, Push, "Create", Tab, 209, 206, 50, 18},
    {IDC_HEADER, Edit, "", Multi | Border | Tab, 6, 73, 253, 32},
    {IDC_QUEUE, Edit, "", Multi | Border | Tab, 6, 107, 253, 32},
    {IDC_RELPATH, Edit, "Relative Path", ReadOnly | Off, 68, 208, 136, 10},
    {IDC_PATH_FULL, Radio, "Full Paht", Tab, 11, 152, 49, 10},
    {IDC_PATH_RELATIVE, Radio, "Relative Path", Tab, 11, 163, 49, 10},
    {IDC_PATH_NOPATH, Radio, "No Path", Tab, 11, 174, 49, 10},
    {IDC_FILELIST, List, "", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | Border | Tab, 5, 0, 231, 68},
    {IDC_MOVEUP, Push, "<", Tab, 240, 39, 15, 14},
    {IDC_MOVEDOWN, Push, ">", Tab, 240, 54, 15, 14},
    {IDC_DELETE, Push, "Del", Tab, 240, 15, 20, 14},
    {IDC_VIEW, Push, "View +", Tab, 214, 251, 45, 14},
    {IDC_INVERTSLASH, Check, "Invert slash (\\ become /)", Tab, 72, 189, 90, 10},
    {IDC_PATH_NONE, Radio, "None", 0, 11, 185, 49, 10},
    {IDC_STATIC, Group, "Path", 0, 6, 142, 57, 59},
    {IDC_STATIC, Group, "Settings", 0, 68, 142, 191, 60},
    {IDC_OUTFILE, Edit, "OutFile", ReadOnly | Tab, 110, 151, 141, 12},
    {IDC_MAINHEAD, Edit, "MainHeader...", ReadOnly | Tab, 110, 164, 141, 10},
    {IDC_MAINQUEUE, Edit, "MainQueue...", ReadOnly | Tab, 110, 176, 141, 10},
    {IDC_SETOUTFILE, Push, "OutFile", Tab, 72, 152, 35, 10},
    {IDC_SETRELPATH, Push, "RelPath", Tab, 72, 252, 35, 10},
    {IDC_SETMAINHEAD, Push, "MainHead", Tab, 72, 164, 35, 10},
    {IDC_SETMAINQUEUE, Push, "MainQueue", Tab, 72, 176, 36, 10},
    {IDC_COUNTER, Edit, "111/2999", ReadOnly | Off, 237, 0, 29, 10},
    {IDC_SAVELOCAL, Check, "Local info in template", Tab, 166, 189, 90, 10},
    {IDC_AUTODRAG, Push, "Auto Drag", 0, 6, 208, 57, 14},
};

struct TDialogResource {
    const char* Name;
    const char* Caption;
    int Width, Height;          // client area, dialog units
    bool Popup;                 // a modal dialog with a frame; otherwise a child
    std::vector<TControl> Controls;
};

const std::vector<TDialogResource> SmallDialogs = {
    {"MLINPUT_DLG", "Input", 252, 156, true,
     {{IDC_MLINPUT_TEXT, Edit, "", Multi | Border | Tab, 12, 15, 232, 108},
      {IDOK, DefPush, "OK", Tab, 133, 134, 50, 14},
      {IDCANCEL, Push, "Cancel", Tab, 190, 134, 50, 14}}},
    {"PROP_SENDTO", "Send To", 188, 144, false,
     {{IDC_STATIC, Text,
       "To enable Strandel Send To interface:\n"
       "Create a Shortcut for Strandel in your folder:\n"
       "C:\\Windows\\SendTo\n"
       "Then from File Manager right click over a file\n"
       "and choose: SendTo Strandel",
       0, 10, 15, 164, 60},
      {IDC_SENDTO_NAME, Radio, "Create and copy file name with path", Tab | WS_GROUP, 8, 81, 172, 12},
      {IDC_SENDTO_LINE, Radio, "Create and copy a line (header, filename, queue)", 0, 8, 93, 178, 12}}},
    {"PROP_VARIOUSOPTIONS", "Various", 252, 104, false,
     {{IDC_USETIP, Check, "Use ToolTip", Tab, 9, 19, 69, 12},
      {IDC_ASKSAVELIST, Check, "Ask to save a changed list on closing", Tab, 9, 32, 214, 12},
      {IDC_STATIC, Text, "Extension for images (will be used in Auto Html Images)", 0, 9, 49, 202, 8},
      {IDC_IMAGEEXT, Edit, "", Border | Tab, 9, 61, 214, 12}}},
};

// As the dialog manager places a control: position and size converted apart.
RECT DialogUnitsToPixels(HWND dialog, int x, int y, int width, int height)
{
    RECT units{x, y, width, height};
    MapDialogRect(dialog, &units);
    return {units.left, units.top, units.left + units.right, units.top + units.bottom};
}

bool SameRect(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

std::string Describe(const RECT& r)
{
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ")-(" + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + ")";
}

std::string Describe(const TControl& control)
{
    return "control " + std::to_string(control.Id) + " \"" + control.Text + "\"";
}

void ExpectControl(HWND dialog, HWND window, const TControl& want)
{
    SCOPED_TRACE(Describe(want));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(LOWORD(GetDlgCtrlID(window)), LOWORD(want.Id));
    EXPECT_STRCASEEQ(ClassOf(window).c_str(), ClassName(want.Kind));
    EXPECT_EQ(TextOf(window), want.Text);

    const DWORD style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_EQ(style & KeyStyles(want.Kind), want.Styles & ~Border);
    EXPECT_EQ(HasBorder(window), (want.Styles & Border) != 0);
    if (ClassName(want.Kind) == std::string("Button")) {
        EXPECT_EQ(style & BS_TYPEMASK, ButtonType(want.Kind));
    }
    if (want.Kind == Text) {
        EXPECT_EQ(style & SS_TYPEMASK, static_cast<DWORD>(SS_LEFT));
    }

    const RECT place = PlaceInParent(window);
    const RECT expected = DialogUnitsToPixels(dialog, want.X, want.Y, want.W, want.H);
    EXPECT_TRUE(SameRect(place, expected)) << Describe(place) << " instead of " << Describe(expected);
}

// The dialog's children in creation order, which is their tab order.
std::vector<HWND> Children(HWND dialog)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

using TWindowHandle = TOwned<HWND, &DestroyWindow>;

// A top-level window that owns nothing but its child dialogs. It stays hidden:
// under Xvfb without a window manager, showing one costs seconds.
TWindowHandle MakeParentWindow()
{
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = Module();
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = L"StrandelResTestParent";
        return RegisterClassW(&wc);
    }();
    return TWindowHandle(CreateWindowW(MAKEINTATOM(atom), L"res_test", WS_OVERLAPPEDWINDOW, 0, 0, 800, 700, nullptr,
                                       nullptr, Module(), nullptr));
}

// A dialog made from a resource by the system's dialog manager, with a procedure that handles nothing.
class TResourceDialog {
public:
    TResourceDialog(const char* name, HWND parent) : Handle(CreateDialogParamW(Module(), Wide(name).c_str(), parent, Ignore, 0)) {}
    HWND Get() const { return Handle.get(); }
    HWND Item(int id) const { return GetDlgItem(Get(), id); }

private:
    static INT_PTR CALLBACK Ignore(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
    TWindowHandle Handle;
};

class MainDialog : public testing::Test {
protected:
    TWindowHandle Parent = MakeParentWindow();
    TResourceDialog Dialog{"DLG_PROVA", Parent.get()};
};

TEST_F(MainDialog, IsABorderedChildOfTheGivenSize)
{
    ASSERT_NE(Dialog.Get(), nullptr) << "CreateDialogParam failed, error " << GetLastError();
    const DWORD style = GetWindowLongW(Dialog.Get(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_TRUE(style & WS_BORDER);
    EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_BORDER));
    EXPECT_FALSE(style & WS_POPUP);

    RECT client{};
    GetClientRect(Dialog.Get(), &client);
    const RECT expected = DialogUnitsToPixels(Dialog.Get(), 0, 0, 266, 226);
    EXPECT_TRUE(SameRect(client, expected)) << Describe(client);
}

TEST_F(MainDialog, ControlsInTabOrderWithClassStyleTextAndPlace)
{
    ASSERT_NE(Dialog.Get(), nullptr);
    const std::vector<HWND> children = Children(Dialog.Get());
    ASSERT_EQ(children.size(), MainControls.size());
    for (size_t i = 0; i < MainControls.size(); ++i)
        ExpectControl(Dialog.Get(), children[i], MainControls[i]);
}

// What Tab reaches, from the first control round to it again.
TEST_F(MainDialog, TabVisitsTheTabStopsInOrder)
{
    ASSERT_NE(Dialog.Get(), nullptr);
    const std::vector<int> expected = {IDC_CREATE,      IDC_HEADER,      IDC_QUEUE,        IDC_PATH_FULL,
                                       IDC_PATH_RELATIVE, IDC_PATH_NOPATH, IDC_FILELIST,     IDC_MOVEUP,       IDC_MOVEDOWN,
                                       IDC_DELETE,      IDC_VIEW,        IDC_INVERTSLASH,  IDC_OUTFILE,
                                       IDC_MAINHEAD,    IDC_MAINQUEUE,   IDC_SETOUTFILE,   IDC_SETRELPATH,
                                       IDC_SETMAINHEAD, IDC_SETMAINQUEUE, IDC_SAVELOCAL};
    std::vector<int> visited;
    HWND control = Dialog.Item(IDC_CREATE);
    do {
        visited.push_back(GetDlgCtrlID(control));
        control = GetNextDlgTabItem(Dialog.Get(), control, FALSE);
    } while (control && control != Dialog.Item(IDC_CREATE) && visited.size() <= expected.size());
    EXPECT_EQ(visited, expected);
}

// "None" sits far from the other path radios in the tab order; a click on
// any of the four must still clear the others.
TEST_F(MainDialog, PathRadiosClearEachOther)
{
    ASSERT_NE(Dialog.Get(), nullptr);
    const int radios[] = {IDC_PATH_FULL, IDC_PATH_RELATIVE, IDC_PATH_NOPATH, IDC_PATH_NONE};
    for (int clicked : radios) {
        for (int other : radios)
            CheckDlgButton(Dialog.Get(), other, other == clicked ? BST_UNCHECKED : BST_CHECKED);
        SendMessageW(Dialog.Item(clicked), BM_CLICK, 0, 0);
        for (int radio : radios)
            EXPECT_EQ(IsDlgButtonChecked(Dialog.Get(), radio), radio == clicked ? BST_CHECKED : BST_UNCHECKED)
                << "after a click on " << clicked << ", radio " << radio;
    }
}

// The file list shows a scroll bar once it holds more than it can show, and
// keeps its entries in the order they come.
TEST_F(MainDialog, FileListScrollsAndKeepsOrder)
{
    ASSERT_NE(Dialog.Get(), nullptr);
    HWND list = Dialog.Item(IDC_FILELIST);
    for (int i = 0; i < 40; ++i) {
        const std::string name = "c:\\files\\" + std::string(1, static_cast<char>('z' - i % 26)) + ".txt";
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(name).c_str()));
    }
    EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL);
    wchar_t first[64] = {};
    SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
    EXPECT_STREQ(first, L"c:\\files\\z.txt");
}

// "View +" and "RelPath" are for the keyboard only: below the client area.
TEST_F(MainDialog, KeyboardOnlyButtonsLieBelowTheClientArea)
{
    ASSERT_NE(Dialog.Get(), nullptr);
    RECT client{};
    GetClientRect(Dialog.Get(), &client);
    for (int id : {IDC_VIEW, IDC_SETRELPATH}) {
        EXPECT_GE(PlaceInParent(Dialog.Item(id)).top, client.bottom) << id;
    }
    for (const TControl& control : MainControls) {
        if (control.Id == IDC_VIEW || control.Id == IDC_SETRELPATH || control.Id == IDC_STATIC)
            continue;
        EXPECT_LE(PlaceInParent(Dialog.Item(control.Id)).bottom, client.bottom) << control.Id;
    }
}

TEST(SmallDialogs, CaptionSizeAndControls)
{
    const TWindowHandle parent = MakeParentWindow();
    for (const TDialogResource& resource : SmallDialogs) {
        SCOPED_TRACE(resource.Name);
        TResourceDialog dialog(resource.Name, parent.get());
        ASSERT_NE(dialog.Get(), nullptr) << "error " << GetLastError();
        EXPECT_EQ(TextOf(dialog.Get()), resource.Caption);

        const DWORD style = GetWindowLongW(dialog.Get(), GWL_STYLE);
        EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
        if (resource.Popup) {
            EXPECT_TRUE(style & WS_POPUP);
            EXPECT_TRUE(GetWindowLongW(dialog.Get(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
        } else {
            // A property page: the sheet shows the caption on its tab.
            EXPECT_TRUE(style & WS_CHILD);
        }

        RECT client{};
        GetClientRect(dialog.Get(), &client);
        const RECT expected = DialogUnitsToPixels(dialog.Get(), 0, 0, resource.Width, resource.Height);
        EXPECT_TRUE(SameRect(client, expected)) << Describe(client);

        const std::vector<HWND> children = Children(dialog.Get());
        ASSERT_EQ(children.size(), resource.Controls.size());
        for (size_t i = 0; i < children.size(); ++i)
            ExpectControl(dialog.Get(), children[i], resource.Controls[i]);
    }
}

TEST(AboutDialog, ShowsIconNameVersionAndOk)
{
    const TWindowHandle parent = MakeParentWindow();
    TResourceDialog about("ABOUT_DLG", parent.get());
    ASSERT_NE(about.Get(), nullptr) << "error " << GetLastError();
    EXPECT_EQ(TextOf(about.Get()), "Tarvik Strandel");
    EXPECT_TRUE(GetWindowLongW(about.Get(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);

    RECT client{};
    GetClientRect(about.Get(), &client);
    EXPECT_TRUE(SameRect(client, DialogUnitsToPixels(about.Get(), 0, 0, 298, 266))) << Describe(client);

    bool name = false, version = false, icon = false;
    for (HWND child : Children(about.Get())) {
        if (ClassOf(child) != "Static" && ClassOf(child) != "STATIC")
            continue;
        const DWORD type = GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK;
        if (type == SS_ICON)
            icon = SendMessageW(child, STM_GETICON, 0, 0) != 0;
        name = name || TextOf(child) == "Tarvik Strandel";
        version = version || TextOf(child) == "Version: 1.4";
    }
    EXPECT_TRUE(icon) << "no static shows the program icon";
    EXPECT_TRUE(name);
    EXPECT_TRUE(version);

    HWND ok = about.Item(IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(TextOf(ok), "OK");
    EXPECT_EQ(GetWindowLongW(ok, GWL_STYLE) & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
}

} // namespace
