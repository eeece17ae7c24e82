// Templates, the Templates menu, the automatic web pages and the Options sheet, as a person
// uses them: real folders of templates, the real file dialogs and sheet answered as a person
// would, the pages' bytes on disk.
#include "app/program_names.h"
#include "main_dialog_fixture.h"
#include "support/menu_picker.h"
#include "text/native_path.h"
#include "tips/tip_status_bar.h"

#include <prsht.h>

#include <filesystem>

namespace {

using Names = std::vector<std::string>;

class TemplatesAndPages : public MainDialog {
protected:
    void SetUp() override
    {
        MainDialog::SetUp();
        KeptFolder = ProgramFolder;
        ProgramFolder = Folder() + "\\";
    }
    void TearDown() override
    {
        MainDialog::TearDown();
        ProgramFolder = KeptFolder;
    }
    std::string Folder() const { return Dir.Folder().string(); }
    // A template of the program's folder (or a subfolder), with the keys given.
    std::string MakeTemplate(const std::string& name, const std::string& keys = "Header=<h>\r\n") const
    {
        std::filesystem::create_directories(std::filesystem::path(Dir.File(name)).parent_path());
        WriteBytes(Dir.File(name), "[Strandel]\r\n" + keys);
        return Dir.File(name);
    }
    HMENU TemplatesMenu() const { return ::GetSubMenu(::GetMenu(Frame->GetHandle()), 1); }
    // The items of a menu: text and id ("Html>" for a submenu).
    static Names Items(HMENU menu)
    {
        Names items;
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
            const std::string text = MenuItemAsRead(menu, i);
            const UINT id = ::GetMenuItemID(menu, i);
            items.push_back(::GetSubMenu(menu, i) ? text + ">" : text + (!text.empty() ? " " + std::to_string(id) : "-"));
        }
        return items;
    }

    std::string KeptFolder;
};

TEST_F(TemplatesAndPages, TheTemplatesMenuMirrorsTheProgramFolder)
{
    // Ordered by character code: capitals first.
    for (const char* name : {"b.hqd", "Z.hqd", "a.hqd", "Html\\list.hqd", "Html\\Deep\\x.hqd", "notes.txt"})
        MakeTemplate(name);
    std::filesystem::create_directories(Dir.File("Empty"));
    std::filesystem::create_directories(Dir.File("Hollow\\Inside"));   // only an empty folder in it
    StartWith("");

    HMENU bar = ::GetMenu(Frame->GetHandle());
    Names titles;
    for (int i = 0; i < ::GetMenuItemCount(bar); ++i)
        titles.push_back(MenuItemAsRead(bar, i));
    EXPECT_EQ(titles, (Names{"File", "Templates", "Auto", "Help"}));
    EXPECT_EQ(Items(TemplatesMenu()), (Names{"Save Template 1301", "Open Template 1302", "-", "Z.hqd 1303",
                                             "a.hqd 1304", "b.hqd 1305", "Html>"}));
    HMENU html = ::GetSubMenu(TemplatesMenu(), 6);
    EXPECT_EQ(Items(html), (Names{"list.hqd 1306", "Deep>"}));
    EXPECT_EQ(Items(::GetSubMenu(html, 1)), Names{"x.hqd 1307"});

    // Highlighting an item shows its file in the status bar.
    ::SetForegroundWindow(Frame->GetHandle());
    ::SetCursorPos(17, 17);
    Frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(1304, MF_HILITE), reinterpret_cast<LPARAM>(TemplatesMenu()));
    EXPECT_EQ(MainStatusBar->GetShownText(), Dir.File("a.hqd"));
}

