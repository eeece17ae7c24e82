// The Preview window in the program as a user drives it: what it shows is what Create writes,
// it follows every change, its lines and the list select each other, Copy all copies the
// output, and it comes back where it was left.
#include "app/preview_window.h"
#include "gen/encoded_output.h"
#include "main_dialog_fixture.h"

#include <algorithm>
#include <fstream>

namespace {

// How long a change may take to reach the preview before a test gives up on it.
constexpr int PreviewDeadlineMs = 2000;

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", from)) {
        lines.push_back(text.substr(from, at - from));
        from = at + 2;
    }
    lines.push_back(text.substr(from));
    return lines;
}

class PreviewTest : public MainDialog {
protected:
    void Start(std::initializer_list<const char*> names)
    {
        StartWith("[Strandel]\r\nUseTip=0\r\n");
        SetOutput(Dir.File("out.txt"));
        Add(names);
        Command(IDM_PREVIEW);
        ASSERT_NE(Preview(), nullptr);
        ASSERT_TRUE(Preview()->IsWindowVisible());
    }
    TPreviewWindow* Preview() const { return Dialog->PreviewWindow(); }
    HWND Lines() const { return Preview()->LinesView().GetHandle(); }
    // What the preview shows, read from its window.
    std::string Shown() const { return TextOf(Lines()); }
    bool Shows(const std::string& text) const
    {
        return PumpUntil([&] { return Shown() == text; }, PreviewDeadlineMs);
    }
    bool ShowsPart(const std::string& part) const
    {
        return PumpUntil([&] { return Shown().find(part) != std::string::npos; }, PreviewDeadlineMs);
    }
    // The output file as Create writes it now, read back as text in its encoding.
    std::string Created() const
    {
        std::filesystem::remove(NativePath(Dir.File("out.txt")));
        Command(IDM_CREATE);
        return TextOfOutput(ReadBytes(Dir.File("out.txt")), OutputFormatOf(Dialog->Settings()));
    }
    // A path mode chosen as a click on its radio button leaves it: the one checked, the dialog told.
    void ChoosePathMode(int radio) const
    {
        for (int id : {IDC_PATH_FULL, IDC_PATH_RELATIVE, IDC_PATH_NOPATH, IDC_PATH_NONE})
            ::SendMessageW(Control(id), BM_SETCHECK, id == radio ? BST_CHECKED : BST_UNCHECKED, 0);
        Dialog->SendMessage(WM_COMMAND, MAKEWPARAM(radio, BN_CLICKED), reinterpret_cast<LPARAM>(Control(radio)));
    }
    void SetPathMode(int radio, bool invert) const
    {
        ChoosePathMode(radio);
        if (Checked(IDC_INVERTSLASH) != invert)
            Click(IDC_INVERTSLASH);
    }
    // Types into a field as the keyboard does, over what it holds (Enter for a line break).
    void TypeInto(int id, const std::string& text) const
    {
        ::SendMessageW(Control(id), EM_SETSEL, 0, -1);
        for (wchar_t c : Wide(text))
            if (c != L'\n')
                ::SendMessageW(Control(id), WM_CHAR, c, 1);
    }
    std::string Template(const std::string& keys) const
    {
        const std::string file = Dir.File("t" + RandomTag() + ".hqd");
        WriteBytes(file, "[Strandel]\r\nh_menutitle=Test\r\n" + keys);
        return file;
    }
    std::string ListFile(int count) const
    {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += "C:\\files\\entry " + std::to_string(i) + ".txt\r\n";
        const std::string file = Dir.File("long.lst");
        WriteBytes(file, text);
        return file;
    }
};

