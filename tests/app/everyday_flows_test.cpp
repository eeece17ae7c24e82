// What a person does every day with the main window, each flow once and whole: the tool bar,
// the commands of the menus that open or leave something, the notices inside commands, the
// font dialog left with Cancel.
#include "app/program_names.h"
#include "app/program_state.h"
#include "controls/notice_window.h"
#include "framework/font.h"
#include "main_dialog_fixture.h"
#include "support/input.h"
#include "support/menu_picker.h"
#include "support/notice_watch.h"
#include "tips/tip_status_bar.h"

#include <commctrl.h>
#include <shlobj.h>

#include <chrono>
#include <filesystem>

namespace {

using namespace std::chrono_literals;

// How long a call takes, on the steady clock.
template <class TCall>
std::chrono::milliseconds Timed(TCall call)
{
    const auto start = std::chrono::steady_clock::now();
    call();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
}

// A top-level window of another process, closed by the test that caused it, by its process id.
void CloseProcessOf(HWND window)
{
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    HANDLE handle = ::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, process);
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    if (handle && ::WaitForSingleObject(handle, 10000) == WAIT_TIMEOUT)
        ::TerminateProcess(handle, 1);
    if (handle)
        ::CloseHandle(handle);
}

class EverydayFlows : public MainDialog {
protected:
    HWND ToolBar() const { return ::FindWindowExW(Frame->GetHandle(), nullptr, TOOLBARCLASSNAMEW, nullptr); }
    // What the status line shows.
    std::string StatusLine() const
    {
        HWND bar = ::FindWindowExW(Frame->GetHandle(), nullptr, STATUSCLASSNAMEW, nullptr);
        wchar_t text[512] = L"";
        ::SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
        return Narrow(text);
    }
};

TEST_F(EverydayFlows, TheToolBarOffersItsCommandsInOrderWithTheirHintsAndFont)
{
    StartWith("");
    const HWND bar = ToolBar();
    ASSERT_NE(bar, nullptr);
    // Create, View, Execute | Html images, Html link, Preview | Clear list; 0 for a separator.
    const struct {
        int Command;
        const char* StatusLine;
    } gadgets[] = {
        {IDM_CREATE, "Create output file containing header, files, queue"},
        {IDM_VIEW, "Open last created output with Notepad"},
        {IDM_EXECUTE, "Try to launch output file using Windows assocation"},
        {0, ""},
        {IDM_HTMLIMAGES, "Create html temp file for images, and launch it"},
        {IDM_HTMLLINK, "Create html temp file with links, and launch it"},
        {IDM_PREVIEW, "Show the output file as Create would write it, while you edit"},
        {0, ""},
        {IDM_CLEARLIST, "Clear file list"},
    };
    ASSERT_EQ(::SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), static_cast<LRESULT>(std::size(gadgets)));
    for (int i = 0; i < static_cast<int>(std::size(gadgets)); ++i) {
        SCOPED_TRACE("gadget " + std::to_string(i));
        TBBUTTON button{};
        ::SendMessageW(bar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ((button.fsStyle & TBSTYLE_SEP) != 0, gadgets[i].Command == 0);
        if (gadgets[i].Command == 0)
            continue;
        EXPECT_EQ(button.idCommand, gadgets[i].Command);
        // The pointer entering the button shows its hint's first line.
        RECT place{};
        ::SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&place));
        ::SendMessageW(bar, WM_MOUSEMOVE, 0, MAKELPARAM(Centre(place).x, Centre(place).y));
        EXPECT_EQ(StatusLine(), gadgets[i].StatusLine);
    }

    // Its text is a 10-point MS Sans Serif.
    LOGFONTW font{};
    ASSERT_EQ(::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(bar, WM_GETFONT, 0, 0)), sizeof font, &font),
              static_cast<int>(sizeof font));
    EXPECT_EQ(FaceName(font), "MS Sans Serif");
    EXPECT_EQ(font.lfHeight, -13);   // 10 points at 96 dots per inch

    // A press on Clear list empties the list.
    Add({"a.txt", "b.txt"});
    RECT clear{};
    ::SendMessageW(bar, TB_GETITEMRECT, std::size(gadgets) - 1, reinterpret_cast<LPARAM>(&clear));
    POINT middle = Centre(clear);
    ::ClientToScreen(bar, &middle);
    ClickOver(bar, TMouseButton::Left, middle);
    PumpMessages();
    EXPECT_EQ(ControlText(IDC_COUNTER), "0/0");
}