// Folders sort as "name, separator, number", like the templates: "Web pages" before "Web". A
// template's own description is its hint; without one (or with its bare name) its file is.
TEST_F(TemplatesAndPages, FoldersSortLikeTemplatesAndDescriptionsAreTheHints)
{
    MakeTemplate("Web\\Link list.hqd", "h_menuhelp=Link list\r\n");
    MakeTemplate("Web pages\\Gallery.hqd", "h_menutitle=Gallery\r\nh_menuhelp=A page of pictures\r\n");
    MakeTemplate("Web pages\\Plain.hqd");
    StartWith("");
    EXPECT_EQ(Items(TemplatesMenu()), (Names{"Save Template 1301", "Open Template 1302", "-", "Web pages>", "Web>"}));
    EXPECT_EQ(Items(::GetSubMenu(TemplatesMenu(), 3)), (Names{"Gallery.hqd 1303", "Plain.hqd 1304"}));
    EXPECT_EQ(Items(::GetSubMenu(TemplatesMenu(), 4)), Names{"Link list.hqd 1305"});

    ::SetForegroundWindow(Frame->GetHandle());
    const std::vector<std::pair<UINT, std::string>> hints = {
        {1303, "A page of pictures"},
        {1304, Dir.File("Web pages\\Plain.hqd")},
        {1305, Dir.File("Web\\Link list.hqd")},
    };
    int x = 40;
    for (const auto& [id, hint] : hints) {
        ::SetCursorPos(x++, 40);   // a new place: the hint is looked up again
        Frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(id, MF_HILITE), reinterpret_cast<LPARAM>(TemplatesMenu()));
        EXPECT_EQ(MainStatusBar->GetShownText(), hint) << id;
    }
}

TEST_F(TemplatesAndPages, TemplatesNamedInAnyScriptShowWholeAndLoad)
{
    const std::string folder = Folder() + "\\Ωμέγα Фото";
    ASSERT_TRUE(::CreateDirectoryW(Wide(folder).c_str(), nullptr));
    const std::string file = folder + "\\报告 😀.hqd";
    std::FILE* out = OpenNativeFile(file, "wb");
    ASSERT_NE(out, nullptr);
    std::fputs("[Strandel]\r\nHeader=<季度 😀>\r\n", out);
    std::fclose(out);
    StartWith("");
    EXPECT_EQ(Items(TemplatesMenu()), (Names{"Save Template 1301", "Open Template 1302", "-", "Ωμέγα Фото>"}));
    EXPECT_EQ(Items(::GetSubMenu(TemplatesMenu(), 3)), Names{"报告 😀.hqd 1303"});
    Command(1303);
    EXPECT_EQ(ControlText(IDC_HEADER), "季度 😀");
    EXPECT_EQ(TextOf(Frame->GetHandle()), "Tarvik Strandel - 报告 😀");
}

TEST_F(TemplatesAndPages, TemplatesBeyondTheIdRangeShowButDoNothing)
{
    for (int i = 0; i < 300; ++i)
        MakeTemplate("t" + std::to_string(1000 + i) + ".hqd", "Header=<" + std::to_string(i) + ">\r\n");
    StartWith("");
    HMENU menu = TemplatesMenu();
    ASSERT_EQ(::GetMenuItemCount(menu), 303);
    EXPECT_EQ(::GetMenuItemID(menu, 3 + 296), static_cast<UINT>(IDM_TEMPLATE_LAST));
    EXPECT_EQ(::GetMenuItemID(menu, 3 + 297), 0u);
    Command(IDM_TEMPLATE_LAST);
    EXPECT_EQ(ControlText(IDC_HEADER), "296");
}

TEST_F(TemplatesAndPages, ChoosingATemplateAppliesIt)
{
    MakeTemplate("HtmlList.hqd", "Header=<<LI>>\r\nQueue=<</LI>#QZ_BR#>\r\nInvertSlash=1\r\nCheckIndex=2\r\n"
                                 "MainHead=<<UL>>\r\nSaveLocal=1\r\nFileOutput=C:\\Web\\index.htm\r\n");
    MakeTemplate("Plain.hqd", "Header=<plain>\r\n");
    StartWith("[Strandel]\r\nSaveLocal=1\r\n");
    Command(IDM_TEMPLATE_FIRST);
    EXPECT_EQ(TextOf(Frame->GetHandle()), "Tarvik Strandel - HtmlList");
    EXPECT_EQ(ControlText(IDC_HEADER), "<LI>");
    EXPECT_EQ(ControlText(IDC_QUEUE), "</LI>\r\n");
    EXPECT_TRUE(Checked(IDC_PATH_NOPATH));
    EXPECT_TRUE(Checked(IDC_INVERTSLASH));
    EXPECT_EQ(ControlText(IDC_MAINHEAD), "<UL>");
    EXPECT_EQ(ControlText(IDC_OUTFILE), "C:\\Web\\index.htm");
    EXPECT_EQ(ControlText(IDC_RELPATH), "C:\\Web\\");

    // Without local info the output file stays, and the check box goes off.
    Command(IDM_TEMPLATE_FIRST + 1);
    EXPECT_EQ(ControlText(IDC_HEADER), "plain");
    EXPECT_TRUE(Checked(IDC_PATH_FULL));
    EXPECT_FALSE(Checked(IDC_SAVELOCAL));
    EXPECT_EQ(ControlText(IDC_OUTFILE), "C:\\Web\\index.htm");

    // A template gone since the menu was made changes nothing.
    std::filesystem::remove(Dir.File("HtmlList.hqd"));
    TBoxAnswerer person(IDOK, "Tarvik Strandel");
    Command(IDM_TEMPLATE_FIRST);
    EXPECT_EQ(person.Text(), "The template " + Dir.File("HtmlList.hqd") + " is not there any more.");
    EXPECT_EQ(ControlText(IDC_HEADER), "plain");
}

