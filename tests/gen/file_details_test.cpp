#include "gen/file_details.h"
#include "text/native_path.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>

namespace {

TEST(FileDetails, SizeAndLocalTimeOfAFileAndNothingForAMissingOne)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "strandel_details";
    std::filesystem::create_directories(folder);
    const std::string name = NameOfPath(folder / "\xCE\xA9 five.txt");
    std::FILE* file = OpenNativeFile(name, "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("12345", file);
    std::fclose(file);

    const std::time_t now = std::time(nullptr);
    const TFileDetails details = ReadFileDetails(name);
    EXPECT_TRUE(details.Found);
    EXPECT_FALSE(details.Folder);
    EXPECT_EQ(details.Size, 5u);
    std::tm local = *std::localtime(&now);
    EXPECT_EQ(details.Modified.Year, local.tm_year + 1900);
    EXPECT_EQ(details.Modified.Month, local.tm_mon + 1);
    EXPECT_GT(details.ModifiedTicks, 130000000000000000LL);   // after 2012 in Windows' file time

    const TFileDetails folderDetails = ReadFileDetails(NameOfPath(folder));
    EXPECT_TRUE(folderDetails.Found);
    EXPECT_TRUE(folderDetails.Folder);
    EXPECT_EQ(folderDetails.Size, 0u);

    EXPECT_FALSE(ReadFileDetails(NameOfPath(folder / "missing.txt")).Found);
    std::filesystem::remove_all(folder);
}

} // namespace
