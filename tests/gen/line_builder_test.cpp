#include "gen/detail_text.h"
#include "gen/file_list.h"
#include "gen/line_builder.h"
#include "settings/settings.h"
#include "support/paths.h"
#include "text/native_path.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

class LineBuilderTest : public ::testing::Test {
protected:
    LineBuilderTest()
    {
        Settings.SetFileOutput("C:\\Web\\index.htm");
    }

    std::string Line(const std::string& header, const std::string& queue, int index = 0)
    {
        TLineBuilder builder(Settings, List, header, queue);
        return builder.BuildLine(index);
    }

    // The text with its variables replaced for the file (entry 0 unless given).
    std::string Expand(std::string text, const std::string& file, int index = 0)
    {
        TLineBuilder builder(Settings, List, "", "");
        std::string name;
        builder.ExpandPart(text, index, &file, name);
        return text;
    }

    TSettings Settings = FirstStartSettings();
    TVectorFileList List{{"C:\\Web\\img\\cat.gif", "C:\\Docs\\a.txt", "D:\\x\\b.txt"}};
};

// A text with its variables replaced for a file, as the file's entry at the index.
TEST_F(LineBuilderTest, ExpandReplacesTheVariablesForTheFile)
{
    const char* const cat = "C:\\Web\\img\\cat.gif";
    const struct {
        const char* Text;
        const char* File;
        const char* Expanded;
        int Index = 0;
    } cases[] = {
        // Variables describe the file; on another drive the relative folder is the full folder,
        // directly in the base folder there is none, and a share has no drive.
        {"QZ_DRIVE|QZ_PATH|QZ_NAME|QZ_EXT|QZ_RELPATH|QZ_GETSELINDEX|QZ_GETCOUNT", cat,
         "C:|\\Web\\img\\|cat|.gif|img|1|0"},
        {"QZ_GETSELINDEX/QZ_GETCOUNT", cat, "42/41", 41},
        {"QZ_RELPATH", "D:\\x\\b.txt", "D:\\x"},
        {"[QZ_RELPATH]", "C:\\Web\\cat.gif", "[]"},
        {"[QZ_DRIVE]QZ_PATH", "\\\\srv\\sh\\f.txt", "[]\\\\srv\\sh\\"},
        // Names and extensions split at the last dot.
        {"QZ_NAME|QZ_EXT", "C:\\a.tar.gz", "a.tar|.gz"},
        {"QZ_NAME|QZ_EXT|", "C:\\dir.d\\README", "README||"},
        {"[QZ_NAME]QZ_EXT", "C:\\home\\.profile", "[].profile"},
        {"QZ_PATH|QZ_NAME", "C:/www/pics/dog.jpg", "/www/pics/|dog"},
        {"QZ_PATH|QZ_NAME", "cat.gif", "|cat"},
        // Variables match exactly, anywhere and every time.
        {"qz_name Qz_NAME", cat, "qz_name Qz_NAME"},
        {"XQZ_NAMEX", cat, "XcatX"},
        {"QZ_NAME-QZ_NAME-QZ_NAMEQZ_NAME", cat, "cat-cat-catcat"},
        {"QZ_ QZ_NAM QZ_", cat, "QZ_ QZ_NAM QZ_"},
        // Replacement ends when a value holds its own name.
        {"<QZ_NAME>", "C:\\QZ_NAME.txt", "<QZ_NAME>"},
        {"QZ_NAME QZ_NAME", "C:\\xQZ_NAMEx.txt", "xQZ_NAMEx xQZ_NAMEx"},
        // Text inserted for a variable is searched for the later ones: QZ_PATH brings "QZ_EXT" in;
        // an empty drive joins the text around it into a later variable, but not into an earlier one.
        {"QZ_PATH", "C:\\QZ_EXT\\f.txt", "\\.txt\\"},
        {"QZ_QZ_DRIVENAME", "\\\\srv\\sh\\f.txt", "f"},
        {"QZ_DRQZ_EXTIVE", "C:\\f", "QZ_DRIVE"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Expand(c.Text, c.File, c.Index), c.Expanded) << c.Text << " for " << c.File;
}

TEST_F(LineBuilderTest, InvertSlashTouchesFoldersNotDriveNameOrTexts)
{
    Settings.InvertSlash = true;
    EXPECT_EQ(Expand("QZ_DRIVE QZ_PATH QZ_NAMEQZ_EXT QZ_RELPATH \\", "C:\\Web\\img\\sub\\cat.gif"),
              "C: /Web/img/sub/ cat.gif img/sub \\");
}

TEST_F(LineBuilderTest, LinesExpandTheirTextsExactlyAsExpandPartDoes)
{
    // Lines take a quicker road for texts whose values form no new variable name.
    const std::string texts[] = {"QZ_QZ_DRIVENAME", "QZ_PATH|QZ_NAME", "<QZ_NAME>QZ_EXT\r\n",
                                 "QZ_DRQZ_EXTIVE", "QZ_ QZ_NAM", "QZ_GETCOUNTQZ_GETSELINDEX",
                                 "a\rQZ_\rNAME", "QZ_RELPATH/QZ_NAMEQZ_EXT"};
    const std::string names[] = {"\\\\srv\\sh\\f.txt", "C:\\QZ_EXT\\QZ_NAME.QZ_PATH", "C:\\Web\\img\\cat.gif",
                                 "QZ_", "D:\\x\\GETCOUNT.QZ_GET"};
    Settings.CheckIndex = None;
    for (const std::string& name : names) {
        TVectorFileList one({name});
        for (const std::string& text : texts) {
            TLineBuilder builder(Settings, one, text, "");
            std::string expanded = text, ignored;
            builder.ExpandPart(expanded, 0, nullptr, ignored);
            EXPECT_EQ(builder.BuildLine(0), expanded) << text << " for " << name;
        }
    }
}

TEST_F(LineBuilderTest, CarriageReturnsAreDroppedSoLineBreaksAreLf)
{
    EXPECT_EQ(Line("<a>\r\n", "\r\n</a>\r\n"), "<a>\nC:\\Web\\img\\cat.gif\n</a>\n");
    EXPECT_EQ(Line("QZ_\r\nNAME", ""), "QZ_\nNAMEC:\\Web\\img\\cat.gif");
}

TEST_F(LineBuilderTest, PathModesShapeTheName)
{
    const char* expected[4][3] = {
        {"C:\\Web\\img\\cat.gif", "C:\\Docs\\a.txt", "D:\\x\\b.txt"},
        {"img\\cat.gif", "..\\Docs\\a.txt", "D:\\x\\b.txt"},
        {"cat.gif", "a.txt", "b.txt"},
        {"", "", ""},
    };
    for (int mode = 0; mode < 4; ++mode) {
        Settings.CheckIndex = mode;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(Line("[", "]", i), std::string("[") + expected[mode][i] + "]") << mode << " " << i;
    }
    Settings.CheckIndex = 7;   // anything else is Full
    EXPECT_EQ(Line("", "", 1), "C:\\Docs\\a.txt");

    Settings.CheckIndex = Relative;
    Settings.InvertSlash = true;
    EXPECT_EQ(Line("", " ", 1) + Line("", " ", 2) + Line("", "", 0), "../Docs/a.txt D:/x/b.txt img/cat.gif");
}

TEST_F(LineBuilderTest, EntriesWithoutAFolderKeepTheirNameInRelativeMode)
{
    // An empty line of a list file, or a bare name, has no folder to climb from.
    Settings.CheckIndex = Relative;
    List = TVectorFileList({"", "C", "readme.txt"});
    EXPECT_EQ(Line("[", "]", 0) + Line("[", "]", 1) + Line("[", "]", 2), "[][C][readme.txt]");
    EXPECT_EQ(Expand("[QZ_RELPATH]", "") + Expand("[QZ_RELPATH]", "C"), "[][]");
}

TEST_F(LineBuilderTest, NoneModeLineIsHeaderThenQueue)
{
    Settings.CheckIndex = None;
    EXPECT_EQ(Line("copy \"QZ_DRIVEQZ_PATHQZ_NAMEQZ_EXT\"", " \"bak\\QZ_NAME.bak\"\n", 1),
              "copy \"C:\\Docs\\a.txt\" \"bak\\a.bak\"\n");
}

TEST_F(LineBuilderTest, HeaderAndQueueAreReadUpTo1998Characters)
{
    std::string longHeader(2500, 'h');
    Settings.CheckIndex = None;
    EXPECT_EQ(Line(longHeader, "q"), std::string(1998, 'h') + "q");
}

TEST_F(LineBuilderTest, GivenNameReplacesTheEntryButNotThePosition)
{
    TLineBuilder builder(Settings, List, "QZ_GETSELINDEX:QZ_NAME:", ":QZ_GETCOUNT");
    std::string sent = "C:\\Web\\sent.txt";
    EXPECT_EQ(builder.BuildLine(0, &sent), "1:sent:C:\\Web\\sent.txt:0");
    // ExpandPart with an empty text gives only the name in the path mode
    Settings.CheckIndex = Relative;
    Settings.InvertSlash = true;
    std::string text, name;
    builder.ExpandPart(text, 0, nullptr, name);
    EXPECT_EQ(text, "");
    EXPECT_EQ(name, "img/cat.gif");
}

TEST_F(LineBuilderTest, ExpandPartWithoutEntryUsesTheNameAlreadyHeld)
{
    TLineBuilder builder(Settings, List, "", "");
    std::string text = "QZ_NAME QZ_GETCOUNT", name = "C:\\held\\kept.txt";
    builder.ExpandPart(text, 3, nullptr, name);
    EXPECT_EQ(text, "kept 3");
    EXPECT_EQ(name, "C:\\held\\kept.txt");
}

TEST_F(LineBuilderTest, WorkedExampleOfAnHtmlList)
{
    Settings.CheckIndex = Relative;
    Settings.InvertSlash = true;
    Settings.MainHead = "<UL>\r\n";
    Settings.MainQueue = "</UL>\r\nQZ_GETCOUNT files";
    TLineBuilder builder(Settings, List, "<LI><A HREF=\"", "\">QZ_NAMEQZ_EXT</A>\r\n");
    EXPECT_EQ(builder.BuildOutput(),
              "<UL>\n"
              "<LI><A HREF=\"img/cat.gif\">cat.gif</A>\n"
              "<LI><A HREF=\"../Docs/a.txt\">a.txt</A>\n"
              "<LI><A HREF=\"D:/x/b.txt\">b.txt</A>\n"
              "</UL>\n"
              "3 files");
}

TEST_F(LineBuilderTest, MainHeadSeesTheFirstFileAndMainQueueTheCountAndTheLastFile)
{
    Settings.MainHead = "QZ_GETSELINDEX QZ_GETCOUNT QZ_NAME|";
    Settings.MainQueue = "|QZ_GETSELINDEX QZ_GETCOUNT QZ_DRIVEQZ_PATHQZ_NAME";
    Settings.CheckIndex = None;
    TLineBuilder builder(Settings, List, "", "");
    EXPECT_EQ(builder.BuildOutput(), "1 0 cat||4 3 D:\\x\\b");
}

TEST_F(LineBuilderTest, LinesFollowEachOtherWithNothingBetween)
{
    Settings.CheckIndex = NoPath;
    TLineBuilder builder(Settings, List, "", ";");
    EXPECT_EQ(builder.BuildOutput(), "cat.gif;a.txt;b.txt;");
}

TEST_F(LineBuilderTest, SpecialExtensionsPickTheAlternatePairForOtherFiles)
{
    Settings.CheckIndex = NoPath;
    TVectorFileList pictures({"C:\\p\\one.GIF", "C:\\p\\two.txt", "C:\\p\\three", "C:\\p\\four.pe"});
    TLineBuilder builder(Settings, pictures, "<IMG SRC=\"", "\">\n");
    builder.SpecialExt = "gif;jpg;jpeg;bmp";
    builder.AltHeadQueue = {"<A HREF=\"", "\">QZ_NAME</A>\n"};
    EXPECT_EQ(builder.BuildLine(0), "<IMG SRC=\"one.GIF\">\n");
    EXPECT_EQ(builder.BuildLine(1), "<A HREF=\"two.txt\">two</A>\n");
    EXPECT_EQ(builder.BuildLine(2), "<IMG SRC=\"three\">\n");   // no extension: the normal pair
    EXPECT_EQ(builder.BuildLine(3), "<IMG SRC=\"four.pe\">\n"); // found inside "jpeg"
}

// With MoreVariables: the new variables, counters and escaped forms, each value put in once.
TEST_F(LineBuilderTest, MoreVariablesAddDetailsCountersAndEscapedForms)
{
    const char* const hash = "C:\\Web\\img sub\\a #1.png";
    const struct {
        const char* Text;
        const char* File;
        const char* Expanded;
        int Index = 0;
    } cases[] = {
        {"QZ_FULLNAME|QZ_NAME_URL|QZ_PATH_URL|QZ_RELPATH_URL", hash,
         "C:\\Web\\img sub\\a #1.png|a%20%231|/Web/img%20sub/|img%20sub"},
        {"QZ_NAME_HTMLQZ_EXT_HTML|QZ_FULLNAME_ARG|QZ_NAME_CSV", "C:\\a\\Tom & \"J\".txt",
         "Tom &amp; &quot;J&quot;.txt|\"C:\\a\\Tom & \\\"J\\\".txt\"|Tom & \"\"J\"\""},
        {"QZ_DRIVEQZ_PATH_BATCHQZ_NAME_BATCH QZ_NAME_PS", "C:\\100%\\it's 5%.txt", "C:\\100%%\\it's 5%% it''s 5%"},
        // The classic variables keep their meaning, the suffixes go on any of them.
        {"QZ_GETSELINDEX QZ_GETCOUNT QZ_GETCOUNT_HTML QZ_DRIVE_URL", hash, "42 41 41 C:", 41},
        // Counters: from first by step, zeros in front ask for a width; an unreadable argument
        // leaves a plain counter and the text after it.
        {"QZ_COUNTER(001) QZ_COUNTER(10,10) QZ_COUNTER(5,-3) QZ_COUNTER QZ_COUNTER(0)", hash, "004 40 -4 4 3", 3},
        {"QZ_COUNTER(x) QZ_COUNTER(1,) QZ_COUNTER(01,2)_HTML", hash, "1(x) 1(1,) 01", 0},
        {"QZ_COUNTER(00)", hash, "1234", 1234},
        {"QZ_COUNTER(9999999999999999999)", hash, "1(9999999999999999999)"},
        // A value is never searched again, and names match the longest first, anywhere.
        {"QZ_PATH", "C:\\QZ_EXT\\f.txt", "\\QZ_EXT\\"},
        {"<QZ_NAME>", "C:\\QZ_NAME_URL.txt", "<QZ_NAME_URL>"},
        {"XQZ_NAMEX QZ_QZ_NAME QZ_NAME_url QZ_NAME_", hash, "Xa #1X QZ_a #1 a #1_url a #1_"},
        {"no variable\r\n here", hash, "no variable\n here"},
        {"QZ_X QZ_ QZ_SIZ", hash, "QZ_X QZ_ QZ_SIZ"},
        // A file that cannot be read has empty details.
        {"[QZ_SIZE|QZ_SIZETEXT|QZ_DATE|QZ_TIME]", "C:\\no\\such\\file.txt", "[|||]"},
    };
    Settings.MoreVariables = true;
    for (const auto& c : cases)
        EXPECT_EQ(Expand(c.Text, c.File, c.Index), c.Expanded) << c.Text << " for " << c.File;

    // Lines take the same road.
    TVectorFileList one({hash});
    TLineBuilder builder(Settings, one, "QZ_NAME_URL ", " QZ_COUNTER(01)\r\n");
    EXPECT_EQ(builder.BuildLine(0), "a%20%231 C:\\Web\\img sub\\a #1.png 01\n");
}

TEST_F(LineBuilderTest, WithoutMoreVariablesTheNewFormsAreText)
{
    const std::string text = "QZ_NAME_URL QZ_SIZE QZ_COUNTER(001) QZ_FULLNAME QZ_DATE";
    EXPECT_EQ(Expand(text, "C:\\Web\\cat.gif"), "cat_URL QZ_SIZE QZ_COUNTER(001) QZ_FULLNAME QZ_DATE");
}

TEST_F(LineBuilderTest, NameEscapeShapesTheNameInEveryPathMode)
{
    List = TVectorFileList({"C:\\Web\\my img\\a #1.png", "D:\\x\\100%.txt"});
    const struct {
        int Mode;
        TEscape Escape;
        bool Invert;
        const char* First;
        const char* Second;
    } cases[] = {
        {Relative, TEscape::Url, false, "my%20img/a%20%231.png", "D:/x/100%25.txt"},
        {Full, TEscape::Batch, false, "C:\\Web\\my img\\a #1.png", "D:\\x\\100%%.txt"},
        {NoPath, TEscape::Html, true, "a #1.png", "100%.txt"},
        {Full, TEscape::Arg, true, "\"C:/Web/my img/a #1.png\"", "D:/x/100%.txt"},
        {None, TEscape::Arg, false, "", ""},
    };
    for (const auto& c : cases) {
        Settings.CheckIndex = c.Mode;
        Settings.NameEscape = c.Escape;
        Settings.InvertSlash = c.Invert;
        EXPECT_EQ(Line("[", "]", 0), std::string("[") + c.First + "]") << c.Mode;
        EXPECT_EQ(Line("[", "]", 1), std::string("[") + c.Second + "]") << c.Mode;
        // Copying a name gives it as the line holds it.
        TLineBuilder builder(Settings, List, "", "");
        std::string text, name;
        builder.ExpandPart(text, 1, nullptr, name);
        EXPECT_EQ(name, c.Second);
    }
}

TEST_F(LineBuilderTest, DetailsOfRealFilesInLinesAndTheMainTexts)
{
    TTempDir dir("details");
    auto make = [&](const std::string& name, const std::string& bytes) {
        const std::string full = NameOfPath(dir.Folder() / NativePath(name));
        std::FILE* file = OpenNativeFile(full, "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        return full;
    };
    const std::string small = make("\xCE\xA9 small.txt", "12345");
    const std::string big = make("big.bin", std::string(1536, 'b'));
    const std::string folder = NameOfPath(dir.Folder() / "sub");
    std::filesystem::create_directory(NativePath(folder));
    char room[DetailTextRoom];
    const std::time_t now = std::time(nullptr);
    const std::tm local = *std::localtime(&now);
    const std::string d(IsoDate({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}, room));

    Settings.MoreVariables = true;
    Settings.CheckIndex = None;
    Settings.MainHead = "QZ_SIZE|";
    Settings.MainQueue = "|QZ_COUNTER(01) QZ_SIZETEXT";
    TVectorFileList files({small, "C:\\missing\\gone.txt", folder, big});
    TLineBuilder builder(Settings, files, "QZ_NAME:QZ_SIZE:QZ_SIZETEXT:", "QZ_DATE;");
    EXPECT_EQ(builder.BuildOutput(),
              "5|\xCE\xA9 small:5:5 bytes:" + d + ";gone:::;sub:::" + d + ";big:1536:1.5 KB:" + d + ";|05 1.5 KB");
    const std::string time = Expand("QZ_TIME", big);
    ASSERT_EQ(time.size(), 8u) << time;
    EXPECT_EQ(time[2], ':');
    EXPECT_EQ(time[5], ':');
}

TEST(DetailText, SizesReadAsAPersonReadsThem)
{
    const struct {
        std::uint64_t Bytes;
        const char* Text;
    } cases[] = {
        {0, "0 bytes"}, {1, "1 byte"}, {1023, "1023 bytes"}, {1024, "1.0 KB"}, {1536, "1.5 KB"},
        {10188, "9.9 KB"}, {10189, "10 KB"}, {1048063, "1023 KB"}, {1048064, "1.0 MB"}, {1258291, "1.2 MB"},
        {5ull << 30, "5.0 GB"}, {~0ull, "16 EB"},
    };
    char room[DetailTextRoom];
    for (const auto& c : cases)
        EXPECT_EQ(SizeText(c.Bytes, room), c.Text) << c.Bytes;
}

} // namespace
