#include "settings/settings.h"
#include "support/paths.h"
#include "support/platform_profile.h"

#include <gtest/gtest.h>

namespace {

class SettingsStore : public ::testing::Test {
protected:
    SettingsStore() : Profile(MakePlatformProfile(Dir.Folder().string()))
    {
        // A full name: the record's bare name would land in the Windows folder.
        Settings.IniFileName = Dir.File("QZIni.ini");
    }

    TSettings Load()
    {
        TSettings loaded;
        loaded.IniFileName = Settings.IniFileName;
        LoadSettings(loaded, *Profile, Header, Queue);
        return loaded;
    }

    TTempDir Dir;
    std::unique_ptr<TProfile> Profile;
    TSettings Settings;
    std::string Header = "stale", Queue = "stale";
};

TEST_F(SettingsStore, FirstStartWithoutFileGivesTheDefaults)
{
    TSettings s = Load();
    EXPECT_EQ(s.FileOutput, "c:\\Windows\\Desktop\\QZScript.txt");
    EXPECT_EQ(s.RelPath, "c:\\Windows\\Desktop\\");
    EXPECT_EQ(s.CheckIndex, Full);
    EXPECT_EQ(s.SendToIndex, 0);
    EXPECT_FALSE(s.InvertSlash);
    EXPECT_FALSE(s.SaveLocal);
    EXPECT_TRUE(s.UseTip);
    EXPECT_EQ(s.ImageExt, "gif;jpg;jpeg;bmp;png;webp;svg");
    EXPECT_EQ(s.MainHead, "");
    EXPECT_EQ(s.MainQueue, "");
    EXPECT_EQ(Header, "");
    EXPECT_EQ(Queue, "");
    EXPECT_EQ(s.SectionName, "Strandel");

    TSettings fresh = FirstStartSettings();
    EXPECT_EQ(fresh.FileOutput, s.FileOutput);
    EXPECT_EQ(fresh.RelPath, s.RelPath);
    EXPECT_EQ(fresh.ImageExt, s.ImageExt);
    EXPECT_EQ(fresh.UseTip, s.UseTip);
}

TEST_F(SettingsStore, SavedSettingsComeBackUnchanged)
{
    Settings.SetFileOutput("C:\\Web\\index.htm");
    Settings.InvertSlash = true;
    Settings.CheckIndex = NoPath;
    Settings.SendToIndex = 1;
    Settings.MainHead = "<UL>\r\n  <LI>";
    Settings.MainQueue = "</UL>\r\n";
    Settings.SaveLocal = true;
    Settings.UseTip = false;
    EXPECT_TRUE(SaveSettings(Settings, *Profile, "  two lines \r\n with blanks  ", "\"quoted\""));

    TSettings s = Load();
    EXPECT_EQ(Header, "  two lines \r\n with blanks  ");
    EXPECT_EQ(Queue, "\"quoted\"");
    EXPECT_EQ(s.FileOutput, "C:\\Web\\index.htm");
    EXPECT_EQ(s.RelPath, "C:\\Web\\");
    EXPECT_TRUE(s.InvertSlash);
    EXPECT_EQ(s.CheckIndex, NoPath);
    EXPECT_EQ(s.SendToIndex, 1);
    EXPECT_EQ(s.MainHead, "<UL>\r\n  <LI>");
    EXPECT_EQ(s.MainQueue, "</UL>\r\n");
    EXPECT_TRUE(s.SaveLocal);
    EXPECT_FALSE(s.UseTip);
}

TEST_F(SettingsStore, ValuesWithBlanksOrQuotesAtTheEndsComeBackUnchanged)
{
    Settings.SetFileOutput(" C:\\Web\\out.txt ");
    Settings.ImageExt = "'gif' ";
    SaveSettings(Settings, *Profile, "", "");
    SaveImageExt(Settings, *Profile);

    TSettings s = Load();
    EXPECT_EQ(s.FileOutput, " C:\\Web\\out.txt ");
    EXPECT_EQ(s.ImageExt, "'gif' ");
}

TEST_F(SettingsStore, SaveWritesTheKeysInOrderAndLeavesImageExtAlone)
{
    Settings.SetFileOutput("C:\\o.txt");
    SaveSettings(Settings, *Profile, "", "a\r\nb");
    EXPECT_EQ(ReadBytes(Settings.IniFileName),
              "[Strandel]\r\n"
              "Header=<>\r\n"
              "Queue=<a#QZ_BR#b>\r\n"
              "FileOutput=C:\\o.txt\r\n"
              "InvertSlash=0\r\n"
              "CheckIndex=0\r\n"
              "SendToIndex=0\r\n"
              "MainHead=<>\r\n"
              "MainQueue=<>\r\n"
              "SaveLocal=0\r\n"
              "UseTip=0\r\n");

    Settings.ImageExt = "png;gif";
    SaveImageExt(Settings, *Profile);
    EXPECT_EQ(Load().ImageExt, "png;gif");
}

TEST_F(SettingsStore, HandEditedValuesLoadAsTheRulesSay)
{
    WriteBytes(Settings.IniFileName,
               "[Strandel]\r\n"
               "Header=abc\r\n"
               "Queue=<one#QZ_BR#two>\r\n"
               "CheckIndex=7\r\n"
               "InvertSlash=5\r\n"
               "SaveLocal=-1\r\n"
               "UseTip=0\r\n"
               "MainHead=\r\n");
    TSettings s = Load();
    EXPECT_EQ(Header, "b");
    EXPECT_EQ(Queue, "one\r\ntwo");
    EXPECT_EQ(s.CheckIndex, 7);
    EXPECT_TRUE(s.InvertSlash);
    EXPECT_TRUE(s.SaveLocal);
    EXPECT_FALSE(s.UseTip);
    EXPECT_EQ(s.MainHead, "");
}

TEST_F(SettingsStore, ValuesLongerThanTheReadingRoomAreCut)
{
    std::string longName = "C:\\" + std::string(1200, 'f');
    std::string longText(EncodedRoom + 100, 't');
    WriteBytes(Settings.IniFileName, "[Strandel]\r\nFileOutput=" + longName + "\r\nHeader=" +
                                         EncodeValue(longText) + "\r\nImageExt=" + std::string(100, 'e') + "\r\n");
    TSettings s = Load();
    EXPECT_EQ(s.FileOutput, longName);   // a name is kept whole
    // No more than the Header field keeps.
    EXPECT_EQ(Header, std::string(FieldTextMax, 't'));
    EXPECT_EQ(s.ImageExt, std::string(79, 'e'));
}

TEST_F(SettingsStore, TheLongestTextsTheProgramKeepsComeBackWhole)
{
    // A Header at the field's limit, and a Main head of line breaks: their stored forms are far
    // longer than the texts.
    std::string header(FieldTextMax, 'h');
    header.replace(100, 2, "\r\n");
    std::string mainHead;
    while (mainHead.size() + 2 <= MainTextMax)
        mainHead += "\r\n";
    mainHead += "x";
    Settings.MainHead = mainHead;
    ASSERT_TRUE(SaveSettings(Settings, *Profile, header, ""));
    TSettings s = Load();
    EXPECT_EQ(Header, header);
    EXPECT_EQ(s.MainHead, mainHead);
}

TEST_F(SettingsStore, AFileThatCannotBeWrittenIsReported)
{
    Settings.IniFileName = (Dir.Folder() / "no-such-folder" / "QZIni.ini").string();
    Settings.ImageExt = "png";
    EXPECT_FALSE(SaveSettings(Settings, *Profile, "pasted\nheader", ""));
    EXPECT_FALSE(SaveImageExt(Settings, *Profile));
}

TEST(ValueEncoding, LineBreaksBecomeMarkersInBrackets)
{
    EXPECT_EQ(EncodeValue("<UL>\r\n<LI>"), "<<UL>#QZ_BR#<LI>>");
    EXPECT_EQ(EncodeValue(""), "<>");
    // pasted text breaks lines with a lone LF or CR: stored, and read back, as CR LF
    EXPECT_EQ(EncodeValue("a\nb\r"), "<a#QZ_BR#b#QZ_BR#>");
    EXPECT_EQ(EncodeValue("a\r\r\nb\n\r"), "<a#QZ_BR##QZ_BR#b#QZ_BR##QZ_BR#>");
    EXPECT_EQ(DecodeValue(EncodeValue("x\ny")), "x\r\ny");
    EXPECT_EQ(DecodeValue("<<UL>#QZ_BR#<LI>>"), "<UL>\r\n<LI>");
    EXPECT_EQ(DecodeValue("<>"), "");
    EXPECT_EQ(DecodeValue(""), "");
    EXPECT_EQ(DecodeValue("x"), "");
    EXPECT_EQ(DecodeValue("abc"), "b");
    // the characters in the brackets' place go whole, whatever they are
    EXPECT_EQ(DecodeValue("\xCE\xA9" "ab\xF0\x9F\x98\x80"), "ab");
    EXPECT_EQ(DecodeValue("<\xE6\xBC\xA2"), "");
    // a marker typed into a text comes back as a line break
    EXPECT_EQ(DecodeValue(EncodeValue("a#QZ_BR#b")), "a\r\nb");
}

TEST(FolderOfName, CutsAfterTheLastBackslash)
{
    EXPECT_EQ(FolderOf("C:\\Web\\index.htm"), "C:\\Web\\");
    EXPECT_EQ(FolderOf("C:\\Web\\"), "C:\\Web\\");
    EXPECT_EQ(FolderOf("index.htm"), "index.htm");
    EXPECT_EQ(FolderOf("/tmp/x/out.txt"), "/tmp/x/out.txt");

    TSettings s;
    s.SetFileOutput("\\\\srv\\sh\\out.bat");
    EXPECT_EQ(s.RelPath, "\\\\srv\\sh\\");
}

} // namespace
