#include "gen/list_order.h"
#include "support/paths.h"
#include "text/native_path.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

Names Ordered(const Names& entries, TListOrder order)
{
    Names ordered;
    for (int from : SortedOrder(entries, order))
        ordered.push_back(entries[static_cast<std::size_t>(from)]);
    return ordered;
}

struct TSortCase {
    TListOrder Order;
    Names Entries;
    Names Expected;
};

TEST(ListOrder, SortsByNamePathAndExtensionKeepingEqualKeysInTheirOrder)
{
    const TSortCase cases[] = {
        {TListOrder::Name,
         {"C:\\p\\img10.jpg", "C:\\p\\IMG2.jpg", "D:\\b\\img1.jpg", "C:\\p\\img 3.jpg", "C:\\p\\img.jpg"},
         {"C:\\p\\img.jpg", "D:\\b\\img1.jpg", "C:\\p\\IMG2.jpg", "C:\\p\\img10.jpg", "C:\\p\\img 3.jpg"}},
        // equal names in other folders keep the order they had
        {TListOrder::Name,
         {"D:\\z\\same.jpg", "C:\\a\\b.jpg", "C:\\a\\SAME.jpg", "E:\\same.jpg"},
         {"C:\\a\\b.jpg", "D:\\z\\same.jpg", "C:\\a\\SAME.jpg", "E:\\same.jpg"}},
        // a folder's entry goes by its own name, trailing backslash or not
        {TListOrder::Name, {"C:\\x\\b.txt", "C:\\x\\a\\"}, {"C:\\x\\a\\", "C:\\x\\b.txt"}},
        {TListOrder::Path,
         {"C:\\a b\\a.jpg", "C:\\a10\\b.jpg", "C:\\a\\z.jpg", "C:\\a2\\b.jpg", "c:\\A\\Z.JPG"},
         {"C:\\a\\z.jpg", "c:\\A\\Z.JPG", "C:\\a2\\b.jpg", "C:\\a10\\b.jpg", "C:\\a b\\a.jpg"}},
        {TListOrder::Extension,
         {"C:\\t\\a.png", "C:\\t\\b.JPG", "C:\\t\\readme", "C:\\t\\c.jpg", "C:\\t\\d.mp3", "C:\\t\\e.mp10",
          "C:\\v1.2\\notes", "C:\\t\\f.tar.gz", "C:\\t\\g. old"},
         {"C:\\t\\readme", "C:\\v1.2\\notes", "C:\\t\\g. old", "C:\\t\\f.tar.gz", "C:\\t\\b.JPG", "C:\\t\\c.jpg",
          "C:\\t\\d.mp3", "C:\\t\\e.mp10", "C:\\t\\a.png"}},
    };
    for (const TSortCase& c : cases) {
        SCOPED_TRACE(c.Entries.front());
        EXPECT_EQ(Ordered(c.Entries, c.Order), c.Expected);
    }
}

TEST(ListOrder, SortsBySizeAndDateOnRealFilesTheMissingLast)
{
    TTempDir folder("order");
    auto name = [&](const char* file) { return NameOfPath(folder.Folder() / NativePath(file)); };
    auto write = [](const std::string& file, std::size_t bytes) {
        std::FILE* out = OpenNativeFile(file, "wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(std::string(bytes, 'x').data(), 1, bytes, out);
        std::fclose(out);
    };
    const std::string big = name("big.bin"), small = name("\xCE\xB1 small.bin"), empty = name("empty.bin"),
                      middle = name("middle.bin"), missing = name("missing.bin");
    write(big, 3000);
    write(small, 10);
    write(empty, 0);
    write(middle, 10);   // as big as small: stays after it
    const auto now = std::filesystem::file_time_type::clock::now();
    std::filesystem::last_write_time(NativePath(big), now - std::chrono::hours(48));
    std::filesystem::last_write_time(NativePath(small), now - std::chrono::hours(1));
    std::filesystem::last_write_time(NativePath(empty), now - std::chrono::hours(24));
    std::filesystem::last_write_time(NativePath(middle), now);

    const Names entries = {missing, big, small, empty, middle};
    EXPECT_EQ(Ordered(entries, TListOrder::Size), (Names{empty, small, middle, big, missing}));
    EXPECT_EQ(Ordered(entries, TListOrder::Modified), (Names{big, empty, small, middle, missing}));
}

TEST(ListOrder, DuplicatesAreTheLaterEntriesOfAFileNameCaseIgnored)
{
    const Names entries = {"C:\\Pics\\\xC3\x96l.jpg", "C:\\pics\\a.jpg", "c:\\PICS\\\xC3\xB6L.JPG", "C:\\Pics\\Ol.jpg",
                           "C:\\pics\\a.jpg", "C:\\other\\a.jpg", "C:\\pics\\A.JPG"};
    EXPECT_EQ(DuplicatePositions(entries), (std::vector<int>{2, 4, 6}));
    EXPECT_TRUE(DuplicatePositions({"a", "b", "c"}).empty());
}

} // namespace
