// The main dialog as a screen reader reads it: every control's name and role through
// AccessibleObjectFromWindow, asked from inside the program as an in-process reader asks.
#include "main_dialog_fixture.h"
#include "support/timer_script.h"

#include <oleacc.h>
#include <prsht.h>

namespace {

struct TReadControl {
    int Id;
    const char* Name;
    long Role;
};

// What a person hears for each control: its caption, its tip's words, or the label before it.
const TReadControl MainDialogControls[] = {
    {IDC_FILELIST, "Drag & Drop files", ROLE_SYSTEM_LIST},
    {IDC_DELETE, "Del", ROLE_SYSTEM_PUSHBUTTON},
    {IDC_MOVEUP, "Up", ROLE_SYSTEM_PUSHBUTTON},
    {IDC_MOVEDOWN, "Down", ROLE_SYSTEM_PUSHBUTTON},
    {IDC_HEADER, "Header", ROLE_SYSTEM_TEXT},
    {IDC_QUEUE, "Queue", ROLE_SYSTEM_TEXT},
    {IDC_PATH_FULL, "Full Paht", ROLE_SYSTEM_RADIOBUTTON},
    {IDC_PATH_RELATIVE, "Relative Path", ROLE_SYSTEM_RADIOBUTTON},
    {IDC_PATH_NOPATH, "No Path", ROLE_SYSTEM_RADIOBUTTON},
    {IDC_PATH_NONE, "None", ROLE_SYSTEM_RADIOBUTTON},
    {IDC_SETOUTFILE, "OutFile", ROLE_SYSTEM_PUSHBUTTON},
    {IDC_OUTFILE, "Output file (drag)", ROLE_SYSTEM_TEXT},
    {IDC_SETMAINHEAD, "MainHead", ROLE_SYSTEM_PUSHBUTTON},
    {IDC_MAINHEAD, "Main header", ROLE_SYSTEM_TEXT},
    {IDC_SETMAINQUEUE, "MainQueue", ROLE_SYSTEM_PUSHBUTTON},
    {IDC_MAINQUEUE, "Main queue", ROLE_SYSTEM_TEXT},
    {IDC_INVERTSLASH, "Invert slash (\\ become /)", ROLE_SYSTEM_CHECKBUTTON},
    {IDC_SAVELOCAL, "Local info in template", ROLE_SYSTEM_CHECKBUTTON},
    {IDC_CREATE, "Create", ROLE_SYSTEM_PUSHBUTTON},
    {IDC_VIEW, "View +", ROLE_SYSTEM_PUSHBUTTON},
    {IDC_SETRELPATH, "RelPath", ROLE_SYSTEM_PUSHBUTTON},
    {IDC_AUTODRAG, "Auto Drag", ROLE_SYSTEM_PUSHBUTTON},
    {IDC_RELPATH, "Relative Path", ROLE_SYSTEM_TEXT},
};

std::string Read(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*getter)(VARIANT, BSTR*))
{
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (FAILED((object->*getter)(self, &text)) || !text)
        return {};
    std::string read = Narrow(std::wstring(text, ::SysStringLen(text)));
    ::SysFreeString(text);
    return read;
}

class ScreenReader : public MainDialog {
protected:
    void SetUp() override
    {
        MainDialog::SetUp();
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        StartWith("[Strandel]\r\nAskSaveList=0\r\n");
    }
    void TearDown() override
    {
        MainDialog::TearDown();
        ::CoUninitialize();
    }
    IAccessible* ObjectOf(HWND control)
    {
        IAccessible* object = nullptr;
        if (FAILED(::AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&object))))
            return nullptr;
        return object;
    }
    // The control's name and role, as a screen reader asks for them.
    void ExpectRead(HWND parent, const TReadControl& expected)
    {
        IAccessible* object = ObjectOf(::GetDlgItem(parent, expected.Id));
        ASSERT_NE(object, nullptr) << "no accessible object for control " << expected.Id;
        EXPECT_EQ(Read(object, &IAccessible::get_accName), expected.Name) << expected.Id;
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        VARIANT role{};
        EXPECT_EQ(object->get_accRole(self, &role), S_OK) << expected.Id;
        EXPECT_EQ(role.lVal, expected.Role) << expected.Id;
        object->Release();
    }
};

} // namespace

TEST_F(ScreenReader, EveryControlHasANameAndARole)
{
    for (const TReadControl& expected : MainDialogControls)
        ExpectRead(Dialog->GetHandle(), expected);
}

