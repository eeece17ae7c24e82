#include "settings/profile_portable.h"
#include "settings/settings.h"
#include "settings/template_file.h"
#include "support/paths.h"
#include "support/platform_profile.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

class TemplateFiles : public ::testing::Test {
protected:
    TemplateFiles() : Profile(MakePlatformProfile(Dir.Folder().string()))
    {
        Settings.SetFileOutput("C:\\Out\\before.txt");
    }

    TTempDir Dir;
    std::unique_ptr<TProfile> Profile;
    TSettings Settings = FirstStartSettings();
    std::string Header = "old header", Queue = "old queue";
};

TEST(TemplateTitles, AreTheNameWithoutFolderAndExtension)
{
    EXPECT_EQ(TemplateTitle("C:\\Tools\\HtmlList.hqd"), "HtmlList");
    EXPECT_EQ(TemplateTitle("C:\\Tools\\my.list.hqd"), "my.list");
    EXPECT_EQ(TemplateTitle("Bare"), "Bare");
    EXPECT_EQ(TemplateTitle("/home/u/Batch.hqd"), "Batch");
}

TEST_F(TemplateFiles, NewTemplateGetsItsNameAsTitleAndTheKeysInOrder)
{
    const std::string file = Dir.File("HtmlList.hqd");
    Settings.InvertSlash = true;
    Settings.CheckIndex = Relative;
    Settings.MainHead = "<UL>";
    WriteTemplateFile(Settings, *Profile, file, "<LI>", "</LI>\r\n");
    EXPECT_EQ(ReadBytes(file),
              "[Strandel]\r\n"
              "h_menutitle=HtmlList\r\n"
              "h_menuhelp=HtmlList\r\n"
              "Header=<<LI>>\r\n"
              "Queue=<</LI>#QZ_BR#>\r\n"
              "MainHead=<<UL>>\r\n"
              "MainQueue=<>\r\n"
              "InvertSlash=1\r\n"
              "CheckIndex=1\r\n"
              "SaveLocal=0\r\n");
}

TEST_F(TemplateFiles, ResavingKeepsHandEditedTitleAndHelp)
{
    const std::string file = Dir.File("HtmlList.hqd");
    WriteBytes(file, "[Strandel]\r\nh_menutitle=My list\r\nh_menuhelp=Makes a list\r\nHeader=<x>\r\n");
    WriteTemplateFile(Settings, *Profile, file, "y", "");
    EXPECT_EQ(Profile->ReadString(file, "Strandel", "h_menutitle", "", MenuTextRoom), "My list");
    EXPECT_EQ(Profile->ReadString(file, "Strandel", "h_menuhelp", "", MenuTextRoom), "Makes a list");
    EXPECT_EQ(Profile->ReadString(file, "Strandel", "Header", "", EncodedRoom), "<y>");
}

TEST_F(TemplateFiles, OpeningAppliesTextsModeAndFlags)
{
    const std::string file = Dir.File("t.hqd");
    Settings.CheckIndex = None;
    Settings.InvertSlash = true;
    Settings.MainHead = "head\r\nline";
    Settings.MainQueue = "tail";
    WriteTemplateFile(Settings, *Profile, file, "H\r\n", "Q");

    TSettings opened = FirstStartSettings();
    ReadTemplateFile(opened, *Profile, file, Header, Queue);
    EXPECT_EQ(Header, "H\r\n");
    EXPECT_EQ(Queue, "Q");
    EXPECT_EQ(opened.CheckIndex, None);
    EXPECT_TRUE(opened.InvertSlash);
    EXPECT_EQ(opened.MainHead, "head\r\nline");
    EXPECT_EQ(opened.MainQueue, "tail");
    EXPECT_FALSE(opened.SaveLocal);
    EXPECT_EQ(opened.FileOutput, DefaultFileOutput);
}

