// The main window's drop targets and commands as a person uses them: real drop handles at
// real points, the questions answered as a person would, real files and the real clipboard.
#include "app/program_font.h"
#include "app/program_state.h"
#include "framework/font.h"
#include "main_dialog_fixture.h"
#include "tips/tool_tip.h"
#include "support/menu_picker.h"
#include "support/message_log.h"

#include <prsht.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace {

using Names = std::vector<std::string>;

class WindowCommands : public MainDialog {
protected:
    // A real file in the test's folder, holding its own name.
    std::string MakeFile(const std::string& name) const
    {
        WriteBytes(Dir.File(name), name);
        return Dir.File(name);
    }
    std::string Folder() const { return Dir.Folder().string(); }
    // The font the dialog's fields show, and its description.
    HFONT ShownFontHandle() const { return reinterpret_cast<HFONT>(::SendMessageW(Control(IDC_HEADER), WM_GETFONT, 0, 0)); }
    LOGFONTW ShownFont() const
    {
        LOGFONTW shown{};
        ::GetObjectW(ShownFontHandle(), sizeof shown, &shown);
        return shown;
    }
    // The height of a font's letters on the screen.
    static int LetterHeight(HFONT font)
    {
        TClientDC screen(nullptr);
        TSelectObject selected(screen, font);
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(screen, &metrics);
        return metrics.tmHeight - metrics.tmInternalLeading;
    }
};

TEST_F(WindowCommands, DropsLandInTheListAfterTheSelectedEntry)
{
    StartWith("");
    DropOn(IDC_FILELIST, {"C:\\only.txt"});
    EXPECT_EQ(ControlText(IDC_COUNTER), "1/1");
    Dialog->FileList().Clear();

    Add({"1", "2", "3", "4", "5"});
    Dialog->FileListBox().SetSelIndex(1);
    DropOn(IDC_FILELIST, {"a", "b", "c"});
    EXPECT_EQ(Entries(), (Names{"1", "2", "a", "b", "c", "3", "4", "5"}));
    EXPECT_EQ(ControlText(IDC_COUNTER), "5/8");

    // Every spot that is no special target takes files into the list, and so do the output
    // targets when more than one file arrives; several files on Auto Drag do nothing.
    DropOn(IDC_HEADER, {"h"});
    DropAt({2, 2}, {"free spot"});
    DropOn(IDC_OUTFILE, {"x", "y"});
    DropOn(IDC_AUTODRAG, {"p", "q"});
    EXPECT_EQ(Entries(), (Names{"1", "2", "a", "b", "c", "h", "free spot", "x", "y", "3", "4", "5"}));
    EXPECT_EQ(ControlText(IDC_COUNTER), "9/12");
    EXPECT_EQ(ControlText(IDC_OUTFILE), DesktopOutput());
}

TEST_F(WindowCommands, OneFileOnTheOutputTargetsSetsTheOutputOnlyWhenTheUserAgrees)
{
    StartWith("");
    const std::string file = MakeFile("new output.htm");
    {
        TBoxAnswerer person(IDNO, "Warning");
        DropOn(IDC_OUTFILE, {file});
        ASSERT_TRUE(person.Answered());
        EXPECT_EQ(person.Text(), "Do you want set Output file to:\n\n" + file + "\n\nWarning: the file will be overwritten!");
        EXPECT_EQ(person.DefaultButton(), IDNO);
    }
    EXPECT_EQ(ControlText(IDC_OUTFILE), DesktopOutput());
    {
        TBoxAnswerer person(IDYES, "Warning");
        DropOn(IDC_SETOUTFILE, {file});
        ASSERT_TRUE(person.Answered());
    }
    EXPECT_EQ(ControlText(IDC_OUTFILE), file);
    EXPECT_EQ(ControlText(IDC_RELPATH), Folder() + "\\");
    EXPECT_EQ(ReadBytes(file), "new output.htm");
    EXPECT_EQ(PendingFile, "");
    EXPECT_EQ(Dialog->FileList().Count(), 0);
}

