// The list's orders, its undo and redo, and a folder's contents added, as a person uses them: the
// real list box, its real pop-up menu, real folders and files, the questions answered.
#include "app/progress_window.h"
#include "gen/folder_scan.h"
#include "gen/list_history.h"
#include "main_dialog_fixture.h"
#include "support/input.h"
#include "support/menu_picker.h"

#include <filesystem>
#include <functional>

namespace {

using Names = std::vector<std::string>;

// What a person sees of the list and of what a template replaces.
struct TSeen {
    Names Entries;
    std::string Counter;
    std::string Header;
    std::string Queue;
    bool NoPath = false;
    std::string Caption;
    bool operator==(const TSeen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TSeen& seen)
{
    out << "[" << seen.Counter << "]";
    for (const std::string& entry : seen.Entries)
        out << " " << entry;
    return out << " | " << seen.Header << " | " << seen.Queue << " | " << seen.NoPath << " | " << seen.Caption;
}

// The Add folder dialog filled as a person fills it, then Add pressed.
std::function<void(HWND)> FillAddFolder(const std::string& folder, const std::string& patterns, bool subfolders)
{
    return [=](HWND box) {
        ::SetDlgItemTextW(box, IDC_ADDFOLDER_FOLDER, Wide(folder).c_str());
        ::SetDlgItemTextW(box, IDC_ADDFOLDER_PATTERN, Wide(patterns).c_str());
        ::CheckDlgButton(box, IDC_ADDFOLDER_SUBFOLDERS, subfolders ? BST_CHECKED : BST_UNCHECKED);
    };
}

constexpr const char* AddFolderCaption = "Add folder contents";

class ListEditing : public MainDialog {
protected:
    std::string MakeFile(const std::string& name) const
    {
        std::filesystem::create_directories(std::filesystem::path(Dir.File(name)).parent_path());
        WriteBytes(Dir.File(name), name);
        return Dir.File(name);
    }
    std::string Folder(const std::string& name = {}) const { return name.empty() ? Dir.Folder().string() : Dir.File(name); }
    TSeen Seen() const
    {
        return {Entries(),          ControlText(IDC_COUNTER), ControlText(IDC_HEADER),
                ControlText(IDC_QUEUE), Checked(IDC_PATH_NOPATH), TextOf(Frame->GetHandle())};
    }
    // As a click on the entry does: the counter follows.
    void Select(int index) const
    {
        Dialog->FileListBox().SetSelIndex(index);
        Dialog->UpdateCounter();
    }
    // Opens the list's pop-up menu over the selected entry (the first when none) and presses
    // the keys there.
    void PickFromListMenu(std::vector<WORD> keys) const
    {
        ::SetForegroundWindow(Frame->GetHandle());
        RECT item{};
        const int selected = std::max(0, Dialog->FileList().Selected());
        ::SendMessageW(Control(IDC_FILELIST), LB_GETITEMRECT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&item));
        POINT onItem{item.left + 10, (item.top + item.bottom) / 2};
        ::ClientToScreen(Control(IDC_FILELIST), &onItem);
        {
            TMenuPicker person(std::move(keys));
            ClickOver(Control(IDC_FILELIST), TMouseButton::Right, onItem);
        }
        PumpMessages();
    }
    static std::vector<WORD> Downs(int count, std::vector<WORD> then)
    {
        std::vector<WORD> keys(static_cast<std::size_t>(count), VK_DOWN);
        keys.insert(keys.end(), then.begin(), then.end());
        return keys;
    }
};

// The list's pop-up menu, item by item (separators are not counted by the Down key).
enum EListMenu { CopyItem = 1, CopyLine, MoveUp, MoveDown, Delete, DiskDelete, Clear, AddFolder, Sort, Duplicates, Undo, Redo };

TEST_F(ListEditing, SortsAndDuplicatesFromTheListsMenuWorkOnTheRealListBox)
{
    StartWith("");
    Add({"C:\\b\\x10.txt", "C:\\a\\x2.TXT", "C:\\c\\x1.doc", "C:\\A\\X2.txt", "C:\\b\\x10.txt"});
    Select(2);
    PickFromListMenu(Downs(Sort, {VK_RIGHT, VK_RETURN}));   // Sort > By name
    EXPECT_EQ(Entries(), (Names{"C:\\c\\x1.doc", "C:\\a\\x2.TXT", "C:\\A\\X2.txt", "C:\\b\\x10.txt", "C:\\b\\x10.txt"}));
    EXPECT_EQ(ControlText(IDC_COUNTER), "1/5") << "the selected entry stays selected";

    struct TOrder {
        int Command;
        Names Expected;
    };
    const TOrder orders[] = {
        {IDM_SORT_PATH, {"C:\\a\\x2.TXT", "C:\\A\\X2.txt", "C:\\b\\x10.txt", "C:\\b\\x10.txt", "C:\\c\\x1.doc"}},
        {IDM_SORT_EXTENSION, {"C:\\c\\x1.doc", "C:\\a\\x2.TXT", "C:\\A\\X2.txt", "C:\\b\\x10.txt", "C:\\b\\x10.txt"}},
        {IDM_REVERSE, {"C:\\b\\x10.txt", "C:\\b\\x10.txt", "C:\\A\\X2.txt", "C:\\a\\x2.TXT", "C:\\c\\x1.doc"}},
    };
    for (const TOrder& order : orders) {
        Command(order.Command);
        EXPECT_EQ(Entries(), order.Expected) << order.Command;
        EXPECT_EQ(ControlText(IDC_COUNTER), std::to_string(1 + Dialog->FileList().Selected()) + "/5");
        EXPECT_EQ(Dialog->FileList().Text(Dialog->FileList().Selected()), "C:\\c\\x1.doc");
    }
    {
        TBoxAnswerer person(IDOK, ProgramTitle);
        PickFromListMenu(Downs(Duplicates, {VK_RETURN}));
        EXPECT_EQ(person.Text(), "2 duplicate entries were removed; the first entry of each name stays.");
    }
    EXPECT_EQ(Entries(), (Names{"C:\\b\\x10.txt", "C:\\A\\X2.txt", "C:\\c\\x1.doc"}));
    EXPECT_EQ(ControlText(IDC_COUNTER), "3/3");
    {
        TBoxAnswerer person(IDOK, ProgramTitle);
        Command(IDM_REMOVEDUPLICATES);
        EXPECT_EQ(person.Text(), "The list names no file twice: nothing was removed.");
    }
    // Undo from the same menu brings the copies back where they stood.
    PickFromListMenu(Downs(Undo, {VK_RETURN}));
    EXPECT_EQ(Entries(), (Names{"C:\\b\\x10.txt", "C:\\b\\x10.txt", "C:\\A\\X2.txt", "C:\\a\\x2.TXT", "C:\\c\\x1.doc"}));
    EXPECT_EQ(ControlText(IDC_COUNTER), "5/5");
}

// Every command that changes the list, and a template choice, undone one by one back to the start
// and done again to the end: the list, the counter and the texts as they were after each step.
TEST_F(ListEditing, EveryChangeUndoesAndRedoesWithItsSelectionAndTexts)
{
    if (const char* home = std::getenv("XDG_DATA_HOME"))   // DISK DELETE's Recycle Bin
        std::filesystem::create_directories(NativePath(WindowsPath(home)));
    StartWith("[Strandel]\r\nHeader=<mine>\r\nCheckIndex=0\r\n");
    const std::string a = MakeFile("a.txt"), b = MakeFile("b.txt"), c = MakeFile("c.txt");
    const std::string doomed = MakeFile("doomed " + RandomTag() + ".txt");
    MakeFile("tree\\1.jpg");
    MakeFile("tree\\2.png");
    WriteBytes(Dir.File("more.lst"), doomed + "\r\n" + Dir.File("A.TXT"));
    WriteBytes(Dir.File("look.hqd"), "[Strandel]\r\nHeader=<<li>>\r\nQueue=<</li>>\r\nCheckIndex=2\r\n");

    struct TStep {
        const char* Name;
        std::function<void()> Prepare;   // not a step of its own: a selection, say
        std::function<void()> Act;
    };
    const std::vector<TStep> steps = {
        {"drop", {}, [&] { DropOn(IDC_FILELIST, {a, b, c}); }},
        {"open list", {}, [&] { Dialog->AppendListFile(Dir.File("more.lst")); }},
        {"move up", [&] { Select(2); }, [&] { Click(IDC_MOVEUP); }},
        {"move down", {}, [&] { Click(IDC_MOVEDOWN); }},
        {"delete", [&] { Select(1); }, [&] { Click(IDC_DELETE); }},
        {"sort", {}, [&] { Command(IDM_SORT_NAME); }},
        {"reverse", {}, [&] { Command(IDM_REVERSE); }},
        {"duplicates", {}, [&] {
             TBoxAnswerer person(IDOK, ProgramTitle);
             Command(IDM_REMOVEDUPLICATES);
         }},
        {"disk delete", [&] { Select(0); }, [&] {
             TBoxAnswerer person(IDYES, ProgramTitle);
             Command(IDM_DISKDELETE);
         }},
        {"template", {}, [&] { Dialog->LoadTemplate(Dir.File("look.hqd")); }},
        {"add folder", {}, [&] {
             TBoxAnswerer person(IDOK, AddFolderCaption, 15000, FillAddFolder(Folder("tree"), "*", false));
             Command(IDM_ADDFOLDER);
         }},
        {"clear", {}, [&] { Command(IDM_CLEARLIST); }},
    };
    std::vector<TSeen> before, after;
    for (const TStep& step : steps) {
        if (step.Prepare)
            step.Prepare();
        before.push_back(Seen());
        step.Act();
        PumpMessages();
        after.push_back(Seen());
        EXPECT_NE(before.back(), after.back()) << step.Name << " changed nothing";
    }
    EXPECT_EQ(Dialog->ListHistory().UndoSteps(), steps.size()) << "one step per command";
    EXPECT_FALSE(std::filesystem::exists(doomed));
    EXPECT_EQ(after.back().Header, "<li>");

    for (std::size_t i = steps.size(); i-- > 0;) {
        // (A selection made between two commands is no step: each command's undo puts back the
        // selection it found, so a template's, which leaves the list alone, follows a command.)
        Command(IDM_UNDO);
        EXPECT_EQ(Seen(), before[i]) << "undo of " << steps[i].Name;
    }
    const TSeen start = Seen();
    Command(IDM_UNDO);   // nothing more to undo
    EXPECT_EQ(Seen(), start);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        Command(IDM_REDO);
        EXPECT_EQ(Seen(), after[i]) << "redo of " << steps[i].Name;
    }
    // A new change after an undo drops what could be redone.
    Command(IDM_UNDO);
    Command(IDM_REVERSE);
    EXPECT_FALSE(Dialog->ListHistory().CanRedo());
}