TEST_F(TemplateFiles, OutputFileTravelsOnlyWithLocalInfo)
{
    const std::string file = Dir.File("local.hqd");
    Settings.SaveLocal = true;
    Settings.SetFileOutput("C:\\Site\\index.htm");
    WriteTemplateFile(Settings, *Profile, file, "", "");
    EXPECT_EQ(Profile->ReadString(file, "Strandel", "FileOutput", "", FileNameRoom), "C:\\Site\\index.htm");

    TSettings opened = FirstStartSettings();
    ReadTemplateFile(opened, *Profile, file, Header, Queue);
    EXPECT_TRUE(opened.SaveLocal);
    EXPECT_EQ(opened.FileOutput, "C:\\Site\\index.htm");
    EXPECT_EQ(opened.RelPath, "C:\\Site\\");

    // Saved again without local info: the old FileOutput stays in the file but is not used.
    Settings.SaveLocal = false;
    Settings.SetFileOutput("C:\\Elsewhere\\x.txt");
    WriteTemplateFile(Settings, *Profile, file, "", "");
    EXPECT_EQ(Profile->ReadString(file, "Strandel", "FileOutput", "", FileNameRoom), "C:\\Site\\index.htm");
    opened = FirstStartSettings();
    opened.SaveLocal = true;
    ReadTemplateFile(opened, *Profile, file, Header, Queue);
    EXPECT_FALSE(opened.SaveLocal);
    EXPECT_EQ(opened.FileOutput, DefaultFileOutput);
}

TEST_F(TemplateFiles, LocalInfoWithAnEmptyOutputFileKeepsTheCurrentOne)
{
    const std::string file = Dir.File("empty-out.hqd");
    WriteBytes(file, "[Strandel]\r\nSaveLocal=1\r\nFileOutput=\r\n");
    ReadTemplateFile(Settings, *Profile, file, Header, Queue);
    EXPECT_TRUE(Settings.SaveLocal);
    EXPECT_EQ(Settings.FileOutput, "C:\\Out\\before.txt");
    EXPECT_EQ(Settings.RelPath, "C:\\Out\\");
}

TEST_F(TemplateFiles, AFileWithoutATemplateChangesNothingAndSaysSo)
{
    Settings.CheckIndex = NoPath;
    Settings.InvertSlash = true;
    Settings.SaveLocal = true;
    Settings.MainHead = "kept";
    const TSettings before = Settings;
    WriteBytes(Dir.File("other.ini"), "[Other program]\r\nHeader=<not ours>\r\n");
    WriteBytes(Dir.File("empty.hqd"), "[Strandel]\r\n; nothing yet\r\n");
    for (const char* name : {"gone.hqd", "other.ini", "empty.hqd"}) {
        EXPECT_FALSE(ReadTemplateFile(Settings, *Profile, Dir.File(name), Header, Queue)) << name;
        EXPECT_EQ(Header, "old header");
        EXPECT_EQ(Queue, "old queue");
        EXPECT_EQ(Settings.MainHead, before.MainHead);
        EXPECT_EQ(Settings.CheckIndex, before.CheckIndex);
        EXPECT_EQ(Settings.InvertSlash, before.InvertSlash);
        EXPECT_EQ(Settings.SaveLocal, before.SaveLocal);
        EXPECT_EQ(Settings.FileOutput, before.FileOutput);
    }
    // One key of its own is enough: the others are missing ones.
    WriteBytes(Dir.File("one.hqd"), "[Strandel]\r\nCheckIndex=3\r\n");
    EXPECT_TRUE(ReadTemplateFile(Settings, *Profile, Dir.File("one.hqd"), Header, Queue));
    EXPECT_EQ(Header, "");
    EXPECT_EQ(Settings.MainHead, "");
    EXPECT_EQ(Settings.CheckIndex, None);
    EXPECT_FALSE(Settings.SaveLocal);
}

// Files that are not templates at all: the core's reader takes what it can read as lines, and
// one without a key of a template is said to hold none.
struct THostileTemplate {
    const char* Name;
    std::string Bytes;
    bool Holds;
    std::string Header, Queue;
    int CheckIndex;
};