TEST_F(WindowCommands, AFolderOrAFilesFolderOnTheRelativeTargetsSetsTheRelativePath)
{
    StartWith("");
    {
        TBoxAnswerer person(IDNO, "Tarvik Strandel");
        DropOn(IDC_SETOUTFILE, {Folder()});
        ASSERT_TRUE(person.Answered());
        EXPECT_EQ(person.Text(), "Do you want set Relative path to:\n\n" + Folder() + "\\ ?");
    }
    EXPECT_EQ(ControlText(IDC_RELPATH), FolderOf(DesktopOutput()));
    {
        TBoxAnswerer person(IDYES, "Tarvik Strandel");
        DropOn(IDC_PATH_RELATIVE, {MakeFile("f.txt")});
        ASSERT_TRUE(person.Answered());
        EXPECT_EQ(person.Text(), "Do you want set Relative path to:\n\n" + Folder() + "\\ ?");
    }
    EXPECT_EQ(ControlText(IDC_RELPATH), Folder() + "\\");
    EXPECT_EQ(Dialog->Settings().RelPath, Folder() + "\\");

    // The Rel Path field is disabled: it is found by its rectangle.
    const std::string sub = Dir.File("sub") + "\\";
    std::filesystem::create_directory(Dir.File("sub"));
    {
        TBoxAnswerer person(IDYES, "Tarvik Strandel");
        DropOn(IDC_RELPATH, {sub});
        ASSERT_TRUE(person.Answered());
    }
    EXPECT_EQ(ControlText(IDC_RELPATH), sub);
    EXPECT_EQ(ControlText(IDC_OUTFILE), DesktopOutput());
    EXPECT_EQ(Dialog->FileList().Count(), 0);
}

TEST_F(WindowCommands, OneFileOnAutoDragOffersItsMenuForThatFile)
{
    StartWith("[Strandel]\r\nFileOutput=C:\\Web\\index.htm\r\nCheckIndex=1\r\nInvertSlash=1\r\n"
              "Header=<[>\r\nQueue=<]#QZ_BR#>\r\n");
    ::SetForegroundWindow(Frame->GetHandle());
    Add({"C:\\kept.txt"});

    auto dropAndPick = [&](const std::string& name, int downs) {
        {
            TMenuPicker person(downs);
            DropOn(IDC_AUTODRAG, {name});
        }
        PumpMessages();
    };
    dropAndPick("C:\\Web\\img\\cat.gif", 2);   // Help, Copy
    EXPECT_EQ(ClipboardText(), "img/cat.gif");
    dropAndPick("C:\\Docs\\a.txt", 3);         // ..., Create and copy
    EXPECT_EQ(ClipboardText(), "[../Docs/a.txt]\r\n");
    EXPECT_EQ(PendingFile, "");
    {
        TBoxAnswerer person(IDOK, "Tarvik Strandel");
        dropAndPick(Folder(), 5);              // ..., Set Relative Path, Set Output File
        EXPECT_EQ(person.Text(), "Can't set a Folder like Output File\nPlease select a file");
    }
    {
        TBoxAnswerer person(IDOK, "Tarvik Strandel");
        dropAndPick("C:\\any.txt", 1);
        EXPECT_EQ(person.Text().substr(0, 61), "Drag a single file over Auto Drag button for special settings");
    }
    EXPECT_EQ(Entries(), Names{"C:\\kept.txt"});
    EXPECT_EQ(ControlText(IDC_OUTFILE), "C:\\Web\\index.htm");
}

TEST_F(WindowCommands, TheListButtonsMoveAndDeleteTheSelectedEntry)
{
    StartWith("");
    {
        TBoxAnswerer person(IDOK, "Info");
        Click(IDC_DELETE);
        EXPECT_EQ(person.Text(), "Please Drag and Drop some files before using this command");
    }
    Add({"a", "b", "c"});
    Dialog->FileListBox().SetSelIndex(1);
    Click(IDC_MOVEUP);
    EXPECT_EQ(Entries(), (Names{"b", "a", "c"}));
    EXPECT_EQ(ControlText(IDC_COUNTER), "1/3");
    Click(IDC_MOVEDOWN);
    Click(IDC_MOVEDOWN);
    EXPECT_EQ(Entries(), (Names{"a", "c", "b"}));
    Click(IDC_DELETE);
    EXPECT_EQ(Entries(), (Names{"a", "c"}));
    EXPECT_EQ(ControlText(IDC_COUNTER), "2/2");
    Command(IDM_CLEARLIST);
    EXPECT_EQ(ControlText(IDC_COUNTER), "0/0");
}

