// The output format a person chooses in the Create menu, as it reaches the files: the choices
// picked from the real menu, the output read back and set beside strandel-gen's for the template
// the window saved, the question about names ANSI cannot hold, the clipboard of Create and copy.
#include "app/program_names.h"
#include "cli/gen_command.h"
#include "gen/encoded_output.h"
#include "main_dialog_fixture.h"
#include "settings/profile_legacy.h"
#include "settings/profile_portable.h"
#include "support/input.h"
#include "support/menu_picker.h"
#include "support/notice_watch.h"

namespace {

using Names = std::vector<std::string>;

// The Create menu's Output format submenu, in its order.
enum EGroup { MoreVariablesItem, NameEscapeMenu, EncodingMenu, LineEndsMenu };

class OutputFormat : public MainDialog {
protected:
    void SetUp() override
    {
        MainDialog::SetUp();
        KeptFolder = ProgramFolder;
        ProgramFolder = Dir.Folder().string() + "\\";
    }
    void TearDown() override
    {
        MainDialog::TearDown();
        ProgramFolder = KeptFolder;
    }

    // Picks an item of Output format from the Create button's menu with the keys a person
    // presses: down to Output format, into the group's submenu, down to the item.
    void PickOutputFormat(EGroup group, int item) const
    {
        std::vector<WORD> keys(5, VK_DOWN);   // Create, Create and copy, View, Execute, Output format
        keys.push_back(VK_RIGHT);             // its first item: More variables
        keys.insert(keys.end(), static_cast<std::size_t>(group), VK_DOWN);
        if (group != MoreVariablesItem) {
            keys.push_back(VK_RIGHT);
            keys.insert(keys.end(), static_cast<std::size_t>(item), VK_DOWN);
        }
        keys.push_back(VK_RETURN);
        TMenuPicker person(keys);
        ClickOver(Control(IDC_CREATE), TMouseButton::Left, Centre(Control(IDC_CREATE)));
        ASSERT_TRUE(person.Opened());
        PumpMessages();
    }
    // The menu's checks as the dialog sets them when it opens.
    UINT State(UINT id) const
    {
        TMenuHandle menu(::LoadMenuW(::GetModuleHandleW(nullptr), L"CREATE_MNU"));
        HMENU popup = ::GetSubMenu(menu, 0);
        Dialog->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
        return ::GetMenuState(popup, id, MF_BYCOMMAND) & MF_CHECKED;
    }
    std::string SaveTemplateAs(const std::string& name) const
    {
        const std::string file = Dir.File(name);
        TBoxAnswerer person(IDOK, "Save Head & Queue", 15000,
                            [&](HWND box) { ::SetDlgItemTextW(box, 1148, Wide(file).c_str()); });
        Command(IDM_SAVETEMPLATE);
        EXPECT_TRUE(person.Answered());
        return file;
    }
    // What strandel-gen writes for the template and the list.
    std::string GenOutput(const std::string& templateFile, const Names& names) const
    {
        std::string list;
        for (const std::string& name : names)
            list += name + "\r\n";
        WriteBytes(Dir.File("gen.lst"), list);
        TGenOptions options;
        options.Template = templateFile;
        options.Lists = {Dir.File("gen.lst")};
        options.Output = Dir.File("gen.txt");
        TLegacyAwareProfile profile(std::make_unique<TPortableProfile>("."), WesternCodePage);
        EXPECT_EQ(RunGen(options, profile, stdin, stdout, stderr), GenOk);
        return ReadBytes(Dir.File("gen.txt"));
    }

