#include "gen/output_writer.h"
#include "support/paths.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(OutputWriter, EveryLineFeedIsStoredAsCrLf)
{
    EXPECT_EQ(WithCrLf("a\nb\n\nc"), "a\r\nb\r\n\r\nc");
    TTempDir dir;
    TCrLfFileWriter writer;
    ASSERT_TRUE(writer.Open(dir.File("o.txt")));
    writer.Append("<UL>\n");
    writer.Append("");
    writer.Append("x\ny");
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(ReadBytes(dir.File("o.txt")), "<UL>\r\nx\r\ny");
}

TEST(OutputWriter, LargeOutputsPassTheBufferIntact)
{
    TTempDir dir;
    std::string piece(3000, 'z');
    piece += '\n';
    std::string expected;
    TCrLfFileWriter writer;
    ASSERT_TRUE(writer.Open(dir.File("big.txt")));
    for (int i = 0; i < 700; ++i) {
        writer.Append(piece);
        expected += std::string(3000, 'z') + "\r\n";
    }
    writer.Append(std::string(3 << 20, 'w'));
    expected += std::string(3 << 20, 'w');
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(ReadBytes(dir.File("big.txt")), expected);
}

TEST(OutputWriter, AnOutputWrittenOverIsReplacedWholeAtClose)
{
    TTempDir dir;
    const std::string file = dir.File("o.txt");
    WriteBytes(file, "old output");
    {
        TCrLfFileWriter writer;
        ASSERT_TRUE(writer.Open(file));
        writer.Append(std::string(3 << 20, 'n'));   // more than the buffer: part of it is on disk
        EXPECT_EQ(ReadBytes(file), "old output");
    }   // never closed: the old output stays
    EXPECT_EQ(ReadBytes(file), "old output");
    TCrLfFileWriter writer;
    ASSERT_TRUE(writer.Open(file));
    writer.Append("new\n");
    EXPECT_TRUE(writer.Close());
    EXPECT_EQ(ReadBytes(file), "new\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Folder()), {}), 1);
}

TEST(OutputWriter, OpeningInAMissingFolderFails)
{
    TTempDir dir;
    TCrLfFileWriter writer;
    EXPECT_FALSE(writer.Open(dir.File("missing/o.txt")));
    EXPECT_TRUE(writer.Failed());
}

#ifndef _WIN32
TEST(OutputWriter, AFullDiskIsReportedAtClose)
{
    TCrLfFileWriter writer;
    ASSERT_TRUE(writer.Open("/dev/full"));
    writer.Append("text that cannot be stored\n");
    EXPECT_FALSE(writer.Close());
}
#endif

} // namespace
