#include "gen/file_list.h"
#include "gen/list_file.h"
#include "support/paths.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;
using Names = std::vector<std::string>;

const std::string Greek = "\xCE\xA9";          // one UTF-16 unit in two bytes
const std::string Emoji = "\xF0\x9F\x98\x80";  // two units in four bytes

std::string Repeated(const std::string& character, std::size_t count)
{
    std::string text;
    text.reserve(character.size() * count);
    for (std::size_t i = 0; i < count; ++i)
        text += character;
    return text;
}

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

TEST(ListFileRead, LongLinesOfTheLegacyCodePageAreReadInItThenCut)
{
    TTempDir dir;
    WriteBytes(dir.File("old.lst"), std::string(2500, '\xE9') + "\r\nC:\\x\xE9.txt");
    TVectorFileList list;
    ASSERT_TRUE(ReadListFile(dir.File("old.lst"), list, 1252));
    const std::string e = "\xC3\xA9";   // U+00E9
    EXPECT_EQ(list.Items(), (Names{Repeated(e, EntryMax), Repeated(e, 2500 - EntryMax), "C:\\x" + e + ".txt"}));
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

// Files that are not list files at all: the reader keeps what it can read as lines.
struct THostileList {
    const char* Name;
    std::string Bytes;
    Names Expected;
};

// A long run of one character, as the entries of at most 1999 UTF-16 units it is read as
// (999 characters that take two units each).
Names Pieces(const std::string& character, std::size_t count)
{
    const std::size_t perPiece = character.size() == 4 ? EntryMax / 2 : EntryMax;
    Names pieces(count / perPiece, Repeated(character, perPiece));
    if (count % perPiece)
        pieces.push_back(Repeated(character, count % perPiece));
    return pieces;
}

std::string EveryByte()
{
    std::string bytes;
    for (int c = 0; c < 256; ++c)
        bytes += static_cast<char>(c);
    return bytes;
}

Names Joined(Names a, const Names& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(ListFileRead, AStoppedReadSaysSoAndStopsBetweenPieces)
{
    TTempDir dir;
    WriteBytes(dir.File("big.lst"), Repeated("C:\\name.txt\r\n", 20000));   // several read pieces
    const std::atomic<bool> stopped{true}, going{false};
    TVectorFileList list;
    EXPECT_FALSE(ReadListFile(dir.File("big.lst"), list, 0, &stopped));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(ReadListFile(dir.File("big.lst"), list, 0, &going));
    EXPECT_EQ(list.Count(), 20000);
}

TEST(ListFileRead, HostileFilesGiveWhatCanBeRead)
{
    const std::size_t megabyte = 1 << 20;
    const std::string all = EveryByte();
    const THostileList cases[] = {
        {"binary garbage", all + all, {all.substr(0, 10), all.substr(11) + all.substr(0, 10), all.substr(11)}},
        {"NUL bytes", "C:\\a\0b.txt\r\n\0\0\r\nC:\\c.txt"s, {"C:\\a\0b.txt"s, "\0\0"s, "C:\\c.txt"}},
        {"a line of a megabyte", std::string(megabyte, 'x') + "\r\nnext", Joined(Pieces("x", megabyte), {"next"})},
        {"no line break at all", std::string(megabyte, 'y'), Pieces("y", megabyte)},
        // Read in blocks, cut before its end: no piece ends inside a character.
        {"a line of two megabytes of emoji", Repeated(Emoji, megabyte / 2) + "\nnext",
         Joined(Pieces(Emoji, megabyte / 2), {"next"})},
        {"a line of Greek across blocks", "a" + Repeated(Greek, megabyte) + "\r\n",
         Joined({"a" + Repeated(Greek, EntryMax - 1)}, Pieces(Greek, megabyte - EntryMax + 1))},
        {"end inside a CR LF", "C:\\a.txt\r\nC:\\b.txt\r", {"C:\\a.txt", "C:\\b.txt\r"}},
        {"line breaks only", "\r\n\n\r\n", {"", "", ""}},
    };
    for (const THostileList& c : cases)
        EXPECT_EQ(ReadBack(c.Bytes), c.Expected) << c.Name;
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
