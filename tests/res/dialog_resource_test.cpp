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

// The captions a person reads on a dialog's controls, typos included, by control id.
struct TCaption {
    int Id;
    const char* Text;
};

void ExpectCaptions(HWND dialog, std::initializer_list<TCaption> captions)
{
    for (const TCaption& caption : captions)
        EXPECT_EQ(TextOf(::GetDlgItem(dialog, caption.Id)), caption.Text) << "control " << caption.Id;
}

RECT ClientRect(HWND window)
{
    RECT client{};
    ::GetClientRect(window, &client);
    return client;
}

bool ReadOnly(HWND field)
{
    return (::GetWindowLongW(field, GWL_STYLE) & ES_READONLY) != 0;
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

TEST_F(MainDialog, IsABorderedChildOfItsSize)
{
    ASSERT_NE(Dialog.Get(), nullptr) << "CreateDialogParam failed, error " << GetLastError();
    const DWORD style = GetWindowLongW(Dialog.Get(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_BORDER));
    EXPECT_EQ(ClientRect(Dialog.Get()), (RECT{0, 0, 399, 339}));
}

// What a person sees: the captions, and a few controls where they are, in pixels of this
// system's dialog font.
TEST_F(MainDialog, ShowsItsCaptionsAndControlsInPlace)
{
    ASSERT_NE(Dialog.Get(), nullptr);
    ExpectCaptions(Dialog.Get(), {{IDC_CREATE, "&Create"},
                                  {IDC_PATH_FULL, "F&ull Paht"},
                                  {IDC_PATH_RELATIVE, "&Relative Path"},
                                  {IDC_PATH_NOPATH, "&No Path"},
                                  {IDC_PATH_NONE, "Non&e"},
                                  {IDC_INVERTSLASH, "&Invert slash (\\ become /)"},
                                  {IDC_SAVELOCAL, "Local info in tem&plate"},
                                  {IDC_SETOUTFILE, "&OutFile"},
                                  {IDC_SETMAINHEAD, "&MainHead"},
                                  {IDC_SETMAINQUEUE, "Main&Queue"},
                                  {IDC_AUTODRAG, "Auto Dra&g"},
                                  {IDC_MOVEUP, "<"},
                                  {IDC_MOVEDOWN, ">"},
                                  {IDC_DELETE, "&Del"},
                                  {IDC_OUTFILE, "OutFile"},
                                  {IDC_COUNTER, "111/2999"}});
    EXPECT_EQ(PlaceInParent(Dialog.Item(IDC_FILELIST)), (RECT{8, 0, 355, 102}));
    EXPECT_EQ(PlaceInParent(Dialog.Item(IDC_HEADER)), (RECT{9, 110, 389, 158}));
    EXPECT_EQ(PlaceInParent(Dialog.Item(IDC_CREATE)), (RECT{314, 309, 389, 336}));
    EXPECT_EQ(PlaceInParent(Dialog.Item(IDC_AUTODRAG)), (RECT{9, 312, 95, 333}));
}

// Header and Queue take several lines and Return; the other fields only show what the program
// puts there, and Rel Path and the counter are not even reached.
TEST_F(MainDialog, OnlyHeaderAndQueueAreWrittenIn)
{
    ASSERT_NE(Dialog.Get(), nullptr);
    for (int id : {IDC_HEADER, IDC_QUEUE}) {
        const DWORD style = GetWindowLongW(Dialog.Item(id), GWL_STYLE);
        EXPECT_EQ(style & (ES_MULTILINE | ES_WANTRETURN), static_cast<DWORD>(ES_MULTILINE | ES_WANTRETURN)) << id;
        EXPECT_FALSE(ReadOnly(Dialog.Item(id))) << id;
    }
    for (int id : {IDC_OUTFILE, IDC_MAINHEAD, IDC_MAINQUEUE, IDC_RELPATH, IDC_COUNTER})
        EXPECT_TRUE(ReadOnly(Dialog.Item(id))) << id;
    for (int id : {IDC_RELPATH, IDC_COUNTER})
        EXPECT_FALSE(IsWindowEnabled(Dialog.Item(id))) << id;
}

// What Tab reaches in the resource's order, from the first control round to it again (the program
// arranges its own order when it builds the main dialog).
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
    for (HWND control : Children(Dialog.Get())) {
        const int id = GetDlgCtrlID(control);
        if (id == IDC_VIEW || id == IDC_SETRELPATH || id == IDC_STATIC)
            continue;
        EXPECT_LE(PlaceInParent(control).bottom, client.bottom) << id;
    }
}