// The preview holds what Create writes, in every path mode, with slashes, a template, an
// empty Queue and texts of several lines.
TEST_F(PreviewTest, ShowsWhatCreateWrites)
{
    Start({"C:\\Web\\img\\cat one.gif", "C:\\Web\\caf\xC3\xA9.htm", "D:\\Music\\song.mp3"});
    Dialog->Settings().SetFileOutput(Dir.File("out.txt"));
    const struct {
        const char* Case;
        int Radio;
        bool Invert;
        const char* Header;
        const char* Queue;
        const char* TemplateKeys;   // loaded after the fields are typed, when given
    } cases[] = {
        {"full path", IDC_PATH_FULL, false, "copy \"", "\" x:\\\r\n", nullptr},
        {"relative, slashes", IDC_PATH_RELATIVE, true, "<a href=\"", "\">QZ_NAME</a>\r\n", nullptr},
        {"name only", IDC_PATH_NOPATH, false, "", "\r\n", nullptr},
        {"no name", IDC_PATH_NONE, false, "QZ_DRIVE QZ_PATH\t", "QZ_NAMEQZ_EXT\r\n", nullptr},
        {"empty Queue", IDC_PATH_FULL, true, "item ", "", nullptr},
        {"lines in Header and Queue", IDC_PATH_NOPATH, false, "rem one\r\nrem two\r\n", "\r\n\r\n", nullptr},
        {"a template", IDC_PATH_FULL, false, "", "",
         "Header=<\">\r\nQueue=<\",#QZ_BR#>\r\nMainHead=<[#QZ_BR#>\r\nMainQueue=<QZ_GETCOUNT]>\r\nCheckIndex=2\r\n"},
        {"a template in UTF-16 with LF", IDC_PATH_FULL, false, "", "",
         "Header=<- >\r\nQueue=<#QZ_BR#>\r\nCheckIndex=0\r\nOutputEncoding=utf-16le\r\nLineEnds=lf\r\nNameEscape=url\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        SetPathMode(c.Radio, c.Invert);
        TypeAround(c.Header, c.Queue);
        if (c.TemplateKeys)
            Dialog->LoadTemplate(Template(c.TemplateKeys));
        const std::string created = Created();
        EXPECT_TRUE(Shows(created)) << Shown() << "\n--- written ---\n" << created;
    }
}

// A long list: its first and last lines as Create writes them, a marked gap, and the totals of
// the whole output once counted.
TEST_F(PreviewTest, LongListShowsItsEndsAndItsSize)
{
    Start({});
    Dialog->Settings().MainHead = "head\r\n";
    Dialog->Settings().MainQueue = "QZ_GETCOUNT files";
    Dialog->SettingsToControls();
    TypeAround("<", ">\r\n");
    Dialog->AppendListFile(ListFile(100000));
    Dialog->FileList().Select(-1);
    ASSERT_TRUE(ShowsPart("not shown"));
    const std::vector<std::string> file = SplitLines(Created());
    const std::vector<std::string> shown = SplitLines(Shown());
    const std::size_t edge = 101;   // the Main head's line and 100 entries at each end
    ASSERT_EQ(shown.size(), 2 * edge + 1);
    EXPECT_TRUE(std::equal(shown.begin(), shown.begin() + edge, file.begin()));
    EXPECT_EQ(shown[edge], "... 99,800 entries not shown ...");
    EXPECT_TRUE(std::equal(shown.end() - edge, shown.end(), file.end() - edge));
    EXPECT_EQ(shown.back(), "100000 files");

    ASSERT_TRUE(PumpUntil([&] { return Preview()->TotalsKnown(); }, 20000));
    const std::uint64_t bytes = ReadBytes(Dir.File("out.txt")).size();
    EXPECT_NE(Preview()->TotalsText().find("100,000 entries: 100,002 lines, " + GroupedCount(bytes) + " bytes"),
              std::string::npos)
        << Preview()->TotalsText();
}

// Each kind of change reaches the preview, driven as the user makes it.
TEST_F(PreviewTest, FollowsEveryChange)
{
    Start({"C:\\Web\\a.htm", "C:\\Web\\b.htm"});
    TypeAround("", "\r\n");
    const std::string other = Dir.File("other.lst");
    WriteBytes(other, "C:\\Listed\\from list.txt\r\n");
    const std::string escaping = Template("Header=<[>\r\nQueue=<]#QZ_BR#>\r\nCheckIndex=2\r\nNameEscape=url\r\n");
    const struct {
        const char* Case;
        std::function<void()> Change;
        std::string Part;
    } cases[] = {
        {"Header typed", [&] { TypeInto(IDC_HEADER, "open "); }, "open C:\\Web\\a.htm\r\n"},
        {"Queue typed", [&] { TypeInto(IDC_QUEUE, " ;\r\n"); }, "open C:\\Web\\b.htm ;\r\n"},
        {"Invert slash", [&] { Click(IDC_INVERTSLASH); }, "open C:/Web/a.htm ;"},
        {"path mode", [&] { ChoosePathMode(IDC_PATH_NOPATH); }, "open a.htm ;"},
        {"Main head", [&] { Dialog->Settings().MainHead = "@echo off\r\n"; Dialog->SettingsToControls(); }, "@echo off\r\nopen a.htm"},
        {"output file's folder", [&] { SetOutput("C:\\out.txt"); ChoosePathMode(IDC_PATH_RELATIVE); }, "open Web/a.htm ;"},
        {"dropped files", [&] { DropOn(IDC_FILELIST, {"C:\\Drop\\new.txt"}); }, "open Drop/new.txt ;"},
        {"moved", [&] { Dialog->FileList().Select(0); Command(IDM_MOVEDOWN); }, "open Web/b.htm ;\r\nopen Web/a.htm ;"},
        {"deleted", [&] { Dialog->FileList().Select(0); Command(IDM_DELETE); }, "@echo off\r\nopen Web/a.htm ;\r\nopen Drop"},
        {"list file opened", [&] { Dialog->AppendListFile(other); }, "open Listed/from list.txt ;"},
        {"template with escaping", [&] { Dialog->LoadTemplate(escaping); }, "[from%20list.txt]"},
        {"cleared", [&] { Command(IDM_CLEARLIST); }, "The list is empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        c.Change();
        EXPECT_TRUE(ShowsPart(c.Part)) << Shown();
    }
}

// A click on a line selects its entry; selecting an entry sets its lines apart and brings
// them into view, even from the part of a long list the preview leaves out.
TEST_F(PreviewTest, LinesAndListSelectEachOther)
{
    Start({"C:\\a.txt", "C:\\b.txt", "C:\\c.txt"});
    TypeAround("", "\r\n");
    ASSERT_TRUE(Shows("C:\\a.txt\r\nC:\\b.txt\r\nC:\\c.txt\r\n"));
    const int lineHeight = Preview()->LinesView().LineHeight();
    ::SendMessageW(Lines(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 2 * lineHeight + lineHeight / 2));
    ::SendMessageW(Lines(), WM_LBUTTONUP, 0, MAKELPARAM(20, 2 * lineHeight + lineHeight / 2));
    EXPECT_EQ(Dialog->FileList().Selected(), 2);
    EXPECT_EQ(ControlText(IDC_COUNTER), "3/3");

    Dialog->FileList().Select(1);
    EXPECT_TRUE(PumpUntil([&] { return Preview()->LinesView().SelectedEntry() == 1; }, PreviewDeadlineMs));

    Dialog->AppendListFile(ListFile(100000));
    Dialog->FileList().Select(50000);
    ASSERT_TRUE(ShowsPart("C:\\files\\entry 49997.txt\r\n"));
    EXPECT_TRUE(PumpUntil([&] { return Preview()->LinesView().SelectedEntry() == 50000; }, PreviewDeadlineMs));
    const TPreviewLines& view = Preview()->LinesView();
    const auto& lines = view.Lines();
    const auto selected = std::find_if(lines.begin(), lines.end(), [](const TPreviewLine& l) { return l.Entry == 50000; });
    ASSERT_NE(selected, lines.end());
    const int index = static_cast<int>(selected - lines.begin());
    const RECT client = view.GetClientRect();
    EXPECT_GE(index, view.TopLine());
    EXPECT_LT(index, view.TopLine() + client.bottom / lineHeight) << "the selected entry's line is in view";
}

// With the marks, tabs and line breaks show; names stand apart, in red where the encoding cannot hold them.
TEST_F(PreviewTest, MarksShowTabsAndLineBreaksAndSetNamesApart)
{
    Start({"C:\\a.txt", "C:\\\xCE\xA9.txt"});
    Dialog->LoadTemplate(Template("Header=<\t>\r\nQueue=<;#QZ_BR#>\r\nCheckIndex=2\r\nOutputEncoding=ansi\r\n"));
    ASSERT_TRUE(Shows("\ta.txt;\r\n\t\xCE\xA9.txt;\r\n"));
    ::SendMessageW(::GetDlgItem(Preview()->GetHandle(), IDC_PREVIEW_MARKS), BM_CLICK, 0, 0);
    const TPreviewLines& view = Preview()->LinesView();
    EXPECT_TRUE(view.MarksShown());
    auto drawn = [&](std::size_t line, bool marks) {
        std::string text;
        for (const TDrawnRun& run : DrawnRuns(view.Lines().at(line), marks, true))
            text += "TNUMG"[static_cast<int>(run.Kind)] + Narrow(run.Text) + "|";
        return text;
    };
    EXPECT_EQ(drawn(0, true), "M\xE2\x86\x92       |Na.txt|T;|M\xC2\xB6|");
    EXPECT_EQ(drawn(1, true), "M\xE2\x86\x92       |U\xCE\xA9.txt|T;|M\xC2\xB6|");
    EXPECT_EQ(drawn(1, false), "T        |U\xCE\xA9.txt|T;|");
}

// Copy all puts on the clipboard what Create and copy puts there, in any encoding, and writes nothing.
TEST_F(PreviewTest, CopyAllIsTheCreatedOutput)
{
    Start({"C:\\one.txt", "C:\\two \xCE\xA9.txt"});
    TypeAround("[", "]\r\n");
    for (const char* keys : {"Header=<[>\r\nQueue=<]#QZ_BR#>\r\n",
                             "Header=<[>\r\nQueue=<]#QZ_BR#>\r\nOutputEncoding=utf-16le\r\nLineEnds=lf\r\n"}) {
        SCOPED_TRACE(keys);
        Dialog->LoadTemplate(Template(keys));
        std::filesystem::remove(NativePath(Dir.File("out.txt")));
        SetClipboardText("before");
        Preview()->SendMessage(WM_COMMAND, MAKEWPARAM(IDM_PREVIEW_COPYALL, 0), 0);
        const std::string copied = ClipboardText();
        EXPECT_FALSE(std::filesystem::exists(NativePath(Dir.File("out.txt")))) << "nothing is written";
        Command(IDM_CREATEANDCOPY);
        EXPECT_EQ(copied, ClipboardText());
        EXPECT_EQ(copied, TextOfOutput(ReadBytes(Dir.File("out.txt")), OutputFormatOf(Dialog->Settings())));
    }
}

// The window comes back where it was left at the next start; a settings file of a user who never
// opened it keeps its keys as they were.
TEST_F(PreviewTest, PlaceComesBackAtTheNextStart)
{
    StartWith("[Strandel]\r\nUseTip=0\r\n");
    ASSERT_TRUE(Dialog->CanClose());
    EXPECT_EQ(ReadBytes(WindowsFolderIni()).find("Preview"), std::string::npos);

    Command(IDM_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    ::SetWindowPos(Preview()->GetHandle(), nullptr, 130, 110, 520, 330, SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages();
    ASSERT_TRUE(Dialog->CanClose());
    Frame.reset();
    PumpMessages();

    Frame = BuildMainWindow();
    ASSERT_TRUE(Frame->Create());
    Dialog = Frame->GetClient();
    PumpMessages();
    Command(IDM_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    const RECT place = Preview()->GetWindowRect();
    EXPECT_EQ(place.left, 130);
    EXPECT_EQ(place.top, 110);
    EXPECT_EQ(place.right - place.left, 520);
    EXPECT_EQ(place.bottom - place.top, 330);
}

} // namespace
