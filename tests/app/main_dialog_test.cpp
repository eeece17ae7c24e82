#include "app/base_dlg.h"
#include "app/my_app.h"
#include "app/my_window.h"
#include "app/program_state.h"
#include "app/settings_location.h"
#include "app/system_message.h"
#include "controls/notice_window.h"
#include "tips/tip_status_bar.h"
#include "tips/tool_tip.h"
#include "gen/output_writer.h"
#include "app/write_failure.h"
#include "framework/handles.h"
#include "main_dialog_fixture.h"
#include "support/input.h"
#include "support/menu_picker.h"
#include "support/message_log.h"

#include <filesystem>
#include <vector>

namespace {

TEST_F(MainDialog, FirstStartShowsTheDefaults)
{
    StartWith("");
    EXPECT_TRUE(Checked(IDC_PATH_FULL));
    EXPECT_FALSE(Checked(IDC_INVERTSLASH));
    EXPECT_EQ(ControlText(IDC_OUTFILE), DesktopOutput());
    EXPECT_EQ(ControlText(IDC_RELPATH), FolderOf(DesktopOutput()));
    EXPECT_EQ(ControlText(IDC_COUNTER), "0/0");
    EXPECT_EQ(MainStatusBar->GetShownText(), DesktopOutput());
    EXPECT_EQ(MainStatusBar->GetGadgetText(0), "Ready");
    EXPECT_EQ(TextOf(Frame->GetHandle()), "Tarvik Strandel");
    EXPECT_EQ(ClassOf(Frame->GetHandle()), "QZ_STRANDEL");
}

TEST_F(MainDialog, AFirstStartCreatesOnTheUsersDesktopUnlessAnotherOutputIsKept)
{
    const std::string output = DesktopOutput();
    const bool existed = std::filesystem::exists(output);
    const std::string before = existed ? ReadBytes(output) : "";
    StartWith("");
    DropOn(IDC_FILELIST, {"C:\\a.txt"});
    Command(IDM_CREATE);
    EXPECT_EQ(ReadBytes(output), "C:\\a.txt");
    if (existed)
        WriteBytes(output, before);
    else
        std::filesystem::remove(output);

    Frame.reset();
    StartWith("[Strandel]\r\nFileOutput=C:\\chosen\\out.txt\r\n");
    EXPECT_EQ(ControlText(IDC_OUTFILE), "C:\\chosen\\out.txt");

    // Where the old desktop folder is there, it is used.
    Frame.reset();
    ASSERT_TRUE(std::filesystem::create_directory("c:\\Windows\\Desktop"));
    StartWith("");
    EXPECT_EQ(ControlText(IDC_OUTFILE), "c:\\Windows\\Desktop\\QZScript.txt");
    std::filesystem::remove("c:\\Windows\\Desktop");
}

TEST_F(MainDialog, ControlsMirrorTheRecordBothWays)
{
    StartWith("[Strandel]\r\nCheckIndex=7\r\nInvertSlash=1\r\nMainHead=<  <UL>#QZ_BR#<LI>  >\r\n"
              "Header=<h>\r\nQueue=<q#QZ_BR#>\r\nFileOutput=C:\\Web\\index.htm\r\n");
    EXPECT_TRUE(Checked(IDC_PATH_FULL));
    EXPECT_TRUE(Checked(IDC_INVERTSLASH));
    EXPECT_EQ(ControlText(IDC_MAINHEAD), "<UL> /n <LI>");
    EXPECT_EQ(ControlText(IDC_HEADER), "h");
    EXPECT_EQ(ControlText(IDC_QUEUE), "q\r\n");
    EXPECT_EQ(ControlText(IDC_RELPATH), "C:\\Web\\");
    Dialog->ControlsToSettings();
    EXPECT_EQ(Dialog->Settings().CheckIndex, Full);

    Click(IDC_PATH_NOPATH);
    Click(IDC_SAVELOCAL);
    Dialog->ControlsToSettings();
    EXPECT_EQ(Dialog->Settings().CheckIndex, NoPath);
    EXPECT_TRUE(Dialog->Settings().SaveLocal);
    Dialog->Settings().CheckIndex = None;
    Dialog->SettingsToControls();
    EXPECT_TRUE(Checked(IDC_PATH_NONE));
    EXPECT_FALSE(Checked(IDC_PATH_NOPATH));
}

TEST_F(MainDialog, CreateOnAnEmptyListSaysSoAndLeavesTheOutputAlone)
{
    StartWith("");
    SetOutput(Dir.File("out.txt"));
    WriteBytes(Dir.File("out.txt"), "earlier output");
    TBoxAnswerer person;
    Command(IDM_CREATE);
    ASSERT_TRUE(person.Answered());
    EXPECT_EQ(person.Caption(), "Info");
    EXPECT_EQ(person.Text(), "Please Drag and Drop some files before using this command");
    EXPECT_EQ(ReadBytes(Dir.File("out.txt")), "earlier output");
}

// Each way an output file can fail to be written: the box says why in the system's words, names
// the file, says what to do, and nothing reports success.
TEST_F(MainDialog, CreateThatCannotWriteSaysWhyAndWhatToDo)
{
    StartWith("");
    Add({"C:\\a.txt"});
    Type(IDC_QUEUE, std::string(5000, 'q'));   // more than one buffer: the last writes fail too
    // A name no file can take (here a folder's; a read-only file is refused the same way, but not
    // to the super-user these tests may run as).
    const std::string folder = Dir.File("a folder");
    std::filesystem::create_directory(NativePath(folder));
    const std::string held = Dir.File("held.txt");
    WriteBytes(held, "kept");
    // Another program's hold: open, shared with nobody.
    TFileHandle holder(::CreateFileW(Wide(held).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder.IsOpen());
    const struct {
        const char* Case;
        std::string File;
        DWORD Error;
    } cases[] = {
        {"folder gone", Dir.File("no-such-folder\\out.txt"), ERROR_PATH_NOT_FOUND},
        {"no right to write", folder, ERROR_ACCESS_DENIED},
        {"held open by another program", held, ERROR_SHARING_VIOLATION},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        SetOutput(c.File);
        TBoxAnswerer person;
        Command(IDM_CREATE);
        ASSERT_TRUE(person.Answered());
        // A file another program holds is kept, and the program says where to close it.
        if (c.Error == ERROR_SHARING_VIOLATION) {
            EXPECT_EQ(person.Text(), OpenInAnotherProgramText(c.File));
        } else {
            EXPECT_EQ(person.Caption(), "Invalid output file name");
            EXPECT_EQ(person.Text(), CreateFailedMessage(c.File, c.Error));
            EXPECT_NE(person.Text().find(SystemMessage(c.Error)), std::string::npos);
        }
        EXPECT_EQ(CurrentNotice(), nullptr);
    }
    holder.Reset();
    EXPECT_EQ(ReadBytes(held), "kept");
}

TEST_F(MainDialog, CreateWritesLinesWithCrLfOnlyWhereTheQueueBreaks)
{
    StartWith("");
    SetOutput(Dir.File("out.bat"));
    Add({"C:\\Web\\img\\cat.gif", "C:\\Docs\\a.txt"});
    TypeAround("copy ", " D:\\bak\r\n");
    Click(IDC_PATH_NOPATH);
    Dialog->Settings().MainHead = "@echo off\r\n";
    Command(IDM_CREATE);
    EXPECT_EQ(ReadBytes(Dir.File("out.bat")), "@echo off\r\ncopy cat.gif D:\\bak\r\ncopy a.txt D:\\bak\r\n");

    Type(IDC_QUEUE, ";");
    Dialog->Settings().MainHead.clear();
    Command(IDM_CREATE);
    EXPECT_EQ(ReadBytes(Dir.File("out.bat")), "copy cat.gif;copy a.txt;");
}

TEST_F(MainDialog, CreateAndCopyPutsTheFileOnTheClipboard)
{
    StartWith("");
    SetOutput(Dir.File("list.htm"));
    Add({"C:\\Web\\img\\cat.gif", "C:\\Docs\\a.txt"});
    TypeAround("<LI>", "</LI>\r\n");
    Command(IDM_CREATEANDCOPY);
    EXPECT_EQ(ClipboardText(), ReadBytes(Dir.File("list.htm")));
    EXPECT_EQ(ClipboardText(), "<LI>C:\\Web\\img\\cat.gif</LI>\r\n<LI>C:\\Docs\\a.txt</LI>\r\n");

    // An output that cannot be made leaves the earlier file to be copied as it is.
    Dialog->FileListBox().ClearList();
    WriteBytes(Dir.File("list.htm"), "from before");
    TBoxAnswerer person;
    Command(IDM_CREATEANDCOPY);
    EXPECT_TRUE(person.Answered());
    EXPECT_EQ(ClipboardText(), "from before");
}

TEST_F(MainDialog, SetOutputFileTakesTheChosenNameAndItsFolder)
{
    StartWith("");
    const std::string chosen = Dir.File("chosen.htm");
    WriteBytes(chosen, "");
    {
        TBoxAnswerer person(IDOK, "File", 15000, [&](HWND box) {
            // The file name field: a combo box (cmb13) in the Explorer-style dialog.
            ::SetDlgItemTextW(box, 1148, Wide(chosen).c_str());
        });
        Command(IDM_SETOUTFILE);
        ASSERT_TRUE(person.Answered());
    }
    EXPECT_EQ(ControlText(IDC_OUTFILE), chosen);
    EXPECT_EQ(ControlText(IDC_RELPATH), Dir.Folder().string() + "\\");
    EXPECT_EQ(Dialog->Settings().RelPath, Dir.Folder().string() + "\\");

    TBoxAnswerer person(IDCANCEL, "File");
    Command(IDM_SETOUTFILE);
    ASSERT_TRUE(person.Answered());
    EXPECT_EQ(ControlText(IDC_OUTFILE), chosen);
}

// A name that does not exist yet: the dialog asks to create it, and Yes makes it the output file
// without creating anything yet.
TEST_F(MainDialog, ANewOutputFileIsChosenOnceTheDialogAsksToCreateIt)
{
    StartWith("");
    const std::string fresh = Dir.File("new output.txt");
    {
        TBoxAnswerer person(IDOK, "File", 15000,
                            [&](HWND box) { ::SetDlgItemTextW(box, 1148, Wide(fresh).c_str()); });
        TBoxAnswerer question(IDYES, "File", 15000, {}, "does not exist");
        Click(IDC_SETOUTFILE);
        ASSERT_TRUE(person.Answered());
        ASSERT_TRUE(question.Answered());
        EXPECT_EQ(question.Text(), fresh + "\nThis file does not exist.\nDo you want to create it?");
    }
    EXPECT_EQ(ControlText(IDC_OUTFILE), fresh);
    EXPECT_EQ(Dialog->Settings().RelPath, Dir.Folder().string() + "\\");
    EXPECT_FALSE(std::filesystem::exists(NativePath(fresh)));
    Add({"C:\\a.txt"});
    Command(IDM_CREATE);
    EXPECT_EQ(ReadBytes(fresh), "C:\\a.txt");
}

// The Header and the Queue say what they are for while empty and not focused: drawn grey in the
// field, never their text, never saved.
TEST_F(MainDialog, EmptyHeaderAndQueueShowGreyPlaceholdersThatAreNeverSaved)
{
    StartWith("");
    ::ShowWindow(Frame->GetHandle(), SW_SHOW);
    ::SetForegroundWindow(Frame->GetHandle());
    ::SetFocus(Control(IDC_FILELIST));
    auto greyIn = [&](int id) {
        ::RedrawWindow(Control(id), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        PumpMessages();
        const RECT field = ClientOnScreen(Control(id));
        const COLORREF grey = ::GetSysColor(COLOR_GRAYTEXT);
        int count = 0;
        for (int y = field.top; y < field.bottom; ++y)
            for (int x = field.left; x < field.left + 120 && x < field.right; ++x)
                count += ScreenPixel(Control(id), {x, y}) == grey;
        return count;
    };
    EXPECT_GT(greyIn(IDC_HEADER), 20);
    EXPECT_GT(greyIn(IDC_QUEUE), 20);
    EXPECT_EQ(ControlText(IDC_HEADER), "");

    ::SetFocus(Control(IDC_HEADER));   // the field being typed into shows nothing of it
    EXPECT_EQ(greyIn(IDC_HEADER), 0);
    ::SetFocus(Control(IDC_FILELIST));
    Type(IDC_QUEUE, "x");
    EXPECT_EQ(greyIn(IDC_QUEUE), 0);
    Type(IDC_QUEUE, "");
    EXPECT_GT(greyIn(IDC_QUEUE), 20);

    Frame->SendMessage(WM_CLOSE);
    const std::string ini = ReadBytes(WindowsFolderIni());
    EXPECT_NE(ini.find("Header=<>\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Queue=<>\r\n"), std::string::npos) << ini;
}

// A box about a very long name stays on the screen: the name shortened in its middle; Ctrl+C
// copies the whole text.
TEST_F(MainDialog, ABoxAboutAVeryLongNameStaysOnTheScreenAndCopiesTheWholeName)
{
    StartWith("");
    std::string name = "C:";
    for (int i = 0; i < 40; ++i)
        name += "\\folder_with_a_long_name_" + std::to_string(i);
    name += "\\end.txt";
    Add({name.c_str()});
    RECT box{};
    TBoxAnswerer person(IDNO, "Tarvik Strandel", 15000, [&](HWND shown) {
        box = WindowRect(shown);
        GiveKeyboardTo(shown);
        SendChord({VK_CONTROL, 'C'});
        ::Sleep(300);
    });
    Command(IDM_DISKDELETE);
    ASSERT_TRUE(person.Answered());
    EXPECT_GE(box.left, 0);
    EXPECT_LE(box.right, ScreenWidth());
    EXPECT_EQ(person.Text().rfind("Are you sure you want to move to the Recycle Bin:\nC:\\folder_with", 0), 0u);
    EXPECT_NE(person.Text().find("...", 40), std::string::npos);
    EXPECT_NE(person.Text().find("end.txt"), std::string::npos);
    const std::string copied = ClipboardText();
    EXPECT_NE(copied.find("Tarvik Strandel\r\n"), std::string::npos) << copied;
    EXPECT_NE(copied.find("Recycle Bin:\r\n" + name + "\r\n"), std::string::npos) << copied;
}

TEST_F(MainDialog, CopySelectedItemGivesTheNameInThePathMode)
{
    StartWith("");
    SetOutput("C:\\Web\\index.htm");
    Add({"C:\\Web\\img\\cat.gif", "C:\\Docs\\a.txt"});
    Dialog->FileListBox().SetSelIndex(-1);
    Click(IDC_PATH_RELATIVE);
    Click(IDC_INVERTSLASH);
    Command(IDM_COPYITEM);
    EXPECT_EQ(ClipboardText(), "img/cat.gif");
    EXPECT_EQ(Dialog->FileListBox().GetSelIndex(), 0);

    Dialog->FileListBox().SetSelIndex(1);
    TypeAround("QZ_GETSELINDEX QZ_GETCOUNT <", ">\r\n");
    Command(IDM_COPYITEMLINE);
    EXPECT_EQ(ClipboardText(), "1 0 <../Docs/a.txt>\r\n");
}

TEST_F(MainDialog, CopyCommandsOnAnEmptyListOnlySaySo)
{
    StartWith("");
    SetClipboardText("untouched");
    for (int command : {IDM_COPYITEM, IDM_COPYITEMLINE}) {
        TBoxAnswerer person(IDOK, "Info");
        Command(command);
        EXPECT_TRUE(person.Answered());
    }
    EXPECT_EQ(ClipboardText(), "untouched");
}

TEST_F(MainDialog, HandedOverRecordsAreReadWithinTheirLength)
{
    StartWith("");
    COPYDATASTRUCT none{0, 10, nullptr};
    EXPECT_EQ(Dialog->SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&none)), -1);

    char unterminated[] = {'C', ':', '\\', 'x', '.', 't', 'x', 't', 'J', 'U', 'N', 'K'};
    COPYDATASTRUCT shortRecord{0, 8, unterminated};
    EXPECT_EQ(Dialog->SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&shortRecord)), 1);
    EXPECT_EQ(ClipboardText(), "C:\\x.txt");

    std::string longName = "C:\\" + std::string(2500, 'l') + ".txt";
    COPYDATASTRUCT longRecord{0, static_cast<DWORD>(longName.size() + 1), longName.data()};
    EXPECT_EQ(Dialog->SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&longRecord)), 1);
    EXPECT_EQ(ClipboardText(), longName);
    EXPECT_EQ(Dialog->FileListBox().GetCount(), 0);
    EXPECT_EQ(PendingFile, "");
}

