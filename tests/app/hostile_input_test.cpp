// Names of every length through every way into the program, and files that are anything but
// what they should be: nothing overruns, nothing is cut where the program does not say so,
// nothing crashes, and a file the user owns is never written over by reading it.
#include "gen/list_file.h"
#include "main_dialog_fixture.h"
#include "support/box_answerer.h"

namespace {

using Names = std::vector<std::string>;

// A name of exactly length characters, in a folder that does not exist.
std::string NameOfLength(std::size_t length)
{
    const std::string folder = "C:\\no such folder\\";
    return folder + std::string(length - folder.size() - 4, 'n') + ".txt";
}

TEST_F(MainDialog, LongNamesTakeEveryWayInWhole)
{
    StartWith("[Strandel]\r\nCheckIndex=0\r\n");
    for (std::size_t length : {259u, 260u, 261u, 1999u, 2000u, 5000u}) {
        SCOPED_TRACE(length);
        const std::string name = NameOfLength(length);
        Dialog->FileList().Clear();

        DropOn(IDC_FILELIST, {name});
        EXPECT_EQ(Entries(), Names{name});

        // Send To from another copy.
        COPYDATASTRUCT record{0, static_cast<DWORD>(name.size() + 1), const_cast<char*>(name.c_str())};
        Frame->SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record));
        EXPECT_EQ(ClipboardText(), name);

        // A list file keeps lines of 1999 characters: a longer name comes back in pieces of 1999.
        const std::string list = Dir.File("long.lst");
        ASSERT_TRUE(WriteListFile(list, Dialog->FileList()));
        Dialog->FileList().Clear();
        Dialog->AppendListFile(list);
        Names pieces;
        for (std::size_t at = 0; at < name.size(); at += 1999)
            pieces.push_back(name.substr(at, 1999));
        EXPECT_EQ(Entries(), pieces);

        // The output file, set by a drop; creating it names the whole name.
        {
            TBoxAnswerer person(IDYES, "Warning");
            DropOn(IDC_OUTFILE, {name});
            ASSERT_TRUE(person.Answered());
        }
        EXPECT_EQ(ControlText(IDC_OUTFILE), name);
        TBoxAnswerer person(IDOK, "Invalid output file name");
        Command(IDM_CREATE);
        // The name's line shortened in its middle where the screen is too narrow for it.
        EXPECT_NE(person.Text().find(name.substr(0, 40)), std::string::npos);
        EXPECT_NE(person.Text().find(name.substr(name.size() - 40) + "\n"), std::string::npos);
    }
}

// Files as other programs or people may leave them.
std::vector<std::pair<const char*, std::string>> HostileFiles()
{
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 37 + i / 256) & 0xFF);
    return {
        {"binary garbage", garbage},
        {"NUL bytes", std::string("[Strandel]\r\nHeader=<a\0b>\r\nQueue=<q>\r\nCheckIndex=2\r\n", 48)},
        {"a line of a megabyte", "[Strandel]\r\nHeader=<" + std::string(1 << 20, 'x') + ">\r\nQueue=<q>\r\n"},
        {"no line breaks", "[Strandel]Header=<h>Queue=<q>CheckIndex=1"},
        {"cut in a CR LF", "[Strandel]\r\nQueue=<q>\r\nHeader=<h>\r"},
    };
}

TEST_F(MainDialog, HostileSettingsFilesStartTheProgramAndAreReplacedBySoundOnes)
{
    for (const auto& [kind, bytes] : HostileFiles()) {
        SCOPED_TRACE(kind);
        StartWith(bytes);
        const std::string header = ControlText(IDC_HEADER);
        const std::string queue = ControlText(IDC_QUEUE);
        EXPECT_LE(header.size(), FieldTextMax);
        Frame->SendMessage(WM_CLOSE);
        // What the program read, it wrote back whole, and reads again the same.
        StartWith(ReadBytes(WindowsFolderIni()));
        EXPECT_TRUE(ControlText(IDC_HEADER) == header && ControlText(IDC_QUEUE) == queue);
        Frame.reset();
    }
}

TEST_F(MainDialog, HostileTemplatesAndListFilesAreReadAsFarAsTheyGoAndLeftAsTheyAre)
{
    StartWith("");
    for (const auto& [kind, bytes] : HostileFiles()) {
        SCOPED_TRACE(kind);
        const std::string file = Dir.File("hostile.hqd");
        WriteBytes(file, bytes);
        // Without a single key of a template a file changes nothing, and the program says so.
        if (std::string(kind) == "binary garbage" || std::string(kind) == "no line breaks") {
            const std::string caption = TextOf(Frame->GetHandle());
            TBoxAnswerer person(IDOK, "Tarvik Strandel");
            Dialog->LoadTemplate(file);
            EXPECT_EQ(person.Text(), "The file " + file + " holds no template; nothing was changed.");
            EXPECT_EQ(TextOf(Frame->GetHandle()), caption);
        } else {
            Dialog->LoadTemplate(file);
            EXPECT_EQ(TextOf(Frame->GetHandle()), "Tarvik Strandel - hostile");
        }
        EXPECT_TRUE(ReadBytes(file) == bytes);

        const std::string list = Dir.File("hostile.lst");
        WriteBytes(list, bytes);
        // The entries as the list file gives them (lines that are not UTF-8 in the legacy code
        // page), each up to its first NUL (no name holds one).
        TVectorFileList read;
        ASSERT_TRUE(ReadListFile(list, read, LegacyCodePage()));
        Names expected;
        for (const std::string& entry : read.Items())
            expected.push_back(entry.substr(0, entry.find('\0')));
        Dialog->FileList().Clear();
        Dialog->AppendListFile(list);
        EXPECT_EQ(Entries().size(), expected.size());
        EXPECT_TRUE(Entries() == expected);
        EXPECT_TRUE(ReadBytes(list) == bytes);
    }
}

} // namespace
