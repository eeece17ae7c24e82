#include "app/help_commands.h"
#include "app/launch.h"
#include "app/long_path.h"
#include "support/paths.h"
#include "support/pump.h"
#include "support/window_lookup.h"
#include "text/native_path.h"
#include "text/wide_text.h"

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
        ASSERT_TRUE(::CopyFileW(Wide(WindowsPath(STRANDEL_LAUNCH_PROBE)).c_str(), Wide(Probe).c_str(), FALSE))
            << STRANDEL_LAUNCH_PROBE;
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
    // Its words in any script reach the program started.
    EXPECT_FALSE(Launch(nullptr, Probe + " Ωμέγα 报告 😀", SW_HIDE));
    EXPECT_EQ(Runs(2), "run: first second\nrun: Ωμέγα 报告 😀\n");
}

// Execute: the output file itself, opened through the shell, whatever its name holds.
TEST_F(LaunchFallbacks, ExecuteOpensTheWholeNameSpacesAndAll)
{
    const std::string spaced = Dir.File("the output - copy 2.exe");
    ASSERT_TRUE(::CopyFileW(Wide(Probe).c_str(), Wide(spaced).c_str(), FALSE));
    EXPECT_TRUE(Launch(nullptr, spaced, SW_HIDE));
    EXPECT_EQ(Runs(1), "run:\n");
}

// View: Notepad with the name as its one argument, quoted.
TEST(View, NotepadOpensTheOutputFileWhateverItsName)
{
    TTempDir dir;
    const std::string file = dir.File("out file - draft (2).txt");
    WriteBytes(file, "viewed\r\n");
    EXPECT_EQ(ViewerCommand(file), (TShellCommand{"open", "notepad.exe", "\"" + file + "\""}));
    ASSERT_TRUE(ShellRun(nullptr, ViewerCommand(file), SW_SHOWNORMAL));
    HWND notepad = nullptr;
    PumpUntil([&] {
        for (HWND window = nullptr; !notepad && (window = ::FindWindowExW(nullptr, window, L"Notepad", nullptr));)
            notepad = TextOf(window).find("out file - draft (2).txt") != std::string::npos ? window : nullptr;
        return notepad != nullptr;
    }, 20000, 50);
    ASSERT_NE(notepad, nullptr) << "no Notepad shows the file";
    ::PostMessageW(notepad, WM_CLOSE, 0, 0);   // the Notepad this test started
}

TEST(HelpFiles, OldHelpOpensOnlyWhereTheSystemStillRunsIt)
{
    // Windows 95 to XP (4 and 5) run WinHelp; Vista, 7, 8 (6) and 10, 11 (10) show "Feature not included".
    for (const auto& [major, runs] : {std::pair{4u, true}, {5u, true}, {6u, false}, {10u, false}})
        EXPECT_EQ(SystemRunsWinHelp(major), runs) << major;
}

TEST(TrimmedCommandLines, LoseOnlyOuterSpaces)
{
    EXPECT_EQ(TrimSpaces("  Notepad c:\\a b.txt  "), "Notepad c:\\a b.txt");
    EXPECT_EQ(TrimSpaces("   "), "");
}

TEST(LongNames, EveryShortComponentBecomesItsLongName)
{
    TTempDir dir;
    // Names in any script too: a short name of ASCII stands for them.
    for (const std::string long_ : {"A Long Folder Name", "Ωμέγα Φάκελος 报告"}) {
        SCOPED_TRACE(long_);
        const std::string folder = dir.File(long_);
        ASSERT_TRUE(::CreateDirectoryW(Wide(folder).c_str(), nullptr));
        const std::string file = folder + "\\My long file name 😀.text";
        ASSERT_TRUE(std::fclose(OpenNativeFile(file, "wb")) == 0);
        wchar_t shortName[MAX_PATH] = L"";
        ASSERT_GT(::GetShortPathNameW(Wide(file).c_str(), shortName, MAX_PATH), 0u);
        ASSERT_NE(Narrow(shortName), file) << "no short names here";
        EXPECT_EQ(LongPathName(Narrow(shortName)), file);
    }
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