TEST_F(MainDialog, TheFrameHandsCopyDataToItsClient)
{
    StartWith("[Strandel]\r\nSendToIndex=1\r\nHeader=<[>\r\nQueue=<]#QZ_BR#>\r\nCheckIndex=2\r\n");
    std::string name = "C:\\Folder\\sent.txt";
    COPYDATASTRUCT record{0, static_cast<DWORD>(name.size() + 1), name.data()};
    EXPECT_EQ(Frame->SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record)), 1);
    EXPECT_EQ(ClipboardText(), "[sent.txt]\r\n");
    EXPECT_EQ(Frame->SendMessage(TMyWindow::HandOffMessage, 0, reinterpret_cast<LPARAM>(&record)), 0);
}

TEST_F(MainDialog, ClosingSavesTheFieldsAsTheyStand)
{
    StartWith("");
    TypeAround("  typed\r\nheader ", "pasted\nline");
    Click(IDC_PATH_NOPATH);
    Frame->SendMessage(WM_CLOSE);
    const std::string ini = ReadBytes(WindowsFolderIni());
    EXPECT_NE(ini.find("Header=<  typed#QZ_BR#header >"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Queue=<pasted#QZ_BR#line>"), std::string::npos) << ini;
    EXPECT_NE(ini.find("CheckIndex=2"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("ImageExt"), std::string::npos) << ini;
}

TEST_F(MainDialog, SettingsThatCannotBeSavedAreNotLostSilently)
{
    StartWith("");
    std::filesystem::create_directory(WindowsFolderIni());   // no file can be written there now
    {
        TBoxAnswerer person(IDNO, "Tarvik Strandel");
        Frame->SendMessage(WM_CLOSE);
        EXPECT_EQ(person.Text().rfind("The settings could not be saved in QZIni.ini", 0), 0u) << person.Text();
    }
    EXPECT_TRUE(::IsWindow(Frame->GetHandle()));
    {
        TBoxAnswerer person(IDYES, "Tarvik Strandel");
        Frame->SendMessage(WM_CLOSE);
        ASSERT_TRUE(person.Answered());
    }
    EXPECT_FALSE(::IsWindow(Frame->GetHandle()));
    std::filesystem::remove(WindowsFolderIni());
}

TEST_F(MainDialog, F1AnywhereAsksForTheHelpIndex)
{
    class TTestApp : public TMyApp {
    public:
        using TMyApp::InitMainWindow;
        using TMyApp::ProcessAppMsg;
    } app;
    ::DeleteFileW(Wide(WindowsFolderIni()).c_str());
    app.InitMainWindow();
    ASSERT_TRUE(app.GetMainWindow()->Create());
    HWND main = app.GetMainWindow()->GetHandle();
    MSG key{::GetDlgItem(static_cast<TMyWindow*>(app.GetMainWindow())->GetClient()->GetHandle(), IDC_HEADER),
            WM_KEYDOWN, VK_F1, 0, 0, {}};
    // The key is the help command wherever the focus is: here, with no help page beside the test,
    // the command says the page could not be opened.
    TBoxAnswerer person(IDOK, ProgramTitle, 15000, {}, "help page could not be opened");
    EXPECT_TRUE(app.ProcessAppMsg(key));
    EXPECT_TRUE(person.Answered());
    EXPECT_TRUE(::IsWindow(main));
}

// ---- hints, zoom, menus and dragging, as a person's pointer meets them ----

// What the tip says: it draws its window text.
std::string TipText()
{
    QZTToolTip* tip = GetToolTip();
    return tip ? tip->GetWindowText() : "";
}

// The control under the pointer shows its hint on the status line and, with tips on, its tip.
TEST_F(MainDialog, HoveringAControlShowsItsHintAndItsTipUnlessTipsAreOff)
{
    const struct {
        const char* Settings;
        int Id;
        const char* Hint;
        const char* Tip;
    } hovers[] = {
        {"[Strandel]\r\nUseTip=1\r\n", IDC_HEADER, "Header, will be placed before file name", "Header"},
        // The create button's tip has two lines.
        {"[Strandel]\r\nUseTip=1\r\n", IDC_CREATE, "Create output file containing header, files, queue",
         "Click here\nto create output"},
        {"[Strandel]\r\nUseTip=0\r\n", IDC_QUEUE, "Queue, will be placed after file name", ""},
    };
    for (const auto& hover : hovers) {
        SCOPED_TRACE(hover.Id);
        Frame.reset();
        StartWith(hover.Settings);
        ::SetForegroundWindow(Frame->GetHandle());
        PointerTo(Centre(Control(hover.Id)));
        EXPECT_EQ(MainStatusBar->GetShownText(), hover.Hint);
        EXPECT_EQ(TipText(), hover.Tip);
    }
}

TEST_F(MainDialog, TheDisabledRelPathFieldHasItsHintFromTheDialog)
{
    StartWith("");
    ::SetForegroundWindow(Frame->GetHandle());
    PointerTo(Centre(Control(IDC_RELPATH)));
    EXPECT_EQ(MainStatusBar->GetShownText(), "Relative path, drag a folder here to change");
    EXPECT_EQ(TipText(), "Rel Path");

    // A free spot of the dialog: the hint goes and the status line shows the output file again.
    const RECT field = WindowRect(Control(IDC_RELPATH));
    PointerTo({field.left - 4, field.bottom + 2});
    EXPECT_EQ(MainStatusBar->GetShownText(), DesktopOutput());
}

TEST_F(MainDialog, MenuHintsKeepToTheStatusLineAndAnInactiveWindowShowsNone)
{
    StartWith("");
    ::SetForegroundWindow(Frame->GetHandle());
    PointerTo({10, 10}, TEcho::None);
    HMENU menu = ::GetMenu(Frame->GetHandle());
    Dialog->SendMessage(WM_MENUSELECT, MAKEWPARAM(IDM_CREATE, 0), reinterpret_cast<LPARAM>(menu));
    EXPECT_EQ(MainStatusBar->GetShownText(), "Create output file containing header, files, queue");
    EXPECT_EQ(TipText(), "");

    HWND other = ::CreateWindowExW(0, L"Static", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                                   nullptr, nullptr, nullptr, nullptr);
    ::SetForegroundWindow(other);
    ::SetActiveWindow(other);
    PointerTo({12, 12}, TEcho::None);
    Dialog->SendMessage(WM_MENUSELECT, MAKEWPARAM(IDC_HEADER, 0), 0);
    EXPECT_EQ(MainStatusBar->GetShownText(), DesktopOutput());
    ::DestroyWindow(other);
}

TEST_F(MainDialog, ResizingTheWindowZoomsTheWholeDialog)
{
    StartWith("");
    const RECT listBefore = WindowRect(Control(IDC_FILELIST));
    const RECT frame = Frame->GetWindowRect();
    RECT client = Dialog->GetClientRect();
    // Twice the dialog's size: the bars keep their heights.
    ::SetWindowPos(Frame->GetHandle(), nullptr, 0, 0, frame.right - frame.left + client.right,
                   frame.bottom - frame.top + client.bottom, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
    const RECT listAfter = WindowRect(Control(IDC_FILELIST));
    EXPECT_NEAR(listAfter.right - listAfter.left, 2 * (listBefore.right - listBefore.left), 2);
    EXPECT_NEAR(listAfter.bottom - listAfter.top, 2 * (listBefore.bottom - listBefore.top), 2);
    EXPECT_EQ(Dialog->GetClientRect().right, 2 * client.right);
}

TEST_F(MainDialog, ARightClickOnTheListOpensItsMenuForTheEntryUnderThePointer)
{
    StartWith("[Strandel]\r\nCheckIndex=2\r\n");
    Add({"C:\\a\\first.txt", "C:\\b\\second.txt"});
    ::SetForegroundWindow(Frame->GetHandle());
    RECT item{};
    ::SendMessageW(Control(IDC_FILELIST), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    POINT onItem{item.left + 10, (item.top + item.bottom) / 2};
    ::ClientToScreen(Control(IDC_FILELIST), &onItem);
    {
        TMenuPicker person(1);   // "Copy selected item", once the menu is up
        ClickOver(Control(IDC_FILELIST), TMouseButton::Right, onItem);
    }
    PumpMessages();
    EXPECT_EQ(Dialog->FileListBox().GetSelIndex(), 1);
    EXPECT_EQ(ClipboardText(), "second.txt");
    EXPECT_EQ(ControlText(IDC_COUNTER), "2/2");
}

TEST_F(MainDialog, PressingAFreeSpotDragsTheMainWindow)
{
    StartWith("");
    TMessageLog presses(Frame->GetHandle(), {WM_NCLBUTTONDOWN});
    MainStatusBar->ShowHint("a hint");
    // The system's move loop ends at the button's release.
    ::PostMessageW(Frame->GetHandle(), WM_LBUTTONUP, 0, 0);
    const RECT field = WindowRect(Control(IDC_RELPATH));
    POINT freeSpot{field.left - 4, field.bottom + 2};
    ::ScreenToClient(Dialog->GetHandle(), &freeSpot);
    Dialog->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(freeSpot.x, freeSpot.y));
    constexpr TExpectedMessage captionPress[] = {{WM_NCLBUTTONDOWN, WParamIs, HTCAPTION}};
    EXPECT_TRUE(HoldsSequence(presses, captionPress));
    EXPECT_EQ(MainStatusBar->GetShownText(), DesktopOutput());
}

TEST(SettingsLocation, FallsBackToTheUserFolderWhereWindowsCannotBeWritten)
{
    TTempDir dir;
    EXPECT_EQ(ChooseSettingsFileName("QZIni.ini", dir.Folder().string(), dir.File("user")), "QZIni.ini");
    const std::string unwritable = dir.File("no-such-windows-folder");
    EXPECT_EQ(ChooseSettingsFileName("QZIni.ini", unwritable, dir.File("user")), dir.File("user") + "\\QZIni.ini");
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("user")));
}

} // namespace