TEST_F(WindowCommands, SaveListClearAndOpenListGiveTheSameEntriesBack)
{
    StartWith("");
    const std::string list = Dir.File("saved.lst");
    auto typeName = [&](HWND box) { ::SetDlgItemTextW(box, 1148, Wide(list).c_str()); };
    Add({"C:\\a.txt", "D:\\b c\\d.txt"});
    {
        TBoxAnswerer person(IDOK, "Save List", 15000, typeName);
        Command(IDM_SAVELIST);
        ASSERT_TRUE(person.Answered());
    }
    EXPECT_EQ(ReadBytes(list), "C:\\a.txt\r\nD:\\b c\\d.txt");
    Command(IDM_CLEARLIST);
    Add({"C:\\first.txt"});
    {
        TBoxAnswerer person(IDOK, "Open List", 15000, typeName);
        Command(IDM_OPENLIST);
        ASSERT_TRUE(person.Answered());
    }
    EXPECT_EQ(Entries(), (Names{"C:\\first.txt", "C:\\a.txt", "D:\\b c\\d.txt"}));
    EXPECT_EQ(ControlText(IDC_COUNTER), "1/3");

    TBoxAnswerer person(IDOK, "Invalid file name");
    Dialog->AppendListFile(Dir.File("missing.lst"));
    EXPECT_EQ(person.Text(), Dir.File("missing.lst"));
    EXPECT_EQ(Dialog->FileList().Count(), 3);
}

// The names the Recycle Bin holds, as the shell shows them.
Names RecycleBinNames()
{
    Names names;
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellFolder* desktop = nullptr;
    PIDLIST_ABSOLUTE bin = nullptr;
    if (FAILED(::SHGetDesktopFolder(&desktop)))
        return names;
    IShellFolder* folder = nullptr;
    IEnumIDList* items = nullptr;
    if (SUCCEEDED(::SHGetSpecialFolderLocation(nullptr, CSIDL_BITBUCKET, &bin)) &&
        SUCCEEDED(desktop->BindToObject(bin, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&folder))) &&
        folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, &items) == S_OK) {
        PITEMID_CHILD item = nullptr;
        while (items->Next(1, &item, nullptr) == S_OK) {
            STRRET name{};
            wchar_t* text = nullptr;
            if (SUCCEEDED(folder->GetDisplayNameOf(item, SHGDN_INFOLDER, &name)) &&
                SUCCEEDED(::StrRetToStrW(&name, item, &text))) {
                names.push_back(Narrow(text));
                ::CoTaskMemFree(text);
            }
            ::CoTaskMemFree(item);
        }
        items->Release();
    }
    if (folder)
        folder->Release();
    ::CoTaskMemFree(bin);
    desktop->Release();
    return names;
}

TEST_F(WindowCommands, DiskDeleteMovesTheFileToTheRecycleBinAndTakesItsEntryOut)
{
    // Wine keeps its Recycle Bin in the XDG trash, here the test prefix's: it must be there.
    if (const char* home = std::getenv("XDG_DATA_HOME"))
        std::filesystem::create_directories(NativePath(WindowsPath(home)));
    StartWith("");
    const std::string tag = "doomed " + RandomTag() + ".txt";
    const std::string file = MakeFile(tag);
    Add({"C:\\before.txt", file.c_str(), "C:\\after.txt"});
    Dialog->FileListBox().SetSelIndex(1);
    {
        TBoxAnswerer person(IDNO, "Tarvik Strandel");
        Command(IDM_DISKDELETE);
        EXPECT_EQ(person.Text(), "Are you sure you want to move to the Recycle Bin:\n" + file);
        EXPECT_EQ(person.DefaultButton(), IDNO);
    }
    EXPECT_TRUE(std::filesystem::exists(file));
    {
        TBoxAnswerer person(IDYES, "Tarvik Strandel");
        Command(IDM_DISKDELETE);
        ASSERT_TRUE(person.Answered());
    }
    EXPECT_FALSE(std::filesystem::exists(file));
    const Names bin = RecycleBinNames();
    EXPECT_NE(std::find(bin.begin(), bin.end(), tag), bin.end()) << "not in the Recycle Bin";
    EXPECT_EQ(Entries(), (Names{"C:\\before.txt", "C:\\after.txt"}));
    EXPECT_EQ(ControlText(IDC_COUNTER), "2/2");

    // A folder is not deleted: the command says it deletes only files.
    Add({Folder().c_str()});
    TBoxAnswerer person(IDOK, "Tarvik Strandel");
    Command(IDM_DISKDELETE);
    EXPECT_EQ(person.Text(), "DISK DELETE deletes only files, and this entry is a folder:\n" + Folder() +
                                 "\n\nNothing was deleted.");
    EXPECT_TRUE(std::filesystem::is_directory(Folder()));
    EXPECT_EQ(Dialog->FileList().Count(), 3);
}

