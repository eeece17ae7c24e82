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
#include <random>
#include <set>

namespace {

namespace fs = std::filesystem;

const char* const Files[] = {"QZIni.ini", "Crash.hqd", "list.lst", "output.txt"};

HANDLE StartWriter(const fs::path& folder, int rounds)
{
    std::wstring line = Wide("\"" + WindowsPath(STRANDEL_CRASH_WRITER) + "\" \"" + folder.string() + "\" " +
                             std::to_string(rounds));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return nullptr;
    ::CloseHandle(process.hThread);
    return process.hProcess;
}

// Runs the writer to its end; its exit code.
DWORD RunWriter(const fs::path& folder, int rounds)
{
    HANDLE process = StartWriter(folder, rounds);
    DWORD code = ~DWORD{0};
    if (process && ::WaitForSingleObject(process, INFINITE) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(process, &code);
    ::CloseHandle(process);
    return code;
}

int Temporaries(const fs::path& folder)
{
    int found = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        found += IsTemporaryName(entry.path().filename().string());
    return found;
}

TEST(Crash, AKilledWriterLeavesEachFileOldOrNewAndTheNextRunLeavesNoTemporaryFile)
{
    // What the writer leaves after one, two and three rounds (versions A, B, and A over B).
    TTempDir references("crash-references");
    std::set<std::string> whole[std::size(Files)];
    long twoRounds = 0;
    for (int rounds = 1; rounds <= 3; ++rounds) {
        const fs::path folder = references.Folder() / std::to_string(rounds);
        fs::create_directory(folder);
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(RunWriter(folder, rounds), 0u);
        if (rounds == 2)
            twoRounds = static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                              std::chrono::steady_clock::now() - start).count());
        for (std::size_t f = 0; f < std::size(Files); ++f)
            whole[f].insert(ReadBytes((folder / Files[f]).string()));
    }

    TTempDir dir("crash");
    ASSERT_EQ(RunWriter(dir.Folder(), 1), 0u);
    const char* asked = std::getenv("STRANDEL_CRASH_KILLS");
    const int kills = asked && std::atoi(asked) > 0 ? std::atoi(asked) : 20;
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    // From before the writer has started to the middle of its second round.
    std::uniform_int_distribution<long> delay(0, twoRounds);
    int checked = 0, damaged = 0, amidWrites = 0;
    for (int kill = 1; kill <= kills; ++kill) {
        HANDLE writer = StartWriter(dir.Folder(), 0);
        ASSERT_NE(writer, nullptr);
        ::Sleep(static_cast<DWORD>(delay(random)));
        ::TerminateProcess(writer, 9);
        ::WaitForSingleObject(writer, INFINITE);
        ::CloseHandle(writer);
        for (std::size_t f = 0; f < std::size(Files); ++f, ++checked) {
            const fs::path file = dir.Folder() / Files[f];
            if (!whole[f].count(ReadBytes(file.string()))) {
                ++damaged;
                ADD_FAILURE() << Files[f] << " is neither the old nor the new one after kill " << kill << ": "
                              << (fs::exists(file) ? std::to_string(fs::file_size(file)) + " bytes" : "missing");
            }
        }
        amidWrites += Temporaries(dir.Folder()) > 0;
    }

    ASSERT_EQ(RunWriter(dir.Folder(), 1), 0u);
    const int left = Temporaries(dir.Folder());
    std::printf("crash test (seed %u): %d kills, %d amid a write; %d files checked, %d damaged; %d temporary files "
                "left after the next run\n", seed, kills, amidWrites, checked, damaged, left);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(damaged, 0);
}

} // namespace