// The windows the program opens over the main one: the options sheet's pages and its buttons,
// the input dialog, each read while it is open.
TEST_F(ScreenReader, TheOptionsSheetAndTheInputDialogAreReadToo)
{
    struct TOpenWindow {
        int Command;
        const char* Caption;
        std::vector<std::pair<int, TReadControl>> Controls;   // page (-1: the window itself), control
    };
    const TOpenWindow windows[] = {
        {IDM_OPTIONS, "Options",
         {{0, {IDC_SENDTO_NAME, "Create and copy file name with path", ROLE_SYSTEM_RADIOBUTTON}},
          {0, {IDC_SENDTO_LINE, "Create and copy a line (header, filename, queue)", ROLE_SYSTEM_RADIOBUTTON}},
          {1, {IDC_USETIP, "Use ToolTip", ROLE_SYSTEM_CHECKBUTTON}},
          {1, {IDC_ASKSAVELIST, "Ask to save a changed list on closing", ROLE_SYSTEM_CHECKBUTTON}},
          {1, {IDC_IMAGEEXT, "Extension for images (will be used in Auto Html Images)", ROLE_SYSTEM_TEXT}},
          {-1, {IDOK, "OK", ROLE_SYSTEM_PUSHBUTTON}},
          {-1, {IDCANCEL, "Cancel", ROLE_SYSTEM_PUSHBUTTON}}}},
        {IDM_SETMAINHEAD, MainHeadCaption,
         {{-1, {IDC_MLINPUT_TEXT, MainHeadCaption, ROLE_SYSTEM_TEXT}},
          {-1, {IDOK, "OK", ROLE_SYSTEM_PUSHBUTTON}},
          {-1, {IDCANCEL, "Cancel", ROLE_SYSTEM_PUSHBUTTON}}}},
    };
    for (const TOpenWindow& opened : windows) {
        SCOPED_TRACE(opened.Caption);
        bool read = false;
        TTimerScript script(
            {[&](int) {
                HWND window = ::FindWindowW(nullptr, Wide(opened.Caption).c_str());
                if (!window || !::IsWindowVisible(window))
                    return false;
                for (const auto& [page, expected] : opened.Controls) {
                    HWND parent = window;
                    if (page >= 0) {
                        ::SendMessageW(window, PSM_SETCURSEL, static_cast<WPARAM>(page), 0);
                        parent = reinterpret_cast<HWND>(::SendMessageW(window, PSM_GETCURRENTPAGEHWND, 0, 0));
                    }
                    ExpectRead(parent, expected);
                }
                read = true;
                ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
                return true;
            }},
            [](const std::string& why) { ADD_FAILURE() << why; });
        Command(opened.Command);
        script.PumpUntilEnded();
        EXPECT_TRUE(read);
    }
}

// The tip's status line is the description; the letter of a button is its shortcut; a checked
// radio says so; a field's value is its text.
TEST_F(ScreenReader, DescriptionsShortcutsStatesAndValues)
{
    IAccessible* create = ObjectOf(Control(IDC_CREATE));
    ASSERT_NE(create, nullptr);
    EXPECT_EQ(Read(create, &IAccessible::get_accDescription), "Create output file containing header, files, queue");
    EXPECT_EQ(Read(create, &IAccessible::get_accKeyboardShortcut), "Alt+C");
    create->Release();

    Click(IDC_PATH_NOPATH);
    IAccessible* radio = ObjectOf(Control(IDC_PATH_NOPATH));
    ASSERT_NE(radio, nullptr);
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT state{};
    ASSERT_EQ(radio->get_accState(self, &state), S_OK);
    EXPECT_TRUE(state.lVal & STATE_SYSTEM_CHECKED);
    radio->Release();

    SetOutput("C:\\out\\made.txt");
    IAccessible* output = ObjectOf(Control(IDC_OUTFILE));
    ASSERT_NE(output, nullptr);
    EXPECT_EQ(Read(output, &IAccessible::get_accValue), "C:\\out\\made.txt");
    output->Release();
}

// The counter's new text is announced: a screen reader's hook hears the name change.
TEST_F(ScreenReader, TheCounterAnnouncesItsChange)
{
    static std::vector<HWND> changed;
    changed.clear();
    HWINEVENTHOOK hook = ::SetWinEventHook(
        EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
        [](HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD) {
            if (object == OBJID_CLIENT)
                changed.push_back(window);
        },
        ::GetCurrentProcessId(), ::GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    Add({"C:\\a.txt", "C:\\b.txt"});
    PumpMessages();
    ::UnhookWinEvent(hook);
    EXPECT_NE(std::find(changed.begin(), changed.end(), Control(IDC_COUNTER)), changed.end());
}