    std::string KeptFolder;
};

TEST_F(OutputFormat, EachChoiceOfTheMenuReachesTheFileAsStrandelGenWritesIt)
{
    const Names names = {"C:\\Docs\\a b&c's %1 (x).txt", "C:\\Docs\\Ünïcödé, \"q\".txt"};
    struct TRow {
        const char* Choice;
        EGroup Group;
        int Item;
        std::string Start;    // the file's first bytes
        const char* Stored;   // the template's key
    };
    const TRow rows[] = {
        {"More variables", MoreVariablesItem, 0, "top\r\n01 [", "MoreVariables=1"},
        {"URL", NameEscapeMenu, 1, "", "NameEscape=url"},
        {"HTML", NameEscapeMenu, 2, "", "NameEscape=html"},
        {"Batch", NameEscapeMenu, 3, "", "NameEscape=batch"},
        {"CSV", NameEscapeMenu, 4, "", "NameEscape=csv"},
        {"Command line", NameEscapeMenu, 5, "", "NameEscape=arg"},
        {"PowerShell", NameEscapeMenu, 6, "", "NameEscape=ps"},
        {"UTF-8 with mark", EncodingMenu, 1, "\xEF\xBB\xBFtop\r\n", "OutputEncoding=utf-8-bom"},
        {"ANSI", EncodingMenu, 2, "top\r\n", "OutputEncoding=ansi"},
        {"UTF-16 LE", EncodingMenu, 3, std::string("\xFF\xFEt\0o\0p\0\r\0\n\0", 12), "OutputEncoding=utf-16le"},
        {"LF", LineEndsMenu, 1, "top\nQZ_COUNTER(01) [", "LineEnds=lf"},
    };
    StartWith("");
    ::SetForegroundWindow(Frame->GetHandle());
    SetOutput(Dir.File("out.txt"));
    for (const std::string& name : names)
        Add({name.c_str()});
    TypeAround("QZ_COUNTER(01) [", "]\r\n");
    Dialog->Settings().MainHead = "top\r\n";
    Command(IDM_CREATE);
    const std::string plain = ReadBytes(Dir.File("out.txt"));
    ASSERT_EQ(plain.rfind("top\r\nQZ_COUNTER(01) [C:\\Docs\\a b&c's %1 (x).txt]\r\n", 0), 0u) << plain;
    int saved = 0;
    for (const TRow& row : rows) {
        TSettings& s = Dialog->Settings();
        s.MoreVariables = false;
        s.NameEscape = TEscape::None;
        s.OutputEncoding = TOutputEncoding::Utf8;
        s.LineEnds = TLineEnds::CrLf;
        PickOutputFormat(row.Group, row.Item);
        Command(IDM_CREATE);
        const std::string written = ReadBytes(Dir.File("out.txt"));
        EXPECT_NE(written, plain) << row.Choice;
        EXPECT_EQ(written.rfind(row.Start, 0), 0u) << row.Choice;
        // The choice travels in the template: strandel-gen writes the same bytes from it.
        const std::string file = SaveTemplateAs("t" + std::to_string(++saved) + ".hqd");
        EXPECT_NE(ReadBytes(file).find(std::string(row.Stored) + "\r\n"), std::string::npos) << row.Choice;
        EXPECT_EQ(GenOutput(file, names), written) << row.Choice;
    }
}

TEST_F(OutputFormat, NamesAnsiCannotHoldAreAskedAboutAndNoWritesNothing)
{
    StartWith("[Strandel]\r\nOutputEncoding=ansi\r\n");
    SetOutput(Dir.File("out.txt"));
    Add({"C:\\a.txt", "C:\\Ωμέγα.txt", "C:\\报告.txt", "C:\\Фото.txt", "C:\\ζ.txt", "C:\\ש.txt", "C:\\ά.txt"});
    TypeAround("[", "]\r\n");
    const std::string question =
        "The output encoding (ANSI) cannot hold some characters of these names:\n\n"
        "C:\\Ωμέγα.txt\nC:\\报告.txt\nC:\\Фото.txt\nC:\\ζ.txt\nC:\\ש.txt\n... and 1 more (6 names in all).\n\n"
        "Write the file anyway, with \"?\" for those characters?\n"
        "(To keep every character choose UTF-8 or UTF-16 in Create, Output format.)";
    {
        TNoticeWatch notices;
        TBoxAnswerer person(IDNO, ProgramTitle);
        Command(IDM_CREATE);
        EXPECT_EQ(person.Text(), question);
        EXPECT_EQ(person.DefaultButton(), IDNO);
        EXPECT_TRUE(notices.Seen.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(Dir.File("out.txt")));
    // Create and copy, declined, leaves the clipboard as it was.
    SetClipboardText("kept");
    {
        TBoxAnswerer person(IDNO, ProgramTitle);
        Command(IDM_CREATEANDCOPY);
        EXPECT_TRUE(person.Answered());
    }
    EXPECT_EQ(ClipboardText(), "kept");
    {
        TBoxAnswerer person(IDYES, ProgramTitle);
        Command(IDM_CREATE);
        EXPECT_TRUE(person.Answered());
    }
    EXPECT_EQ(ReadBytes(Dir.File("out.txt")),
              "[C:\\a.txt]\r\n[C:\\?????.txt]\r\n[C:\\??.txt]\r\n[C:\\????.txt]\r\n[C:\\?.txt]\r\n[C:\\?.txt]\r\n"
              "[C:\\?.txt]\r\n");
}

TEST_F(OutputFormat, CreateAndCopyOfAUtf16FilePutsItsTextOnTheClipboard)
{
    StartWith("[Strandel]\r\nOutputEncoding=utf-16le\r\nLineEnds=lf\r\n");
    SetOutput(Dir.File("out.txt"));
    Add({"C:\\报告 😀.txt", "C:\\a.txt"});
    TypeAround("<", ">\r\n");
    Command(IDM_CREATEANDCOPY);
    EXPECT_EQ(ReadBytes(Dir.File("out.txt")).substr(0, 6), std::string("\xFF\xFE<\0C\0", 6));
    EXPECT_EQ(ClipboardText(), "<C:\\报告 😀.txt>\n<C:\\a.txt>\n");
}

// A name copied alone is the file's name as the path mode gives it; a line holds it escaped,
// and ends as the file's lines do.
TEST_F(OutputFormat, CopiesOfANameStayPlainWhileLinesAreEscaped)
{
    StartWith("[Strandel]\r\nNameEscape=url\r\nCheckIndex=2\r\nLineEnds=lf\r\n");
    Add({"C:\\Docs\\a b.txt"});
    TypeAround("<a href=\"", "\">\r\n");
    Command(IDM_COPYITEM);
    EXPECT_EQ(ClipboardText(), "a b.txt");
    Command(IDM_COPYITEMLINE);
    EXPECT_EQ(ClipboardText(), "<a href=\"a%20b.txt\">\n");
}

TEST_F(OutputFormat, ATemplateSetsTheChoicesAndOneWithoutThemSetsTheDefaults)
{
    WriteBytes(Dir.File("Csv.hqd"), "[Strandel]\r\nHeader=<\">\r\nNameEscape=csv\r\nMoreVariables=1\r\n"
                                    "OutputEncoding=utf-8-bom\r\nLineEnds=lf\r\n");
    WriteBytes(Dir.File("Old.hqd"), "[Strandel]\r\nHeader=<[>\r\n");
    StartWith("");
    EXPECT_TRUE(State(IDM_ESCAPE_NONE));
    EXPECT_FALSE(State(IDM_MOREVARIABLES));
    Command(IDM_TEMPLATE_FIRST);
    EXPECT_TRUE(State(IDM_ESCAPE_CSV));
    EXPECT_FALSE(State(IDM_ESCAPE_NONE));
    EXPECT_TRUE(State(IDM_MOREVARIABLES));
    EXPECT_TRUE(State(IDM_ENCODING_UTF8BOM));
    EXPECT_TRUE(State(IDM_LINEENDS_LF));
    Command(IDM_TEMPLATE_FIRST + 1);
    EXPECT_TRUE(State(IDM_ESCAPE_NONE));
    EXPECT_FALSE(State(IDM_MOREVARIABLES));
    EXPECT_TRUE(State(IDM_ENCODING_UTF8));
    EXPECT_TRUE(State(IDM_LINEENDS_CRLF));
}

// Settings an older copy wrote are saved again without the new keys; a choice made is kept.
TEST_F(OutputFormat, SettingsSavedAgainHoldOnlyTheChoicesMade)
{
    const std::string older = "[Strandel]\r\nHeader=<[>\r\nQueue=<]>\r\nCheckIndex=1\r\n";
    StartWith(older);
    ASSERT_TRUE(Dialog->CanClose());
    const std::string again = ReadBytes(WindowsFolderIni());
    for (const char* key : {"MoreVariables", "NameEscape", "OutputEncoding", "LineEnds"})
        EXPECT_EQ(again.find(key), std::string::npos) << again;

    ::SetForegroundWindow(Frame->GetHandle());
    PickOutputFormat(LineEndsMenu, 1);
    EXPECT_EQ(Dialog->Settings().LineEnds, TLineEnds::Lf);
    ASSERT_TRUE(Dialog->CanClose());
    const std::string chosen = ReadBytes(WindowsFolderIni());
    EXPECT_NE(chosen.find("LineEnds=lf\r\n"), std::string::npos) << chosen;
    EXPECT_EQ(chosen.find("NameEscape"), std::string::npos) << chosen;
}

} // namespace
