// Files written over are replaced whole, on real files: the old one stays as it was until the
// new one takes its place, and no temporary file is left behind.
#include "support/paths.h"
#include "text/native_path.h"
#include "text/replace_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#ifdef _WIN32
#include "text/wide_text.h"
#include <windows.h>
#endif

namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

Names NamesIn(const TTempDir& dir)
{
    Names names;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir.Folder()))
        names.push_back(NameOfPath(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReplaceFile, TemporariesOfKilledWritersGoThoseOfOthersStay)
{
    TTempDir dir;
    // No process has this id (Windows' ids are multiples of four; Linux's stop far below it).
    for (const char* left : {"QZIni.ini.strandel-2147483647-0.tmp", "qzini.INI.STRANDEL-2147483647-17.TMP"})
        WriteBytes(dir.File(left), "killed");
    const Names others = {"Other.ini.strandel-2147483647-0.tmp", "QZIni.ini.bak", "QZIni.ini.strandel-2147483647.tmp",
                          "QZIni.ini.strandel-x-1.tmp", "QZIni.ini.strandel-99999999999999999999-1.tmp"};
    for (const std::string& other : others)
        WriteBytes(dir.File(other), "not a killed writer's");
    // A writer of this process at work keeps its new file.
    TReplacingFile atWork(dir.File("QZIni.ini"));
    ASSERT_TRUE(atWork.Open());
    EXPECT_TRUE(ReplaceFileWith(dir.File("QZIni.ini"), "[Strandel]"));
    EXPECT_TRUE(fs::exists(NativePath(atWork.TemporaryName())));
    atWork.Abandon();
    // A name as long as a folder holds (250 bytes; 255 on Linux): the temporary one is cut short.
    std::string longName(100, 'n');
    for (int i = 0; i < 73; ++i)
        longName += "\xCE\xA9";
    EXPECT_TRUE(ReplaceFileWith(NameOfPath(dir.Folder() / NativePath(longName + ".txt")), "x"));
    Names expected = others;
    expected.push_back(longName + ".txt");
    expected.push_back("QZIni.ini");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(NamesIn(dir), expected);
}

#ifdef _WIN32
TEST(ReplaceFile, AFileHeldOpenWithoutSharingIsKeptAndSaidToBeInUse)
{
    TTempDir dir;
    const std::string file = dir.File("held.txt");
    WriteBytes(file, "old");
    for (DWORD sharing : {DWORD{0}, DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE},
                          DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE}}) {
        HANDLE held = ::CreateFileW(Wide(file).c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr);
        const TWriteResult result = ReplaceFileWith(file, "new");
        ::CloseHandle(held);
        if (sharing & FILE_SHARE_DELETE) {
            EXPECT_TRUE(result) << "shared with those who replace it";
        } else {
            EXPECT_EQ(result, TWriteResult::InUse) << "sharing " << sharing;
            EXPECT_EQ(ReadBytes(file), "old");
        }
        EXPECT_EQ(NamesIn(dir), Names{"held.txt"});
    }
}

TEST(ReplaceFile, TheOldFilesAttributesStayAndAReadOnlyOneIsNotWrittenOver)
{
    TTempDir dir;
    WriteBytes(dir.File("hidden.txt"), "old");
    WriteBytes(dir.File("read-only.txt"), "old");
    ::SetFileAttributesW(Wide(dir.File("hidden.txt")).c_str(), FILE_ATTRIBUTE_HIDDEN);
    ::SetFileAttributesW(Wide(dir.File("read-only.txt")).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(ReplaceFileWith(dir.File("hidden.txt"), "new"));
    EXPECT_TRUE(::GetFileAttributesW(Wide(dir.File("hidden.txt")).c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(ReplaceFileWith(dir.File("read-only.txt"), "new"), TWriteResult::Failed);
    EXPECT_EQ(ReadBytes(dir.File("read-only.txt")), "old");
    ::SetFileAttributesW(Wide(dir.File("read-only.txt")).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(NamesIn(dir), (Names{"hidden.txt", "read-only.txt"}));
}
#else
TEST(ReplaceFile, ALinkStaysALinkAndADeviceIsWrittenAsItIs)
{
    TTempDir dir;
    WriteBytes(dir.File("real.txt"), "old");
    fs::create_symlink(dir.File("real.txt"), dir.Folder() / "link.txt");
    EXPECT_TRUE(ReplaceFileWith(dir.File("link.txt"), "new"));
    EXPECT_TRUE(fs::is_symlink(dir.Folder() / "link.txt"));
    EXPECT_EQ(ReadBytes(dir.File("real.txt")), "new");
    EXPECT_EQ(ReplaceFileWith("/dev/full", "no room"), TWriteResult::Failed);
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}
#endif

} // namespace
