// Names in any script, from every way in to every way out: the list, Send To, list files, the
// output file, the clipboard's Unicode text and the web pages; files of older copies, written
// in the system's legacy code page, read as it.
#include "app/settings_location.h"
#include "gen/list_file.h"
#include "main_dialog_fixture.h"

namespace {

using Names = std::vector<std::string>;

const std::vector<std::string> ScriptNames = {
    "C:\\报告\\季度 报告.txt",
    "C:\\Ωμέγα\\Αλφάβητο.doc",
    "C:\\Фото\\😀 улыбка.jpg",
    "C:\\Mixed\\报告 Ωμέγα 😀.txt",
};

TEST_F(MainDialog, NamesInAnyScriptKeepEveryCharacter)
{
    StartWith("[Strandel]\r\nCheckIndex=2\r\nHeader=<[>\r\nQueue=<]#QZ_BR#>\r\n");
    ASSERT_EQ(::GetACP(), static_cast<UINT>(CP_UTF8));
    for (const std::string& name : ScriptNames) {
        SCOPED_TRACE(name);
        const std::string bare = name.substr(name.rfind('\\') + 1);
        Dialog->FileList().Clear();
        DropOn(IDC_FILELIST, {name});
        EXPECT_EQ(Entries(), Names{name});

        Command(IDM_COPYITEM);
        EXPECT_EQ(ClipboardText(), bare);

        COPYDATASTRUCT record{0, static_cast<DWORD>(name.size() + 1), const_cast<char*>(name.c_str())};
        Frame->SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record));
        EXPECT_EQ(ClipboardText(), bare);

        // (Names are put together as bytes: the standard library's paths read them otherwise.)
        const std::string output = Dir.Folder().string() + "\\out 报告.txt";
        SetOutput(output);
        Command(IDM_CREATEANDCOPY);
        EXPECT_EQ(ReadBytes(output), "[" + bare + "]\r\n");
        EXPECT_EQ(ClipboardText(), "[" + bare + "]\r\n");

        WriteBytes(Dir.File("names.lst"), name + "\r\n");
        Dialog->FileList().Clear();
        Dialog->AppendListFile(Dir.File("names.lst"));
        EXPECT_EQ(Entries(), Names{name});
    }

    // The pages name every file as it is.
    const std::string kept = ProgramFolder;
    ProgramFolder = Dir.Folder().string() + "\\";
    Dialog->FileList().Clear();
    for (const std::string& name : ScriptNames)
        AppendEntry(Dialog->FileList(), name);
    Command(IDM_HTMLLINK);
    const std::string page = ReadBytes(Dir.File("dragtmp.htm"));
    ProgramFolder = kept;
    for (const std::string& name : ScriptNames)
        EXPECT_NE(page.find(" Click here to open: " + name.substr(name.rfind('\\') + 1) + " "), std::string::npos);
}

TEST_F(MainDialog, FilesOfOlderCopiesAreReadInTheLegacyCodePage)
{
    ASSERT_EQ(LegacyCodePage(), 1252);
    // "Café déjà vu" and a name with "ü" as an older copy wrote them, in code page 1252.
    StartWith("[Strandel]\r\nHeader=<Caf\xE9 d\xE9j\xE0 vu>\r\nFileOutput=C:\\M\xFCller\\out.txt\r\n");
    EXPECT_EQ(ControlText(IDC_HEADER), "Café déjà vu");
    EXPECT_EQ(ControlText(IDC_OUTFILE), "C:\\Müller\\out.txt");

    WriteBytes(Dir.File("old.hqd"), "[Strandel]\r\nQueue=<\xAB\xBB \xA9 2001>\r\nMainHead=<na\xEFve>\r\n");
    Dialog->LoadTemplate(Dir.File("old.hqd"));
    EXPECT_EQ(ControlText(IDC_QUEUE), "«» © 2001");
    EXPECT_EQ(Dialog->Settings().MainHead, "naïve");

    // A list of old and new lines together: each read as what it is.
    WriteBytes(Dir.File("old.lst"), "C:\\Musik\\D\xE9j\xE0 vu.mp3\r\nC:\\报告.txt");
    Dialog->AppendListFile(Dir.File("old.lst"));
    EXPECT_EQ(Entries(), (Names{"C:\\Musik\\Déjà vu.mp3", "C:\\报告.txt"}));

    // Saved again, it is UTF-8.
    Frame->SendMessage(WM_CLOSE);
    const std::string ini = ReadBytes(WindowsFolderIni());
    EXPECT_NE(ini.find("FileOutput=C:\\Müller\\out.txt\r\n"), std::string::npos) << ini.substr(0, 300);
    EXPECT_NE(ini.find("Queue=<«» © 2001>\r\n"), std::string::npos) << ini.substr(0, 300);
}

} // namespace
