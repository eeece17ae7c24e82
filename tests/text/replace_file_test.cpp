// Files written over are replaced whole, on real files: the old one stays as it was until the
// new one takes its place, and no temporary file is left behind.
#include "support/paths.h"
#include "text/replace_file.h"
#include "text/native_path.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifdef _WIN32
#include "text/wide_text.h"
#include <windows.h>
#endif

namespace {

namespace fs = std::filesystem;

std::vector<std::string> NamesIn(const TTempDir& dir)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir.Folder()))
        names.push_back(NameOfPath(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

using Names = std::vector<std::string>;

TEST(ReplaceFile, NewContentTakesTheOldFilesPlaceAndNothingElseStays)
{
    TTempDir dir;
    const std::string file = dir.File("out.txt");
    EXPECT_TRUE(ReplaceFileWith(file, "first"));   // no old file yet
    EXPECT_EQ(ReadBytes(file), "first");
    EXPECT_TRUE(ReplaceFileWith(file, "second, longer"));
    EXPECT_TRUE(ReplaceFileWith(file, "3"));
    EXPECT_EQ(ReadBytes(file), "3");
    EXPECT_EQ(NamesIn(dir), Names{"out.txt"});
}

TEST(ReplaceFile, AFileNotCommittedLeavesTheOldOneAsItWas)
{
    TTempDir dir;
    const std::string file = dir.File("out.txt");
    WriteBytes(file, "old");
    {
        TReplacingFile replacing(file);
        ASSERT_TRUE(replacing.Open());
        EXPECT_TRUE(IsTemporaryName(NameOfPath(NativePath(replacing.TemporaryName()).filename())));
        std::fputs("half of the new", replacing.Stream());
        EXPECT_EQ(NamesIn(dir).size(), 2u);
    }
    EXPECT_EQ(ReadBytes(file), "old");
    EXPECT_EQ(NamesIn(dir), Names{"out.txt"});
}

TEST(ReplaceFile, AFolderThatCannotTakeTheNewFileFails)
{
    TTempDir dir;
    EXPECT_EQ(ReplaceFileWith(dir.File("missing/out.txt"), "x"), TWriteResult::Failed);
    EXPECT_FALSE(fs::exists(dir.Folder() / "missing"));
    fs::create_directory(dir.Folder() / "a folder");
    EXPECT_EQ(ReplaceFileWith(dir.File("a folder"), "x"), TWriteResult::Failed);
    EXPECT_TRUE(fs::is_directory(dir.Folder() / "a folder"));
    EXPECT_EQ(NamesIn(dir), Names{"a folder"});
}

TEST(ReplaceFile, TemporariesOfKilledWritersGoThoseOfOthersStay)
{
    TTempDir dir;
    const std::string file = dir.File("QZIni.ini");
    // No process has this id (Windows' ids are multiples of four; Linux's stop far below it).
    const Names left = {"QZIni.ini.strandel-2147483647-0.tmp", "qzini.INI.STRANDEL-2147483647-17.TMP"};
    const Names others = {"Other.ini.strandel-2147483647-0.tmp", "QZIni.ini.strandel-x-1.tmp", "QZIni.ini.bak",
                          "QZIni.ini.strandel-2147483647.tmp"};
    for (const std::string& name : left)
        WriteBytes(dir.File(name), "killed");
    for (const std::string& name : others)
        WriteBytes(dir.File(name), "not ours");
    EXPECT_TRUE(ReplaceFileWith(file, "[Strandel]"));
    Names expected = others;
    expected.push_back("QZIni.ini");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(NamesIn(dir), expected);
}

TEST(ReplaceFile, TheNewFileOfAWriterAtWorkIsNotTakenForAKilledOne)
{
    TTempDir dir;
    const std::string file = dir.File("out.txt");
    TReplacingFile first(file);
    ASSERT_TRUE(first.Open());
    std::fputs("first", first.Stream());
    EXPECT_TRUE(ReplaceFileWith(file, "second"));   // cleans up before it writes
    EXPECT_TRUE(fs::exists(NativePath(first.TemporaryName())));
    EXPECT_TRUE(first.Commit());
    EXPECT_EQ(ReadBytes(file), "first");
    EXPECT_EQ(NamesIn(dir), Names{"out.txt"});
}

TEST(ReplaceFile, NamesAtTheLongestAFolderHoldsAreReplacedToo)
{
    TTempDir dir;
    // 250 bytes (Linux's longest names have 255), Greek letters taking two: the temporary name
    // is cut on a character.
    const std::string name = std::string(100, 'n') + [] {
        std::string greek;
        for (int i = 0; i < 73; ++i)
            greek += "\xCE\xA9";
        return greek;
    }() + ".txt";
    const std::string file = NameOfPath(dir.Folder() / NativePath(name));
    ASSERT_TRUE(ReplaceFileWith(file, "old"));
    TReplacingFile replacing(file);
    ASSERT_TRUE(replacing.Open());
    std::fputs("new", replacing.Stream());
    EXPECT_TRUE(replacing.Commit());
    std::ifstream in(NativePath(file), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "new");
    EXPECT_EQ(NamesIn(dir), Names{name});
}

#ifdef _WIN32
// Under Windows (and Wine) another program may hold the file open without sharing it.
TEST(ReplaceFile, AFileHeldOpenByAnotherProgramIsKeptAndSaidToBeInUse)
{
    TTempDir dir;
    const std::string file = dir.File("held.txt");
    WriteBytes(file, "old");
    for (DWORD sharing : {DWORD{0}, DWORD{FILE_SHARE_READ}, DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE}}) {
        HANDLE held = ::CreateFileW(Wide(file).c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        EXPECT_EQ(ReplaceFileWith(file, "new"), TWriteResult::InUse) << "sharing " << sharing;
        ::CloseHandle(held);
        EXPECT_EQ(ReadBytes(file), "old");
        EXPECT_EQ(NamesIn(dir), Names{"held.txt"});
    }
    // Opened to be shared with those who replace it, it is replaced.
    HANDLE shared = ::CreateFileW(Wide(file).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_TRUE(ReplaceFileWith(file, "new"));
    ::CloseHandle(shared);
    EXPECT_EQ(ReadBytes(file), "new");
}

TEST(ReplaceFile, TheOldFilesAttributesStayAndAReadOnlyOneIsNotWrittenOver)
{
    TTempDir dir;
    const std::string file = dir.File("hidden.txt");
    WriteBytes(file, "old");
    ASSERT_TRUE(::SetFileAttributesW(Wide(file).c_str(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_TRUE(ReplaceFileWith(file, "new"));
    EXPECT_EQ(ReadBytes(file), "new");
    EXPECT_TRUE(::GetFileAttributesW(Wide(file).c_str()) & FILE_ATTRIBUTE_HIDDEN);

    const std::string locked = dir.File("read-only.txt");
    WriteBytes(locked, "old");
    ASSERT_TRUE(::SetFileAttributesW(Wide(locked).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(ReplaceFileWith(locked, "new"), TWriteResult::Failed);
    EXPECT_EQ(ReadBytes(locked), "old");
    ::SetFileAttributesW(Wide(locked).c_str(), FILE_ATTRIBUTE_NORMAL);
    ::SetFileAttributesW(Wide(file).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(NamesIn(dir), (Names{"hidden.txt", "read-only.txt"}));
}
#else
TEST(ReplaceFile, ALinkStaysALinkAndADeviceIsWrittenAsItIs)
{
    TTempDir dir;
    const std::string file = dir.File("real.txt");
    WriteBytes(file, "old");
    fs::create_symlink(file, dir.Folder() / "link.txt");
    EXPECT_TRUE(ReplaceFileWith(dir.File("link.txt"), "new"));
    EXPECT_TRUE(fs::is_symlink(dir.Folder() / "link.txt"));
    EXPECT_EQ(ReadBytes(file), "new");
    EXPECT_EQ(NamesIn(dir), (Names{"link.txt", "real.txt"}));

    EXPECT_TRUE(ReplaceFileWith("/dev/null", "nothing"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(ReplaceFileWith("/dev/full", "no room"), TWriteResult::Failed);
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}
#endif

} // namespace