TEST_F(TemplatesAndPages, SaveThenOpenKeepsTheTextsAndTheMenuTexts)
{
    StartWith("");
    const std::string file = Dir.File("Mine.hqd");
    std::string offered;
    auto typeName = [&](HWND box) {
        offered = TextOf(::GetDlgItem(box, 1148));
        ::SetDlgItemTextW(box, 1148, Wide(file).c_str());
    };
    TypeAround("[", "]\r\n");
    Click(IDC_PATH_RELATIVE);
    {
        TBoxAnswerer person(IDOK, "Save Head & Queue", 15000, typeName);
        Command(IDM_SAVETEMPLATE);
        ASSERT_TRUE(person.Answered());
    }
    const std::string saved = ReadBytes(file);
    EXPECT_EQ(saved.rfind("[Strandel]\r\nh_menutitle=Mine\r\nh_menuhelp=Mine\r\nHeader=<[>\r\nQueue=<]#QZ_BR#>\r\n", 0),
              0u) << saved;
    EXPECT_NE(saved.find("CheckIndex=1\r\n"), std::string::npos) << saved;
    EXPECT_EQ(TextOf(Frame->GetHandle()), "Tarvik Strandel - Mine");
    // On the Templates menu at once, in its place, and it applies.
    EXPECT_EQ(Items(TemplatesMenu()), (Names{"Save Template 1301", "Open Template 1302", "-", "Mine.hqd 1303"}));
    Type(IDC_HEADER, "other");
    Command(IDM_TEMPLATE_FIRST);
    EXPECT_EQ(ControlText(IDC_HEADER), "[");

    // Titles edited by hand stay when the template is saved again; the dialog offers it.
    std::string edited = saved;
    edited.replace(edited.find("h_menutitle=Mine"), 16, "h_menutitle=My list");
    WriteBytes(file, edited);
    TypeAround("(", ")");
    {
        TBoxAnswerer person(IDOK, "Save Head & Queue", 15000, typeName);
        TBoxAnswerer replace(IDYES, "Save Head & Queue", 15000, {}, "already exists");
        Command(IDM_SAVETEMPLATE);
        ASSERT_TRUE(person.Answered());
        ASSERT_TRUE(replace.Answered());
    }
    EXPECT_EQ(offered, "Mine.hqd");   // the dialog opens in the template's folder
    EXPECT_NE(ReadBytes(file).find("h_menutitle=My list\r\nh_menuhelp=Mine\r\nHeader=<(>"), std::string::npos);

    TypeAround("changed", "changed");
    Click(IDC_PATH_FULL);
    {
        TBoxAnswerer person(IDOK, "Save Head & Queue", 15000, typeName);
        Command(IDM_OPENTEMPLATE);
        ASSERT_TRUE(person.Answered());
    }
    EXPECT_EQ(ControlText(IDC_HEADER), "(");
    EXPECT_EQ(ControlText(IDC_QUEUE), ")");
    EXPECT_TRUE(Checked(IDC_PATH_RELATIVE));
}