TEST_F(EverydayFlows, ExitClosesTheWindowAndKeepsWhatTheFieldsShow)
{
    StartWith("");
    TypeAround("<kept>", "</kept>");
    const HWND frame = Frame->GetHandle();
    Command(IDM_EXIT);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(frame); }, 10000));
    const std::string ini = ReadBytes(WindowsFolderIni());
    EXPECT_NE(ini.find("Header=<<kept>>"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Queue=<</kept>>"), std::string::npos) << ini;
}

TEST_F(EverydayFlows, ConnectToWebPageCopiesTheAddressAndSaysSoForTwoSeconds)
{
    StartWith("");
    SetClipboardText("before");
    TNoticeWatch notices;
    const auto took = Timed([&] { Command(IDM_WEBPAGE); });
    EXPECT_EQ(ClipboardText(), HomePageAddress);
    ASSERT_EQ(notices.Seen.size(), 1u);
    EXPECT_EQ(notices.Seen[0].Caption, ProgramTitle);
    EXPECT_EQ(notices.Seen[0].Text, "URL copyed into Clipboard");
    EXPECT_GE(took, 2000ms);
    EXPECT_EQ(CurrentNotice(), nullptr);
}

TEST_F(EverydayFlows, ClickingAutoDragItselfTellsWhatItIsFor)
{
    StartWith("");
    TBoxAnswerer person(IDOK, ProgramTitle);
    ClickOver(Control(IDC_AUTODRAG), TMouseButton::Left, Centre(Control(IDC_AUTODRAG)));
    ASSERT_TRUE(person.Answered());
    EXPECT_EQ(person.Text(), "Drag a single file over Auto Drag button for special settings:\n\n"
                             "1) Copy Relative Path and File Name into Clipboard\n"
                             "2) Create a single line (head, file, queue), and copy it\n"
                             "3) Set Relative Path different from Output File\n"
                             "4) Set Output File");
}

TEST_F(EverydayFlows, CreateDropsDownItsMenuAndCreateAndCopySaysWhereToLook)
{
    StartWith("");
    SetOutput(Dir.File("list.txt"));
    Add({"C:\\Docs\\a.txt"});
    TypeAround("<", ">\r\n");
    TNoticeWatch notices;
    {
        TMenuPicker person(2);   // the second item: Create and copy
        ClickOver(Control(IDC_CREATE), TMouseButton::Left, Centre(Control(IDC_CREATE)));
        EXPECT_TRUE(person.Opened());
        // Under the button, from its bottom-left corner.
        const RECT button = ClientOnScreen(Control(IDC_CREATE));
        EXPECT_EQ(person.MenuRect().left, button.left);
        EXPECT_EQ(person.MenuRect().top, button.bottom);
    }
    PumpUntil([&] { return ClipboardText() == "<C:\\Docs\\a.txt>\r\n"; }, 10000);
    EXPECT_EQ(ReadBytes(Dir.File("list.txt")), "<C:\\Docs\\a.txt>\r\n");
    EXPECT_EQ(ClipboardText(), "<C:\\Docs\\a.txt>\r\n");
    const TNoticeWatch::TSeen created{ProgramTitle, "Click view to see created file"};
    EXPECT_EQ(notices.Seen, std::vector<TNoticeWatch::TSeen>{created});
}

TEST_F(EverydayFlows, ANameHandedOverIsCopiedAfterItsNotice)
{
    StartWith("[Strandel]\r\nCheckIndex=0\r\nSendToIndex=0\r\n");
    const std::string name = Dir.File("sent.txt");
    WriteBytes(name, "x");
    SetClipboardText("before");
    TNoticeWatch notices;
    COPYDATASTRUCT record{0, static_cast<DWORD>(name.size() + 1), const_cast<char*>(name.c_str())};
    const auto took = Timed([&] { Frame->SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record)); });
    EXPECT_EQ(ClipboardText(), name);
    const TNoticeWatch::TSeen copying{"Copying...", name};
    EXPECT_EQ(notices.Seen, std::vector<TNoticeWatch::TSeen>{copying});
    EXPECT_GE(took, 600ms);
}

TEST_F(EverydayFlows, ViewOpensTheOutputInNotepadAndExecuteRunsIt)
{
    StartWith("");
    const std::string marker = Dir.File("ran.txt");
    const std::string script = Dir.File("run me.bat");
    WriteBytes(script, "echo ran> \"" + marker + "\"\r\n");
    SetOutput(script);

    Command(IDM_VIEW);
    HWND notepad = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (notepad = ::FindWindowW(L"Notepad", nullptr)) != nullptr; }, 30000, 100));
    PumpUntil([&] { return TextOf(notepad).find("run me.bat") != std::string::npos; }, 10000, 100);
    EXPECT_NE(TextOf(notepad).find("run me.bat"), std::string::npos) << TextOf(notepad);
    CloseProcessOf(notepad);

    Command(IDM_EXECUTE);
    EXPECT_TRUE(PumpUntil([&] { return std::filesystem::exists(std::filesystem::path(Wide(marker))); }, 30000, 100));
}

TEST_F(EverydayFlows, APageThatCannotGoBesideTheProgramGoesToTheUsersFolder)
{
    StartWith("");
    wchar_t appData[MAX_PATH] = L"";
    ASSERT_TRUE(SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData)));
    const std::string page = Narrow(appData) + "\\Strandel\\dragtmp.htm";
    ::DeleteFileW(Wide(page).c_str());
    const std::string kept = ProgramFolder;
    ProgramFolder = Dir.File("no such folder") + "\\";
    Add({"C:\\Docs\\a.txt"});
    Command(IDM_HTMLLINK);
    ProgramFolder = kept;
    EXPECT_NE(ReadBytes(page).find("Click here to open: a.txt"), std::string::npos);
    ::DeleteFileW(Wide(page).c_str());
}

// The font dialog offers the effects too; left with Cancel, nothing is written and no restart is
// asked for.
TEST_F(EverydayFlows, ChangeFontLeftWithCancelWritesNothing)
{
    const std::string settings = "[Strandel]\r\nlfHeight=-16\r\n";
    StartWith(settings);
    bool effects = false;
    {
        TBoxAnswerer person(IDCANCEL, "Font", 15000, [&](HWND box) {
            effects = ::GetDlgItem(box, 1041) && ::IsWindowVisible(::GetDlgItem(box, 1041));   // Underline
        });
        Frame->SendMessage(WM_COMMAND, IDM_CHANGEFONT, 0);
        ASSERT_TRUE(person.Answered());
    }
    EXPECT_TRUE(effects);
    EXPECT_EQ(FindShownWindow(::GetCurrentProcessId(), "#32770", ProgramTitle), nullptr);
    EXPECT_EQ(ReadBytes(WindowsFolderIni()), settings);
}

} // namespace