// Closing with a list changed since it was last saved or opened asks first; Cancel, or a save
// that does not happen, keeps the window open.
TEST_F(WindowCommands, ClosingAsksToSaveAChangedListOnly)
{
    const std::string list = Dir.File("kept.lst");
    const auto question = "has changed since it was last saved";
    auto typeName = [&](HWND box) { ::SetDlgItemTextW(box, 1148, Wide(list).c_str()); };

    StartWith("");
    Add({"C:\\a.txt"});
    {
        TBoxAnswerer person(IDCANCEL, "Tarvik Strandel", 15000, {}, question);
        Frame->SendMessage(WM_CLOSE);
        ASSERT_TRUE(person.Answered());
        EXPECT_EQ(person.Text(), "The list of 1 file has changed since it was last saved.\nSave the list before closing?");
    }
    ASSERT_TRUE(::IsWindow(Frame->GetHandle()));
    {
        TBoxAnswerer person(IDYES, "Tarvik Strandel", 15000, {}, question);
        TBoxAnswerer saving(IDCANCEL, "Save List");
        Command(IDM_EXIT);
        PumpMessages();   // Exit closes the window as its close box does
        ASSERT_TRUE(saving.Answered());
    }
    ASSERT_TRUE(::IsWindow(Frame->GetHandle()));
    {
        TBoxAnswerer person(IDYES, "Tarvik Strandel", 15000, {}, question);
        TBoxAnswerer saving(IDOK, "Save List", 15000, typeName);
        Frame->SendMessage(WM_CLOSE);
        ASSERT_TRUE(saving.Answered());
    }
    EXPECT_FALSE(::IsWindow(Frame->GetHandle()));
    EXPECT_EQ(ReadBytes(list), "C:\\a.txt");

    // Opened, or saved, and not changed since: nothing to ask.
    Frame.reset();
    StartWith("");
    Dialog->AppendListFile(list);
    Frame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(Frame->GetHandle()));

    // Changed, then No: closed, the list file as it was.
    Frame.reset();
    StartWith("");
    Dialog->AppendListFile(list);
    Add({"C:\\b.txt"});
    {
        TBoxAnswerer person(IDNO, "Tarvik Strandel", 15000, {}, question);
        Frame->SendMessage(WM_CLOSE);
        ASSERT_TRUE(person.Answered());
    }
    EXPECT_FALSE(::IsWindow(Frame->GetHandle()));
    EXPECT_EQ(ReadBytes(list), "C:\\a.txt");

    // The question switched off in the Options sheet: kept in the settings, nothing asked.
    Frame.reset();
    StartWith("");
    {
        TBoxAnswerer person(IDOK, "Options", 15000, [](HWND sheet) {
            ::SendMessageW(sheet, PSM_SETCURSEL, 1, 0);
            HWND various = reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
            ::SendMessageW(::GetDlgItem(various, IDC_ASKSAVELIST), BM_SETCHECK, BST_UNCHECKED, 0);
        });
        Command(IDM_OPTIONS);
        ASSERT_TRUE(person.Answered());
    }
    Add({"C:\\c.txt"});
    Frame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(Frame->GetHandle()));
    EXPECT_NE(ReadBytes(WindowsFolderIni()).find("AskSaveList=0\r\n"), std::string::npos);
}