// The pages of the worked example: the program in its folder, a picture below it and a
// file on another drive.
class WebPages : public TemplatesAndPages {
protected:
    void StartWithTheExample()
    {
        MakeTemplate("pics\\cat.gif", "");
        StartWith("");
        SetOutput("C:\\mine\\out.txt");
        Click(IDC_PATH_NOPATH);
        TypeAround("my unsaved header", "my queue");
        Dialog->Settings().MainHead = "my head";
        Add({"D:\\docs\\a.txt"});
        Dialog->FileListBox().SetSelIndex(-1);
        Add({Dir.File("pics\\cat.gif").c_str()});
    }
    // The user's settings, all back after the page.
    void ExpectTheUsersSettings() const
    {
        EXPECT_EQ(ControlText(IDC_HEADER), "my unsaved header");
        EXPECT_EQ(ControlText(IDC_QUEUE), "my queue");
        EXPECT_EQ(ControlText(IDC_OUTFILE), "C:\\mine\\out.txt");
        EXPECT_EQ(ControlText(IDC_RELPATH), "C:\\mine\\");
        EXPECT_EQ(Dialog->Settings().MainHead, "my head");
        EXPECT_TRUE(Checked(IDC_PATH_NOPATH));
        EXPECT_FALSE(Checked(IDC_INVERTSLASH));
    }
    std::string Slashed(std::string name) const
    {
        for (char& c : name)
            c = c == '\\' ? '/' : c;
        return name;
    }

    static constexpr const char* Head =
        "<HTML><HEAD><TITLE>Tarvik Strandel generator</TITLE>\r\n"
        "<FONT SIZE= \"+2\">Tarvik Strandel Web page </FONT>\r\n"
        "<HR> </HEAD>\r\n"
        "<!--DocHeaderStart-->\r\n"
        "<BODY leftmargin=8 bgcolor=#E8E8FF VLINK=#666666 LINK=#FF0000 TEXT=#000000>\r\n"
        "<FONT FACE=\"ARIAL,HELVETICA\" SIZE=2>\r\n"
        "<!--DocHeaderEnd-->\r\n";
    const std::string Foot = std::string("\r\n<P><HR><P>\r\n<a href=\"") + HomePageAddress +
                             "\"> Strandel page</a>\r\n</BODY></HTML>";
    // The two pages of the example.
    std::string ImagesPage() const
    {
        return std::string(Head) + "<CENTER>\r\n" + "<IMG SRC=\"file:pics/cat.gif\" ALT=\"" +
               Slashed(Dir.File("pics\\cat.gif")) + "\" vspace=7 BORDER=0> <BR> cat.gif <P>\r\n" +
               "<P align=left><LI><A HREF= \"file:D:/docs/a.txt\">Open </A> D:/docs/a.txt <CODE> Itsn't an image "
               "(gif;jpg;jpeg;bmp;png;webp;svg).</P></CODE>\r\n" +
               "\r\n</CENTER>\r\n" + Foot;
    }
    std::string LinkPage() const
    {
        return std::string(Head) + "<LI> <A HREF=\"file:pics/cat.gif\"> Click here to open: cat.gif </A><BR> <P>\r\n" +
               "<LI> <A HREF=\"file:D:/docs/a.txt\"> Click here to open: a.txt </A><BR> <P>\r\n" + Foot;
    }
};

TEST_F(WebPages, HtmlImagesShowsPicturesAndLinksTheRestThenGivesTheSettingsBack)
{
    StartWithTheExample();
    Command(IDM_HTMLIMAGES);
    EXPECT_EQ(ReadBytes(Dir.File("dragtmp.htm")), ImagesPage());
    ExpectTheUsersSettings();
    // What was saved before the page was made is the user's too.
    EXPECT_NE(ReadBytes(WindowsFolderIni()).find("Header=<my unsaved header>"), std::string::npos);
}

TEST_F(WebPages, HtmlLinkLinksEveryFile)
{
    StartWithTheExample();
    Command(IDM_HTMLLINK);
    EXPECT_EQ(ReadBytes(Dir.File("dragtmp.htm")), LinkPage());
    ExpectTheUsersSettings();
}

