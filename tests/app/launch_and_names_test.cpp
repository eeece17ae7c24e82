#include "app/launch.h"
#include "app/long_path.h"
#include "support/paths.h"
#include "support/pump.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

namespace {

// The probe program copied into a folder of the test's own; each run appends a line to a log.
class LaunchFallbacks : public ::testing::Test {
protected:
    void SetUp() override
    {
        Probe = Dir.File("probe.exe");
        ASSERT_TRUE(::CopyFileA(WindowsPath(STRANDEL_LAUNCH_PROBE).c_str(), Probe.c_str(), FALSE)) << STRANDEL_LAUNCH_PROBE;
        ASSERT_EQ(Probe.find(' '), std::string::npos);
    }

    // The probe's runs once the expected number has arrived (the probe ends by itself).
    std::string Runs(std::size_t lines)
    {
        std::string log;
        PumpUntil([&] {
            log = ReadBytes(Dir.File("probe-runs.txt"));
            return static_cast<std::size_t>(std::count(log.begin(), log.end(), '\n')) >= lines;
        }, 10000, 20);
        return log;
    }

    TTempDir Dir;
    std::string Probe;
};

TEST_F(LaunchFallbacks, TheShellOpensAWholeNameAfterTrimming)
{
    EXPECT_TRUE(Launch(nullptr, "  " + Probe + "   ", SW_HIDE));
    EXPECT_EQ(Runs(1), "run:\n");
}

TEST_F(LaunchFallbacks, ALineTheShellCannotOpenIsSplitAtItsFirstSlash)
{
    EXPECT_TRUE(Launch(nullptr, Probe + "   /x /y", SW_HIDE));
    EXPECT_EQ(Runs(1), "run: /x /y\n");
}

TEST_F(LaunchFallbacks, ALineWithoutSlashIsStartedAsACommandLine)
{
    EXPECT_FALSE(Launch(nullptr, Probe + " first second", SW_HIDE));
    EXPECT_EQ(Runs(1), "run: first second\n");
}

TEST(TrimmedCommandLines, LoseOnlyOuterSpaces)
{
    EXPECT_EQ(TrimSpaces("  Notepad c:\\a b.txt  "), "Notepad c:\\a b.txt");
    EXPECT_EQ(TrimSpaces("   "), "");
}

TEST(LongNames, EveryShortComponentBecomesItsLongName)
{
    TTempDir dir;
    const std::string folder = dir.File("A Long Folder Name");
    ASSERT_TRUE(::CreateDirectoryW(Wide(folder).c_str(), nullptr));
    const std::string file = folder + "\\My long file name.text";
    WriteBytes(file, "x");
    char shortName[MAX_PATH] = "";
    ASSERT_GT(::GetShortPathNameA(file.c_str(), shortName, MAX_PATH), 0u);
    ASSERT_NE(std::string(shortName), file) << "no short names here";
    char longName[MAX_PATH] = "";
    ::GetLongPathNameA(file.c_str(), longName, MAX_PATH);
    EXPECT_EQ(LongPathName(shortName), longName);
}

TEST(LongNames, WhatCannotBeFoundIsKeptAndTheWalkEnds)
{
    EXPECT_EQ(LongPathName("C:\\no such folder\\NOSUCH~1.TXT"), "C:\\no such folder\\NOSUCH~1.TXT");
    EXPECT_EQ(LongPathName("\\\\server\\share\\f.txt"), "\\\\server\\share\\f.txt");
    EXPECT_EQ(LongPathName("C:\\WINDOWS\\*"), "C:\\windows\\*");
    EXPECT_EQ(LongPathName("C:\\"), "C:\\");
    EXPECT_EQ(LongPathName("plain.txt"), "plain.txt");
    EXPECT_EQ(LongPathName(""), "");
}

} // namespace
