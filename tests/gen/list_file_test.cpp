#include "gen/file_list.h"
#include "gen/list_file.h"
#include "support/paths.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

Names ReadBack(const std::string& bytes, TVectorFileList list = {})
{
    TTempDir dir;
    WriteBytes(dir.File("l.lst"), bytes);
    EXPECT_TRUE(ReadListFile(dir.File("l.lst"), list));
    return list.Items();
}

TEST(ListFileRead, LineBreaksOfEitherKindEndEntries)
{
    EXPECT_EQ(ReadBack("C:\\a.txt\r\nC:\\b.txt\nC:\\c.txt"), (Names{"C:\\a.txt", "C:\\b.txt", "C:\\c.txt"}));
}

TEST(ListFileRead, FinalLineBreakAddsNoEntryButEmptyLinesDo)
{
    EXPECT_EQ(ReadBack("a\r\n\r\nb\r\n"), (Names{"a", "", "b"}));
    EXPECT_EQ(ReadBack("a\n\n"), (Names{"a", ""}));
    EXPECT_EQ(ReadBack("\n"), (Names{""}));
    EXPECT_EQ(ReadBack(""), Names{});
}

TEST(ListFileRead, LoneCarriageReturnStaysInTheEntry)
{
    EXPECT_EQ(ReadBack("a\rb\r\n"), (Names{"a\rb"}));
}

TEST(ListFileRead, LongLinesAreCutIntoPiecesOf1999)
{
    const std::string full(EntryMax, 'x');
    // Exactly 1999 characters is one entry, with or without CR before the LF.
    EXPECT_EQ(ReadBack(full + "\n" + "y"), (Names{full, "y"}));
    EXPECT_EQ(ReadBack(full + "\r\n"), (Names{full}));
    EXPECT_EQ(ReadBack(full + "z\n"), (Names{full, "z"}));
    EXPECT_EQ(ReadBack(full + full + "\n"), (Names{full, full}));
    EXPECT_EQ(ReadBack(full), (Names{full}));
}

TEST(ListFileRead, CrLfSplitAcrossReadBlocksIsOneBreak)
{
    // The reader works in 64 KiB blocks: the CR ends one block and the LF begins the next.
    const std::size_t block = 65536;
    Names entries = ReadBack(std::string(block - 1, 'a') + "\r\nlast");
    Names expected((block - 1) / EntryMax, std::string(EntryMax, 'a'));
    expected.push_back(std::string((block - 1) % EntryMax, 'a'));
    expected.push_back("last");
    EXPECT_EQ(entries, expected);
}

TEST(ListFileRead, OpeningAppendsToEntriesAlreadyThere)
{
    TVectorFileList list({"old"});
    list.Select(0);
    EXPECT_EQ(ReadBack("new1\r\nnew2", list), (Names{"old", "new1", "new2"}));
}

TEST(ListFileRead, MissingFileIsReportedAndListUnchanged)
{
    TTempDir dir;
    TVectorFileList list({"keep"});
    EXPECT_FALSE(ReadListFile(dir.File("none.lst"), list));
    EXPECT_EQ(list.Items(), Names{"keep"});
}

TEST(ListFileWrite, CrLfBetweenEntriesAndNoneAfterTheLast)
{
    TTempDir dir;
    TVectorFileList list({"C:\\Web\\img\\cat.gif", "", "C:\\Docs\\a.txt"});
    ASSERT_TRUE(WriteListFile(dir.File("out.lst"), list));
    EXPECT_EQ(ReadBytes(dir.File("out.lst")), "C:\\Web\\img\\cat.gif\r\n\r\nC:\\Docs\\a.txt");
}

TEST(ListFileWrite, SaveClearOpenGivesTheSameEntriesBack)
{
    TTempDir dir;
    TVectorFileList list({"C:\\a b\\c.txt", "D:\\x", "", "\\\\srv\\share\\f.htm"});
    ASSERT_TRUE(WriteListFile(dir.File("round.lst"), list));
    Names saved = list.Items();
    list.Clear();
    ASSERT_TRUE(ReadListFile(dir.File("round.lst"), list));
    EXPECT_EQ(list.Items(), saved);
}

TEST(ListFileWrite, UnwritableTargetIsReported)
{
    TTempDir dir;
    TVectorFileList list({"a"});
    EXPECT_FALSE(WriteListFile(dir.File("no-such-folder/out.lst"), list));
}

} // namespace