// The newer keys: stored as words only once a template or the settings use them, read back,
// and a word this copy does not know read as the default.
TEST_F(TemplateFiles, OutputChoicesAreStoredOnlyWhenUsed)
{
    const std::string file = Dir.File("Gallery.hqd");
    Settings.MoreVariables = true;
    Settings.NameEscape = TEscape::Url;
    Settings.OutputEncoding = TOutputEncoding::Utf8Bom;
    Settings.LineEnds = TLineEnds::Lf;
    WriteTemplateFile(Settings, *Profile, file, "", "");
    const std::string written = ReadBytes(file);
    EXPECT_NE(written.find("SaveLocal=0\r\nMoreVariables=1\r\nNameEscape=url\r\nOutputEncoding=utf-8-bom\r\n"
                           "LineEnds=lf\r\n"),
              std::string::npos)
        << written;

    TSettings opened = FirstStartSettings();
    ReadTemplateFile(opened, *Profile, file, Header, Queue);
    EXPECT_TRUE(opened.MoreVariables);
    EXPECT_EQ(opened.NameEscape, TEscape::Url);
    EXPECT_EQ(opened.OutputEncoding, TOutputEncoding::Utf8Bom);
    EXPECT_EQ(opened.LineEnds, TLineEnds::Lf);

    // Back to the defaults: keys the file holds are rewritten, none are added to another file.
    WriteTemplateFile(FirstStartSettings(), *Profile, file, "", "");
    ReadTemplateFile(opened, *Profile, file, Header, Queue);
    EXPECT_FALSE(opened.MoreVariables);
    EXPECT_EQ(opened.OutputEncoding, TOutputEncoding::Utf8);
    EXPECT_NE(ReadBytes(file).find("NameEscape=none\r\n"), std::string::npos);
    const std::string plain = Dir.File("Plain.hqd");
    WriteTemplateFile(FirstStartSettings(), *Profile, plain, "", "");
    EXPECT_EQ(ReadBytes(plain).find("Escape"), std::string::npos);

    // The settings file takes the same keys.
    const std::string ini = Dir.File("QZIni.ini");
    TSettings saved = FirstStartSettings();
    saved.IniFileName = ini;
    saved.OutputEncoding = TOutputEncoding::Ansi;
    ASSERT_TRUE(SaveSettings(saved, *Profile, "", ""));
    TSettings loaded = FirstStartSettings();
    loaded.IniFileName = ini;
    LoadSettings(loaded, *Profile, Header, Queue);
    EXPECT_EQ(loaded.OutputEncoding, TOutputEncoding::Ansi);
    EXPECT_EQ(ReadBytes(ini).find("LineEnds"), std::string::npos);

    WriteBytes(file, "[Strandel]\r\nNameEscape=Html\r\nOutputEncoding=utf-32\r\nLineEnds=\r\n");
    ReadTemplateFile(opened, *Profile, file, Header, Queue);
    EXPECT_EQ(opened.NameEscape, TEscape::Html);
    EXPECT_EQ(opened.OutputEncoding, TOutputEncoding::Utf8);
    EXPECT_EQ(opened.LineEnds, TLineEnds::CrLf);
}

TEST(HostileTemplateFiles, GiveWhatCanBeRead)
{
    const std::size_t megabyte = 1 << 20;
    std::string garbage;
    for (int c = 0; c < 512; ++c)
        garbage += static_cast<char>(c);
    std::string unbroken = "[Strandel]";
    while (unbroken.size() < megabyte)
        unbroken += "Header=<x>";
    const THostileTemplate cases[] = {
        {"binary garbage", garbage, false, "stale", "stale", Relative},
        {"NUL bytes", "[Strandel]\r\nHeader=<a\0b>\r\nCheckIndex=\0" "2\r\nQueue=<\0>\r\n"s, true, "a\0b"s, "\0"s, 2},
        {"a line of a megabyte", "[Strandel]\r\nHeader=<" + std::string(megabyte, 'h') + ">\r\nQueue=<q>\r\nCheckIndex=1",
         true, std::string(FieldTextMax, 'h'), "q", 1},
        {"no line break at all", unbroken, false, "stale", "stale", Relative},
        {"end inside a CR LF", "[Strandel]\r\nHeader=<x>\r\nCheckIndex=3\r", true, "x", "", 3},
        {"CR alone ends lines", "[Strandel]\rQueue=<a#QZ_BR#b>\rCheckIndex=2", true, "", "a\r\nb", 2},
    };
    TTempDir dir;
    TPortableProfile profile(dir.Folder().string());
    for (const THostileTemplate& c : cases) {
        WriteBytes(dir.File("hostile.hqd"), c.Bytes);
        TSettings settings = FirstStartSettings();
        settings.CheckIndex = Relative;
        std::string header = "stale", queue = "stale";
        EXPECT_EQ(ReadTemplateFile(settings, profile, dir.File("hostile.hqd"), header, queue), c.Holds) << c.Name;
        EXPECT_EQ(header, c.Header) << c.Name;
        EXPECT_EQ(queue, c.Queue) << c.Name;
        EXPECT_EQ(settings.CheckIndex, c.CheckIndex) << c.Name;
    }
}

} // namespace