TEST(SmallDialogs, ShowTheirCaptionsAndTexts)
{
    const TWindowHandle parent = MakeParentWindow();
    TResourceDialog input("MLINPUT_DLG", parent.get());
    ASSERT_NE(input.Get(), nullptr) << "error " << GetLastError();
    EXPECT_EQ(TextOf(input.Get()), "Input");
    EXPECT_TRUE(GetWindowLongW(input.Get(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    EXPECT_EQ(ClientRect(input.Get()), (RECT{0, 0, 378, 234}));
    ExpectCaptions(input.Get(), {{IDOK, "OK"}, {IDCANCEL, "Cancel"}});
    EXPECT_EQ(GetWindowLongW(input.Item(IDOK), GWL_STYLE) & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
    EXPECT_TRUE(GetWindowLongW(input.Item(IDC_MLINPUT_TEXT), GWL_STYLE) & ES_WANTRETURN);

    // The pages of the options sheet: the sheet shows their captions on its tabs.
    TResourceDialog sendTo("PROP_SENDTO", parent.get());
    ASSERT_NE(sendTo.Get(), nullptr);
    EXPECT_EQ(TextOf(sendTo.Get()), "Send To");
    EXPECT_TRUE(GetWindowLongW(sendTo.Get(), GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(TextOf(Children(sendTo.Get()).front()),
              "To enable Strandel Send To interface:\n"
              "Create a Shortcut for Strandel in your folder:\n"
              "C:\\Windows\\SendTo\n"
              "Then from File Manager right click over a file\n"
              "and choose: SendTo Strandel");
    ExpectCaptions(sendTo.Get(), {{IDC_SENDTO_NAME, "Create and copy file &name with path"},
                                  {IDC_SENDTO_LINE, "Create and copy a &line (header, filename, queue)"}});
    // The two choices are one group: choosing one clears the other.
    SendMessageW(sendTo.Item(IDC_SENDTO_LINE), BM_CLICK, 0, 0);
    SendMessageW(sendTo.Item(IDC_SENDTO_NAME), BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(sendTo.Get(), IDC_SENDTO_LINE), BST_UNCHECKED);

    TResourceDialog various("PROP_VARIOUSOPTIONS", parent.get());
    ASSERT_NE(various.Get(), nullptr);
    EXPECT_EQ(TextOf(various.Get()), "Various");
    ExpectCaptions(various.Get(), {{IDC_USETIP, "&Use ToolTip"}, {IDC_ASKSAVELIST, "Ask to &save a changed list on closing"}});
    EXPECT_EQ(TextOf(Children(various.Get())[2]), "&Extension for images (will be used in Auto Html Images)");
}

TEST(AboutDialog, ShowsIconNameVersionAndOk)
{
    const TWindowHandle parent = MakeParentWindow();
    TResourceDialog about("ABOUT_DLG", parent.get());
    ASSERT_NE(about.Get(), nullptr) << "error " << GetLastError();
    EXPECT_EQ(TextOf(about.Get()), "Tarvik Strandel");
    EXPECT_TRUE(GetWindowLongW(about.Get(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);

    EXPECT_EQ(ClientRect(about.Get()), (RECT{0, 0, 447, 399}));

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