TEST_F(ListEditing, CtrlZInAFieldIsTheFieldsOwnUndo)
{
    StartWith("");
    Add({"C:\\one.txt"});
    DropOn(IDC_FILELIST, {"C:\\two.txt"});
    HWND header = Control(IDC_HEADER);
    GiveKeyboardTo(header);
    ::SendMessageW(header, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"typed"));
    Command(IDM_UNDO);
    EXPECT_EQ(ControlText(IDC_HEADER), "");
    Command(IDM_REDO);
    EXPECT_EQ(Entries(), (Names{"C:\\one.txt", "C:\\two.txt"}));
    ::SetFocus(Control(IDC_FILELIST));
    Command(IDM_UNDO);
    EXPECT_EQ(Entries(), Names{"C:\\one.txt"});
}

// A real tree under the test's folder, added through the list's menu and through a Shift drop; the
// dialog's choice is remembered and kept in the settings file.
TEST_F(ListEditing, AFoldersContentsComeThroughTheMenuAndAShiftDrop)
{
    StartWith("");
    const Names jpgs = {MakeFile("pics\\1.jpg"), MakeFile("pics\\2.PNG"), MakeFile("pics\\10.jpg")};
    MakeFile("pics\\notes.txt");
    const std::string deep = MakeFile("pics\\sub\\3.jpg");
    Add({"C:\\first.txt", "C:\\last.txt"});
    Select(0);
    {
        TBoxAnswerer person(IDOK, AddFolderCaption, 15000, FillAddFolder(Folder("pics"), "*.jpg;*.png", true));
        PickFromListMenu(Downs(AddFolder, {VK_RETURN}));
        ASSERT_TRUE(person.Answered());
    }
    EXPECT_EQ(Entries(), (Names{"C:\\first.txt", jpgs[0], jpgs[1], jpgs[2], deep, "C:\\last.txt"}));
    EXPECT_EQ(ControlText(IDC_COUNTER), "5/6") << "the last name added is selected";

    // A plain drop of the folder adds the folder itself.
    DropOn(IDC_FILELIST, {Folder("pics")});
    EXPECT_EQ(Dialog->FileList().Text(5), Folder("pics"));
    Command(IDM_CLEARLIST);

    std::string shownPatterns;
    {
        THeldKeys shift({VK_SHIFT});
        TBoxAnswerer person(IDOK, AddFolderCaption, 15000, [&](HWND box) {
            shownPatterns = TextOf(::GetDlgItem(box, IDC_ADDFOLDER_PATTERN));
            ::CheckDlgButton(box, IDC_ADDFOLDER_SUBFOLDERS, BST_UNCHECKED);
        });
        DropOn(IDC_FILELIST, {Folder("pics")});
        ASSERT_TRUE(person.Answered());
    }
    EXPECT_EQ(shownPatterns, "*.jpg;*.png");
    EXPECT_EQ(Entries(), jpgs);

    // A file on Auto Drag cannot give contents: the menu item says so.
    {
        TBoxAnswerer person(IDOK, ProgramTitle);
        PendingFile = jpgs[0];
        Command(IDM_AUTODRAG_ADDFOLDER);
        EXPECT_EQ(person.Text(), "Add folder contents needs a folder, and this is a file:\n" + jpgs[0]);
    }
    {
        TBoxAnswerer person(IDNO, ProgramTitle);   // the changed list is not saved
        Frame->SendMessage(WM_CLOSE);
        ASSERT_TRUE(person.Answered());
    }
    PumpMessages();
    const std::string ini = ReadBytes(WindowsFolderIni());
    EXPECT_NE(ini.find("AddFolderPatterns=*.jpg;*.png\r\n"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("AddFolderSubfolders"), std::string::npos) << "back to its default: never written";
}

// A long read shows its progress; Cancel half-way leaves the list as it was and nothing to undo.
TEST_F(ListEditing, CancelHalfWayLeavesTheListAsItWas)
{
    // A tree far larger than half a second's reading: the system's own files, read only.
    const std::string big = "Z:\\usr";
    if (::GetFileAttributesW(Wide(big).c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no " << big << " to read";
    StartWith("");
    Add({"C:\\a.txt", "C:\\b.txt"});
    Select(0);
    const TSeen start = Seen();
    TFolderScan scan;
    scan.Folder = big;
    scan.Subfolders = true;
    scan.Items = TScanItems::FilesAndFolders;
    std::string shown;
    bool added = true;
    {
        TBoxAnswerer person(IDCANCEL, "Strandel", 30000, [&](HWND box) {
            shown = TextOf(::GetDlgItem(box, IDC_PROGRESS_TEXT));
            // Closing while the work runs is refused: the window would go from under it.
            ::PostMessageW(Frame->GetHandle(), WM_CLOSE, 0, 0);
            ::Sleep(100);
        });
        added = Dialog->AddScannedFolder(scan);
        ASSERT_TRUE(person.Answered()) << "no progress window";
    }
    EXPECT_FALSE(added);
    EXPECT_NE(shown.find("Adding Z:\\usr: "), std::string::npos) << shown;
    EXPECT_EQ(Seen(), start);
    EXPECT_FALSE(Dialog->ListHistory().CanUndo());
    EXPECT_TRUE(::IsWindowEnabled(Frame->GetHandle()));
    EXPECT_TRUE(::IsWindow(Frame->GetHandle()));
}

} // namespace
