// A file the user's other program holds open: Create keeps it as it was and says so, and the
// next Create, once it is closed, replaces it whole.
#include "app/main_dialog_fixture.h"
#include "text/wide_text.h"

namespace {

TEST_F(MainDialog, CreatingAnOutputOpenInAnotherProgramKeepsItAndSaysSo)
{
    StartWith("");
    const std::string output = Dir.File("open elsewhere.csv");
    WriteBytes(output, "what the other program shows");
    DropOn(IDC_FILELIST, {"C:\\a.txt"});
    SetOutput(output);

    // As a spreadsheet holds a file it shows: read, and shared for reading only.
    HANDLE held = ::CreateFileW(Wide(output).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    {
        TBoxAnswerer person(IDOK, "Tarvik Strandel");
        Command(IDM_CREATE);
        EXPECT_EQ(person.Text(), output + "\nis open in another program, so it was not replaced and keeps what it had.\n"
                                          "Close it there and try again.");
    }
    ::CloseHandle(held);
    EXPECT_EQ(ReadBytes(output), "what the other program shows");

    Command(IDM_CREATE);
    EXPECT_EQ(ReadBytes(output), "C:\\a.txt");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir.Folder()), {}), 1);
}

} // namespace