// The list takes the keyboard: a tab stop; Delete removes the selected entry. A long entry
// scrolls into view and shows its whole name as the tip.
TEST_F(WindowCommands, TheListTakesTheKeyboardAndScrollsLongEntries)
{
    StartWith("");
    EXPECT_TRUE(::GetWindowLongW(Control(IDC_FILELIST), GWL_STYLE) & WS_TABSTOP);
    const std::string longName = "C:\\" + std::string(300, 'n') + ".txt";
    Add({"C:\\a.txt", longName.c_str(), "C:\\c.txt"});
    const RECT client = ClientOnScreen(Control(IDC_FILELIST));
    EXPECT_GT(::SendMessageW(Control(IDC_FILELIST), LB_GETHORIZONTALEXTENT, 0, 0), client.right - client.left);
    EXPECT_TRUE(Dialog->FileListBox().IsItemCut(1));
    EXPECT_FALSE(Dialog->FileListBox().IsItemCut(0));
    // The pointer over the cut entry: its whole name is the tip.
    ::ShowWindow(Frame->GetHandle(), SW_SHOW);
    ::SetForegroundWindow(Frame->GetHandle());
    RECT item{};
    ::SendMessageW(Control(IDC_FILELIST), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    POINT over{item.left + 20, (item.top + item.bottom) / 2};
    ::ClientToScreen(Control(IDC_FILELIST), &over);
    ::SetCursorPos(over.x, over.y);
    Dialog->SendMessage(WM_MENUSELECT, IDC_FILELIST, 0);
    ASSERT_NE(GetToolTip(), nullptr);
    EXPECT_EQ(TextOf(GetToolTip()->GetHandle()), longName);

    Dialog->FileListBox().SetSelIndex(1);
    ::SendMessageW(Control(IDC_FILELIST), WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(Entries(), (Names{"C:\\a.txt", "C:\\c.txt"}));
    EXPECT_EQ(ControlText(IDC_COUNTER), "2/2");
    Dialog->FileList().Clear();
    EXPECT_EQ(::SendMessageW(Control(IDC_FILELIST), LB_GETHORIZONTALEXTENT, 0, 0), 0);

    // Many entries at once (Open list): the extent comes when the list is drawn again.
    WriteBytes(Dir.File("long.lst"), "C:\\a.txt\r\n" + longName);
    Dialog->AppendListFile(Dir.File("long.lst"));
    EXPECT_GT(::SendMessageW(Control(IDC_FILELIST), LB_GETHORIZONTALEXTENT, 0, 0), client.right - client.left);
}

TEST_F(WindowCommands, MainHeadAndQueueAreEditedInTheInputDialog)
{
    StartWith("[Strandel]\r\nMainHead=<<UL>>\r\n");
    auto typing = [](std::string text) {
        return [text](HWND box) { ::SetDlgItemTextW(box, IDC_MLINPUT_TEXT, Wide(text).c_str()); };
    };
    {
        TBoxAnswerer person(IDCANCEL, MainHeadCaption, 15000, typing("typed, then cancelled"));
        Command(IDM_SETMAINHEAD);
        ASSERT_TRUE(person.Answered());
    }
    EXPECT_EQ(Dialog->Settings().MainHead, "<UL>");
    {
        TBoxAnswerer person(IDOK, MainHeadCaption, 15000, typing("first\r\nsecond"));
        Click(IDC_SETMAINHEAD);
        ASSERT_TRUE(person.Answered());
    }
    EXPECT_EQ(Dialog->Settings().MainHead, "first\r\nsecond");
    EXPECT_EQ(ControlText(IDC_MAINHEAD), "first /n second");
    {
        TBoxAnswerer person(IDOK, MainQueueCaption, 15000, typing(std::string(2000, 'q')));
        Command(IDM_SETMAINQUEUE);
        ASSERT_TRUE(person.Answered());
    }
    EXPECT_EQ(Dialog->Settings().MainQueue, std::string(1999, 'q'));
}

TEST_F(WindowCommands, ChangeFontKeepsTheChoiceForTheNextStart)
{
    StartWith("");
    std::string face;
    {
        TBoxAnswerer restart(IDOK, "Tarvik Strandel", 30000);
        TBoxAnswerer person(IDOK, "Font", 15000, [&](HWND box) {
            face = TextOf(::GetDlgItem(box, 1136));   // the face the dialog offers
        });
        Frame->SendMessage(WM_COMMAND, IDM_CHANGEFONT, 0);
        ASSERT_TRUE(person.Answered());
        EXPECT_EQ(restart.Text(), "Please restart the program to changes take effect");
    }
    const std::string ini = ReadBytes(WindowsFolderIni());
    std::size_t at = 0;
    for (std::string key : {"lfHeight=-", "lfPointSize=", "lfWeight=400", "lfItalic=0", "lfUnderline=0",
                            "lfStrikeOut=0", "lfFaceName="}) {
        std::size_t found = ini.find(key, at);
        ASSERT_NE(found, std::string::npos) << key << " in order in\n" << ini;
        at = found;
    }
    EXPECT_NE(ini.find("lfFaceName=" + face + "\r\n"), std::string::npos) << ini;

    // Nothing changes before the next start, which shows the chosen font: its face, its letters
    // as high as the kept height makes them.
    EXPECT_EQ(FaceName(ShownFont()), "Arial");
    LOGFONTW chosen{};
    chosen.lfHeight = std::stoi(ini.substr(ini.find("lfHeight=") + 9));
    SetFaceName(chosen, face);
    Frame.reset();
    StartWith(ini);
    EXPECT_EQ(FaceName(ShownFont()), face);
    TFont kept(::CreateFontIndirectW(&chosen));
    EXPECT_EQ(LetterHeight(ShownFontHandle()), LetterHeight(kept));
}

TEST_F(WindowCommands, TheHandOffMessageIsTakenOnlyFromThisThread)
{
    StartWith("");
    SetClipboardText("untouched");
    std::string name = "C:\\from\\elsewhere.txt";
    COPYDATASTRUCT record{0, static_cast<DWORD>(name.size() + 1), name.data()};
    const HWND frame = Frame->GetHandle();
    std::atomic<bool> answered{false};
    std::thread other([&] {
        ::SendMessageW(frame, TMyWindow::HandOffMessage, 0, reinterpret_cast<LPARAM>(&record));
        answered = true;
    });
    PumpUntil([&] { return answered.load(); }, 60000);
    other.join();
    Frame->SendMessage(TMyWindow::HandOffMessage, 0, 0x10);   // a record nowhere in this process
    EXPECT_EQ(ClipboardText(), "untouched");

    Frame->SendMessage(TMyWindow::HandOffMessage, 0, reinterpret_cast<LPARAM>(&record));
    EXPECT_EQ(ClipboardText(), name);
}

TEST_F(WindowCommands, ATemplatesItemReachesTheDialogOnce)
{
    StartWith("");
    TMessageLog commands(Dialog->GetHandle(), {WM_COMMAND});
    // From the program's own loop, and from a loop that only dispatches (a modal one's).
    Frame->PostMessage(WM_COMMAND, IDM_TEMPLATE_FIRST, 0);
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, Frame->GetHandle(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
    if (!Frame->PreProcessMsg(msg))
        ::DispatchMessageW(&msg);
    EXPECT_EQ(commands.Count(WM_COMMAND, IDM_TEMPLATE_FIRST), 1);
    Frame->SendMessage(WM_COMMAND, IDM_TEMPLATE_FIRST, 0);
    EXPECT_EQ(commands.Count(WM_COMMAND, IDM_TEMPLATE_FIRST), 2);
}

TEST_F(WindowCommands, HelpAndAboutShowWhatTheyHave)
{
    StartWith("");
    const std::string kept = ProgramFolder;
    ProgramFolder = Folder() + "\\";
    {
        TBoxAnswerer person(IDOK, "Tarvik Strandel");
        Command(IDM_HELPINDEX);
        EXPECT_EQ(person.Text(), "The help page could not be opened:\n\n" + ProgramFolder + "Strandel.htm");
    }
    ProgramFolder = kept;

    std::string web;
    TBoxAnswerer person(IDOK, "Tarvik Strandel", 15000,
                        [&](HWND box) { web = TextOf(::GetDlgItem(box, IDC_ABOUT_WEB)); });
    Command(IDM_ABOUT);
    ASSERT_TRUE(person.Answered());
    EXPECT_EQ(web, std::string("Web: ") + HomePageAddress);
}

} // namespace
