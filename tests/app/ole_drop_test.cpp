// Drags from Explorer over the main dialog, through the drop target the program registered,
// called as the system calls it (DragEnter, DragOver, Drop) with the shell's own data object:
// the effect each target family answers, what it says it will do, where the list shows the
// names will go, and what the drop then does.
#include "app/program_names.h"
#include "main_dialog_fixture.h"
#include "support/drop.h"
#include "support/menu_picker.h"
#include "tips/tip_status_bar.h"

#include <ole2.h>

namespace {

constexpr DWORD SourceAllows = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

class OleDrops : public MainDialog {
protected:
    void SetUp() override
    {
        MainDialog::SetUp();
        StartWith("[Strandel]\r\nCheckIndex=0\r\nAskSaveList=0\r\n");
        for (const char* name : {"cat.gif", "dog.gif", "owl.gif"}) {
            WriteBytes(Dir.File(name), "x");
            Files.push_back(WindowsPath(Dir.File(name)));
        }
        Target = RegisteredDropTarget(Dialog->GetHandle());
        ASSERT_NE(Target, nullptr) << "the main dialog is no OLE drop target";
    }

    // A drag of the folder's files (by their bare names) to the middle of a control, then a drop;
    // the effect of the drop. over: the effect DragOver answered.
    DWORD DragAndDrop(IDataObject* data, int id, DWORD* over = nullptr)
    {
        const POINT middle = Centre(Control(id));
        const POINTL point{middle.x, middle.y};
        DWORD effect = SourceAllows;
        EXPECT_EQ(Target->DragEnter(data, MK_LBUTTON, point, &effect), S_OK);
        effect = SourceAllows;
        EXPECT_EQ(Target->DragOver(MK_LBUTTON, point, &effect), S_OK);
        if (over)
            *over = effect;
        OverMark = Dialog->FileListBox().InsertMark();
        OverHint = MainStatusBar->GetShownText();
        effect = SourceAllows;
        EXPECT_EQ(Target->Drop(data, 0, point, &effect), S_OK);
        EXPECT_EQ(Dialog->FileListBox().InsertMark(), TQZListBox::NoInsertMark);
        EXPECT_NE(MainStatusBar->GetShownText(), OverHint) << "the drag's hint stayed after the drop";
        return effect;
    }
    IDataObject* Files3(std::initializer_list<std::size_t> which)
    {
        std::vector<std::string> names;
        for (std::size_t i : which)
            names.push_back(Files[i].substr(Files[i].find_last_of('\\') + 1));
        IDataObject* data = ShellDataObject(WindowsPath(Dir.Folder().string()), names);
        EXPECT_NE(data, nullptr) << "the shell made no data object";
        return data;
    }

    std::vector<std::string> Files;
    IDropTarget* Target = nullptr;
    int OverMark = TQZListBox::NoInsertMark;
    std::string OverHint;   // the status bar while over the control
};

} // namespace

