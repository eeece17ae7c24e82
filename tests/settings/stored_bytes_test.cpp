// The bytes the program leaves in a settings file and a template written over hand-edited ones:
// older copies read these files, so they stay exactly what they have always been.
#include "settings/profile_portable.h"
#include "settings/settings.h"
#include "settings/template_file.h"
#include "support/paths.h"

#include <gtest/gtest.h>

namespace {

TEST(StoredBytes, SettingsAndTemplatesWrittenOverHandEditedFiles)
{
    TTempDir dir;
    TPortableProfile profile(dir.Folder().string());   // the program's own profile code
    TSettings s = FirstStartSettings();
    s.IniFileName = dir.File("QZIni.ini");
    s.SetFileOutput("C:\\Site\\index.htm");
    s.InvertSlash = s.SaveLocal = true;
    s.UseTip = false;
    s.CheckIndex = Relative;
    s.SendToIndex = 1;
    s.MainHead = "<UL>\r\n  <LI>";
    s.MainQueue = " </UL> ";
    s.ImageExt = "png;gif";

    WriteBytes(s.IniFileName, "; kept comment\r\n[Strandel]\r\nlfHeight=-13\r\nHeader = <old> \r\nUseTip=1\r\n"
                              "UnknownKey=kept\r\n\r\n[Other]\r\nQueue=<other>\r\n");
    ASSERT_TRUE(SaveSettings(s, profile, " two\r\nlines ", "\"q\""));
    ASSERT_TRUE(SaveImageExt(s, profile));
    EXPECT_EQ(ReadBytes(s.IniFileName),
              "; kept comment\r\n[Strandel]\r\nlfHeight=-13\r\nHeader = < two#QZ_BR#lines >\r\nUseTip=0\r\n"
              "UnknownKey=kept\r\nQueue=<\"q\">\r\nFileOutput=C:\\Site\\index.htm\r\nInvertSlash=1\r\nCheckIndex=1\r\n"
              "SendToIndex=1\r\nMainHead=<<UL>#QZ_BR#  <LI>>\r\nMainQueue=< </UL> >\r\nSaveLocal=1\r\nImageExt=png;gif\r\n"
              "\r\n[Other]\r\nQueue=<other>\r\n");

    const std::string file = dir.File("Web list.hqd");
    WriteBytes(file, "[Strandel]\r\nh_menutitle=Hand title\r\nHeader=<x>\r\nSendToIndex=1\r\n");
    ASSERT_TRUE(WriteTemplateFile(s, profile, file, "<LI>", "</LI>\r\n"));
    EXPECT_EQ(ReadBytes(file), "[Strandel]\r\nh_menutitle=Hand title\r\nHeader=<<LI>>\r\nSendToIndex=1\r\n"
                               "h_menuhelp=Web list\r\nQueue=<</LI>#QZ_BR#>\r\nMainHead=<<UL>#QZ_BR#  <LI>>\r\n"
                               "MainQueue=< </UL> >\r\nInvertSlash=1\r\nCheckIndex=1\r\nSaveLocal=1\r\n"
                               "FileOutput=C:\\Site\\index.htm\r\n");
}

} // namespace