// The pages are plain HTML in UTF-8 with CR LF whatever the user's own output format is, and
// that format is the user's again afterwards.
TEST_F(WebPages, ThePagesKeepTheirBytesWhateverTheOutputFormat)
{
    StartWithTheExample();
    TSettings& s = Dialog->Settings();
    s.MoreVariables = true;
    s.NameEscape = TEscape::Html;
    s.OutputEncoding = TOutputEncoding::Utf16Le;
    s.LineEnds = TLineEnds::Lf;
    const std::pair<int, std::string> pages[] = {{IDM_HTMLIMAGES, ImagesPage()}, {IDM_HTMLLINK, LinkPage()}};
    for (const auto& [command, page] : pages) {
        Command(command);
        EXPECT_EQ(ReadBytes(Dir.File("dragtmp.htm")), page) << command;
        ExpectTheUsersSettings();
        EXPECT_TRUE(s.MoreVariables);
        EXPECT_EQ(s.NameEscape, TEscape::Html);
        EXPECT_EQ(s.OutputEncoding, TOutputEncoding::Utf16Le);
        EXPECT_EQ(s.LineEnds, TLineEnds::Lf);
    }
}

// "#" and "%" in a file's name would end its link or start an escape: the link holds them
// escaped, the text shown holds them as they are.
TEST_F(WebPages, APictureNamedWithAHashShows)
{
    MakeTemplate("pics\\#1 50%.gif", "");
    StartWith("");
    Add({Dir.File("pics\\#1 50%.gif").c_str()});
    Command(IDM_HTMLIMAGES);
    const std::string page = ReadBytes(Dir.File("dragtmp.htm"));
    EXPECT_NE(page.find("<IMG SRC=\"file:pics/%231 50%25.gif\" ALT=\"" + Slashed(Dir.File("pics\\#1 50%.gif")) +
                        "\" vspace=7 BORDER=0> <BR> #1 50%.gif <P>\r\n"),
              std::string::npos)
        << page;
}

TEST_F(WebPages, APageThatCannotBeWrittenLeavesTheOldOneClosed)
{
    StartWithTheExample();
    std::filesystem::create_directory(Dir.File("dragtmp.htm"));   // nothing can be written there
    TBoxAnswerer person(IDOK, "Invalid output file name");
    Command(IDM_HTMLLINK);
    EXPECT_EQ(person.Text(), CreateFailedMessage(Dir.File("dragtmp.htm"), ERROR_ACCESS_DENIED));
    ExpectTheUsersSettings();
}

// The Options sheet, its pages set by a person: Send To's second choice, tips off, new extensions.
TEST_F(TemplatesAndPages, TheOptionsSheetKeepsWhatOkConfirmsAndNothingOnCancel)
{
    StartWith("[Strandel]\r\nUseTip=1\r\n");
    ASSERT_EQ(MainStatusBar->UseTip, 1);
    auto setPages = [](HWND sheet) {
        HWND sendTo = reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        ::SendMessageW(::GetDlgItem(sendTo, IDC_SENDTO_LINE), BM_CLICK, 0, 0);
        ::SendMessageW(sheet, PSM_SETCURSEL, 1, 0);
        HWND various = reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        ::SendMessageW(::GetDlgItem(various, IDC_USETIP), BM_SETCHECK, BST_UNCHECKED, 0);
        ::SetDlgItemTextW(various, IDC_IMAGEEXT, Wide((std::string("png;svg;") + std::string(100, 'x'))).c_str());
    };
    {
        TBoxAnswerer person(IDCANCEL, "Options", 15000, setPages);
        Command(IDM_OPTIONS);
        ASSERT_TRUE(person.Answered());
    }
    EXPECT_EQ(MainStatusBar->UseTip, 1);
    EXPECT_EQ(Dialog->Settings().SendToIndex, 0);
    EXPECT_EQ(Dialog->Settings().ImageExt, "gif;jpg;jpeg;bmp;png;webp;svg");
    EXPECT_EQ(ReadBytes(WindowsFolderIni()).find("ImageExt"), std::string::npos);
    {
        TBoxAnswerer person(IDOK, "Options", 15000, setPages);
        Command(IDM_OPTIONS);
        ASSERT_TRUE(person.Answered());
    }
    EXPECT_EQ(MainStatusBar->UseTip, 0);
    EXPECT_EQ(Dialog->Settings().SendToIndex, 1);
    const std::string kept = "png;svg;" + std::string(71, 'x');
    EXPECT_EQ(Dialog->Settings().ImageExt, kept);
    EXPECT_NE(ReadBytes(WindowsFolderIni()).find("ImageExt=" + kept + "\r\n"), std::string::npos);
}

} // namespace