// Into the list: after the selected entry, with a mark there while dragging, and the choice told.
TEST_F(OleDrops, FilesGoIntoTheListAfterTheSelectedEntry)
{
    Add({"C:\\first.txt", "C:\\second.txt"});
    Dialog->FileList().Select(0);
    IDataObject* data = Files3({0, 1, 2});
    ASSERT_NE(data, nullptr);
    DWORD over = 0;
    EXPECT_EQ(DragAndDrop(data, IDC_FILELIST, &over), static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(over, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(OverMark, 0);
    const POINT middle = Centre(Control(IDC_FILELIST));
    const TDropChoice choice = Dialog->DropChoiceAt(middle, Files);
    EXPECT_EQ(choice.Message, "Add 3 files after '%1'");
    EXPECT_EQ(choice.Insert, "first.txt");
    EXPECT_EQ(OverHint, "Add 3 files after 'first.txt'");
    PumpMessages();   // the drop is carried out once the drag has ended
    EXPECT_EQ(Entries(), (std::vector<std::string>{"C:\\first.txt", Files[0], Files[1], Files[2], "C:\\second.txt"}));
    data->Release();
}

// One file on the output file sets it (after the warning); a folder on the relative radio sets
// the relative path; several files on Auto Drag are refused and change nothing.
TEST_F(OleDrops, EachSpecialTargetDoesWhatADropThereDoes)
{
    IDataObject* one = Files3({1});
    ASSERT_NE(one, nullptr);
    {
        TBoxAnswerer person(IDYES, "Warning");
        EXPECT_EQ(DragAndDrop(one, IDC_OUTFILE), static_cast<DWORD>(DROPEFFECT_COPY));
        EXPECT_EQ(Dialog->DropChoiceAt(Centre(Control(IDC_OUTFILE)), {Files[1]}).Message, "Set as output file");
        EXPECT_EQ(OverHint, "Set as output file");
        PumpMessages();   // the drop asks once the drag has ended
        EXPECT_TRUE(person.Answered());
    }
    EXPECT_EQ(Dialog->Settings().FileOutput, Files[1]);

    {
        TBoxAnswerer person(IDYES, ProgramTitle);
        EXPECT_EQ(DragAndDrop(one, IDC_PATH_RELATIVE), static_cast<DWORD>(DROPEFFECT_COPY));
        EXPECT_EQ(Dialog->DropChoiceAt(Centre(Control(IDC_PATH_RELATIVE)), {Files[1]}).Message,
                  "Make paths relative to this folder");
        PumpMessages();   // the drop asks once the drag has ended
        EXPECT_TRUE(person.Answered());
    }
    EXPECT_EQ(Dialog->Settings().RelPath, FolderOf(Files[1]));
    one->Release();

    IDataObject* two = Files3({0, 2});
    ASSERT_NE(two, nullptr);
    DWORD over = SourceAllows;
    EXPECT_EQ(DragAndDrop(two, IDC_AUTODRAG, &over), static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(over, static_cast<DWORD>(DROPEFFECT_NONE));
    PumpMessages();
    EXPECT_TRUE(Entries().empty());
    two->Release();
}

// One file on Auto Drag opens its pop-up for that file.
TEST_F(OleDrops, OneFileOnAutoDragOffersItsMenu)
{
    IDataObject* one = Files3({2});
    ASSERT_NE(one, nullptr);
    TMenuPicker person;   // Escape
    EXPECT_EQ(DragAndDrop(one, IDC_AUTODRAG), static_cast<DWORD>(DROPEFFECT_COPY));
    PumpMessages();
    EXPECT_TRUE(person.Opened());
    EXPECT_EQ(PendingFile, Files[2]);
    one->Release();
}

// A source with only the shell's item list (a Library's items, search results): the names are
// taken from it, whole.
TEST_F(OleDrops, NamesComeFromTheShellsItemListWithoutAFileDrop)
{
    IDataObject* shell = Files3({0, 1});
    ASSERT_NE(shell, nullptr);
    const CLIPFORMAT itemList = static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(CFSTR_SHELLIDLIST));
    FORMATETC format{itemList, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    ASSERT_EQ(shell->GetData(&format, &medium), S_OK);
    shell->Release();
    // The clipboard's data object carries only what was put there: the item list.
    ASSERT_TRUE(::OpenClipboard(Dialog->GetHandle()));
    ::EmptyClipboard();
    ::SetClipboardData(itemList, medium.hGlobal);
    ::CloseClipboard();
    IDataObject* onlyItems = nullptr;
    ASSERT_EQ(::OleGetClipboard(&onlyItems), S_OK);
    FORMATETC drop{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    EXPECT_NE(onlyItems->QueryGetData(&drop), S_OK);

    EXPECT_EQ(NamesInDataObject(onlyItems), (std::vector<std::string>{Files[0], Files[1]}));
    EXPECT_EQ(DragAndDrop(onlyItems, IDC_FILELIST), static_cast<DWORD>(DROPEFFECT_COPY));
    PumpMessages();
    EXPECT_EQ(Entries(), (std::vector<std::string>{Files[0], Files[1]}));
    onlyItems->Release();
}
