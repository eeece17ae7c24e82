// The bytes the program leaves in a settings file and a template, new and written over a
// hand-edited one: older copies read these files, so they stay exactly as they have always been.
#include "settings/profile_portable.h"
#include "settings/settings.h"
#include "settings/template_file.h"
#include "support/paths.h"

#include <gtest/gtest.h>

namespace {

class StoredBytes : public ::testing::Test {
protected:
    StoredBytes() : Profile(Dir.Folder().string())
    {
        Settings.IniFileName = Dir.File("QZIni.ini");
        Settings.SetFileOutput("C:\\Site\\index.htm");
        Settings.InvertSlash = true;
        Settings.CheckIndex = Relative;
        Settings.SendToIndex = 1;
        Settings.SaveLocal = true;
        Settings.UseTip = false;
        Settings.MainHead = "<UL>\r\n  <LI>";
        Settings.MainQueue = " </UL> ";
        Settings.ImageExt = "png;gif";
    }

    TTempDir Dir;
    TPortableProfile Profile;   // the program's own profile code
    TSettings Settings = FirstStartSettings();
};

TEST_F(StoredBytes, SettingsWrittenOverAHandEditedFile)
{
    WriteBytes(Settings.IniFileName, "; kept comment\r\n[Strandel]\r\nlfHeight=-13\r\nHeader = <old> \r\nUseTip=1\r\n"
                                     "UnknownKey=kept\r\n\r\n[Other]\r\nQueue=<other>\r\n");
    ASSERT_TRUE(SaveSettings(Settings, Profile, " two\r\nlines ", "\"q\""));
    ASSERT_TRUE(SaveImageExt(Settings, Profile));
    EXPECT_EQ(ReadBytes(Settings.IniFileName),
              "; kept comment\r\n"
              "[Strandel]\r\n"
              "lfHeight=-13\r\n"
              "Header = < two#QZ_BR#lines >\r\n"
              "UseTip=0\r\n"
              "UnknownKey=kept\r\n"
              "Queue=<\"q\">\r\n"
              "FileOutput=C:\\Site\\index.htm\r\n"
              "InvertSlash=1\r\n"
              "CheckIndex=1\r\n"
              "SendToIndex=1\r\n"
              "MainHead=<<UL>#QZ_BR#  <LI>>\r\n"
              "MainQueue=< </UL> >\r\n"
              "SaveLocal=1\r\n"
              "ImageExt=png;gif\r\n"
              "\r\n"
              "[Other]\r\n"
              "Queue=<other>\r\n");
}

TEST_F(StoredBytes, SettingsOfAFirstStart)
{
    TSettings fresh = FirstStartSettings();
    fresh.IniFileName = Settings.IniFileName;
    ASSERT_TRUE(SaveSettings(fresh, Profile, "", ""));
    ASSERT_TRUE(SaveImageExt(fresh, Profile));
    EXPECT_EQ(ReadBytes(Settings.IniFileName),
              "[Strandel]\r\n"
              "Header=<>\r\n"
              "Queue=<>\r\n"
              "FileOutput=c:\\Windows\\Desktop\\QZScript.txt\r\n"
              "InvertSlash=0\r\n"
              "CheckIndex=0\r\n"
              "SendToIndex=0\r\n"
              "MainHead=<>\r\n"
              "MainQueue=<>\r\n"
              "SaveLocal=0\r\n"
              "UseTip=1\r\n"
              "ImageExt=gif;jpg;jpeg;bmp\r\n");
}

TEST_F(StoredBytes, TemplateWrittenOverAHandEditedOne)
{
    const std::string file = Dir.File("Web list.hqd");
    WriteBytes(file, "[Strandel]\r\nh_menutitle=Hand title\r\nHeader=<x>\r\nSendToIndex=1\r\n");
    ASSERT_TRUE(WriteTemplateFile(Settings, Profile, file, "<LI>", "</LI>\r\n"));
    EXPECT_EQ(ReadBytes(file),
              "[Strandel]\r\n"
              "h_menutitle=Hand title\r\n"
              "Header=<<LI>>\r\n"
              "SendToIndex=1\r\n"
              "h_menuhelp=Web list\r\n"
              "Queue=<</LI>#QZ_BR#>\r\n"
              "MainHead=<<UL>#QZ_BR#  <LI>>\r\n"
              "MainQueue=< </UL> >\r\n"
              "InvertSlash=1\r\n"
              "CheckIndex=1\r\n"
              "SaveLocal=1\r\n"
              "FileOutput=C:\\Site\\index.htm\r\n");
}

TEST_F(StoredBytes, NewTemplateWithTheOutputFile)
{
    const std::string file = Dir.File("new.hqd");
    ASSERT_TRUE(WriteTemplateFile(Settings, Profile, file, "", ""));
    EXPECT_EQ(ReadBytes(file),
              "[Strandel]\r\n"
              "h_menutitle=new\r\n"
              "h_menuhelp=new\r\n"
              "Header=<>\r\n"
              "Queue=<>\r\n"
              "MainHead=<<UL>#QZ_BR#  <LI>>\r\n"
              "MainQueue=< </UL> >\r\n"
              "InvertSlash=1\r\n"
              "CheckIndex=1\r\n"
              "SaveLocal=1\r\n"
              "FileOutput=C:\\Site\\index.htm\r\n");
}

} // namespace
