// A writer killed at random moments (TerminateProcess) while it writes the settings file, a
// template, a list file of 100,000 entries and their output: every file found afterwards is,
// byte for byte, one the writer wrote whole, and once the writer runs again to its end no
// temporary file is left. STRANDEL_CRASH_KILLS sets the number of kills (20 by default).
#include "support/paths.h"
#include "text/replace_file.h"
#include "text/wide_text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const char* const Files[] = {"QZIni.ini", "Crash.hqd", "list.lst", "output.txt"};

// The writer started on the folder; null when it could not be started.
HANDLE StartWriter(const std::string& folder, int rounds)
{
    const std::string command =
        "\"" + WindowsPath(STRANDEL_CRASH_WRITER) + "\" \"" + folder + "\" " + std::to_string(rounds);
    std::wstring line = Wide(command);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return nullptr;
    ::CloseHandle(process.hThread);
    return process.hProcess;
}

// Runs the writer to its end; its exit code.
DWORD RunWriter(const std::string& folder, int rounds)
{
    HANDLE process = StartWriter(folder, rounds);
    if (!process)
        return ~DWORD{0};
    ::WaitForSingleObject(process, INFINITE);
    DWORD code = 0;
    ::GetExitCodeProcess(process, &code);
    ::CloseHandle(process);
    return code;
}

std::vector<std::string> TemporariesIn(const fs::path& folder)
{
    std::vector<std::string> found;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (IsTemporaryName(entry.path().filename().string()))
            found.push_back(entry.path().filename().string());
    return found;
}

int KillsAsked()
{
    const char* asked = std::getenv("STRANDEL_CRASH_KILLS");
    const int kills = asked ? std::atoi(asked) : 0;
    return kills > 0 ? kills : 20;
}

TEST(Crash, AKilledWriterLeavesEachFileOldOrNewAndTheNextRunLeavesNoTemporaryFile)
{
    // What the writer leaves after one, two and three rounds: versions A, B, and A over B.
    TTempDir references("crash-references");
    std::set<std::string> whole[std::size(Files)];
    auto started = std::chrono::steady_clock::now();
    std::chrono::milliseconds twoRounds{};
    for (int rounds = 1; rounds <= 3; ++rounds) {
        const fs::path folder = references.Folder() / std::to_string(rounds);
        fs::create_directory(folder);
        started = std::chrono::steady_clock::now();
        ASSERT_EQ(RunWriter(folder.string(), rounds), 0u);
        if (rounds == 2)
            twoRounds = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
        for (std::size_t f = 0; f < std::size(Files); ++f)
            whole[f].insert(ReadBytes((folder / Files[f]).string()));
    }
    for (std::size_t f = 0; f < std::size(Files); ++f)
        ASSERT_GE(whole[f].size(), 2u) << Files[f] << ": the two versions should differ";

    TTempDir dir("crash");
    const std::string folder = dir.Folder().string();
    ASSERT_EQ(RunWriter(folder, 1), 0u);

    const int kills = KillsAsked();
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    // From before the writer has started to the middle of its second round.
    std::uniform_int_distribution<long> delay(0, static_cast<long>(twoRounds.count()));
    int checked = 0, damaged = 0, killsAmidWrites = 0;
    for (int kill = 0; kill < kills; ++kill) {
        HANDLE writer = StartWriter(folder, 0);
        ASSERT_NE(writer, nullptr);
        ::Sleep(static_cast<DWORD>(delay(random)));
        ::TerminateProcess(writer, 9);
        ::WaitForSingleObject(writer, INFINITE);
        ::CloseHandle(writer);
        for (std::size_t f = 0; f < std::size(Files); ++f) {
            ++checked;
            const fs::path file = dir.Folder() / Files[f];
            if (!whole[f].count(ReadBytes(file.string()))) {
                ++damaged;
                ADD_FAILURE() << Files[f] << " is neither the old nor the new one after kill " << kill + 1 << ": "
                              << (fs::exists(file) ? std::to_string(fs::file_size(file)) + " bytes" : "missing")
                              << ", " << TemporariesIn(dir.Folder()).size() << " temporary files beside it";
            }
        }
        if (!TemporariesIn(dir.Folder()).empty())
            ++killsAmidWrites;
    }

    // The next run removes what the killed writers left.
    ASSERT_EQ(RunWriter(folder, 1), 0u);
    const std::vector<std::string> left = TemporariesIn(dir.Folder());
    EXPECT_TRUE(left.empty()) << left.size() << " temporary files left, the first " << left.front();
    std::printf("crash test (seed %u): %d kills, %d amid a write; %d files checked, %d damaged; "
                "%zu temporary files left after the next run\n",
                seed, kills, killsAmidWrites, checked, damaged, left.size());
    EXPECT_EQ(damaged, 0);
}

} // namespace
