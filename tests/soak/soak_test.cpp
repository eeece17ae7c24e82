// The program holds a long session: its real main window runs its own message loop on this
// thread while a person's random actions come from another (drops, menus, dialogs, zoom, hover,
// Send To from second copies). No crash, no box but the program's own, an answer within a second
// throughout, and no memory, GDI or USER objects that grow with the actions.
//
// STRANDEL_SOAK_ACTIONS sets the number of actions (1,000 here, 20,000 for make soak);
// STRANDEL_SOAK_SEED replays a run: the seed is printed at the start. STRANDEL_SOAK_PROGRAM names
// the program the second copies run (by default the one built beside this test);
// STRANDEL_SOAK_VERBOSE=1 prints every action with what it met; STRANDEL_SOAK_ONLY runs only the
// actions whose names hold its text, and STRANDEL_SOAK_REPORT_EVERY prints the figures that often,
// to find which action makes what grow. STRANDEL_SOAK_ANSWER_LIMIT_MS is the slowest answer of the
// window that passes (1,000 ms; the short round of the test suite, on a machine busy with other
// tests, fails only a window that hangs).
#include "app/my_app.h"
#include "app/program_state.h"
#include "soak/soak_session.h"
#include "support/paths.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>

namespace {

// The program's application, noting each time its loop finds the queue empty.
class TSoakApp : public TMyApp {
public:
    std::atomic<long> IdleCount{0};

protected:
    bool IdleAction(long idleCount) override
    {
        ++IdleCount;
        return TMyApp::IdleAction(idleCount);
    }
};

std::uint64_t FromEnvironment(const char* name, std::uint64_t otherwise)
{
    const char* value = std::getenv(name);
    return value && *value ? std::strtoull(value, nullptr, 10) : otherwise;
}

TSoakSession* RunningSession = nullptr;
std::uint64_t RunningSeed = 0;

// A crash anywhere in the process: what led to it, then the end.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception)
{
    std::fprintf(stderr, "SOAK CRASH: exception %08lx at %p, seed %llu. The last actions:\n%s",
                 exception->ExceptionRecord->ExceptionCode, exception->ExceptionRecord->ExceptionAddress,
                 static_cast<unsigned long long>(RunningSeed),
                 RunningSession ? RunningSession->Log.Last().c_str() : "");
    std::fflush(stderr);
    return EXCEPTION_EXECUTE_HANDLER;
}

double Growth(double baseline, double end)
{
    return baseline > 0 ? (end - baseline) / baseline : 0;
}

TEST(Soak, ALongSessionHolds)
{
    const long actions = static_cast<long>(FromEnvironment("STRANDEL_SOAK_ACTIONS", 1000));
    const std::uint64_t seed = FromEnvironment("STRANDEL_SOAK_SEED", std::random_device()());
    // The figures of the start are taken once the program has settled in: in a short round, once
    // each of the sixty kinds of action has had its turns (what the program and the system make
    // at a kind's first use is not a leak); in a long one after 2,000.
    const long baselineAt = std::min(2000L, actions / 2);
    std::printf("soak seed %llu (STRANDEL_SOAK_SEED=%llu replays it), %ld actions\n",
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(seed), actions);
    std::fflush(stdout);

    TSoakWorld world(WindowsPath(STRANDEL_TEMPLATES));
    // The settings file of the soak's own prefix.
    WriteBytes(WindowsFolderIni(), "[Strandel]\r\nFileOutput=" + world.OutputFiles().front() +
                                       "\r\nCheckIndex=0\r\nSendToIndex=0\r\nHeader=<\">\r\nQueue=<\"#QZ_BR#>\r\n");
    ProgramFolder = world.ProgramFolder();
    PendingFile.clear();

    TSoakApp application;
    const char* program = std::getenv("STRANDEL_SOAK_PROGRAM");
    TSoakSession session(world, seed, application.IdleCount, WindowsPath(program && *program ? program : STRANDEL_PROGRAM));
    session.Verbose = FromEnvironment("STRANDEL_SOAK_VERBOSE", 0) != 0;
    session.AnswerLimitMs = static_cast<double>(FromEnvironment("STRANDEL_SOAK_ANSWER_LIMIT_MS", 1000));
    session.ReportEvery = static_cast<long>(std::max<std::uint64_t>(1, FromEnvironment("STRANDEL_SOAK_REPORT_EVERY", 1000)));
    if (const char* only = std::getenv("STRANDEL_SOAK_ONLY"))
        session.Only = only;
    RunningSession = &session;
    RunningSeed = seed;
    ::SetUnhandledExceptionFilter(ReportCrash);

    std::thread person([&] { session.Run(actions, baselineAt); });
    try {
        application.Run();
    } catch (const std::exception& error) {
        ADD_FAILURE() << "the program's loop ended with an exception: " << error.what();
    }
    person.join();
    RunningSession = nullptr;

    std::printf("soak: %ld actions in %.0f s (seed %llu); slowest answer %.0f ms (action %ld); "
                "%d windows of launched programs closed\n"
                "soak: at action %ld: private %zu bytes, GDI %d, USER %d\n"
                "soak: at the end:   private %zu bytes, GDI %d, USER %d\n",
                session.ActionsDone, session.Seconds, static_cast<unsigned long long>(seed),
                session.SlowestAnswerMs.load(), session.SlowestAnswerAction.load(), session.ForeignWindowsClosed,
                baselineAt, session.Baseline.PrivateBytes, session.Baseline.GdiObjects, session.Baseline.UserObjects,
                session.End.PrivateBytes, session.End.GdiObjects, session.End.UserObjects);
    for (const auto& [name, count] : session.Counts)
        std::printf("soak:   %5d x %-45s %6.1f s\n", count, name.c_str(), session.Spent[name]);
    std::fflush(stdout);

    EXPECT_FALSE(session.Failed()) << session.FailureReport();
    EXPECT_EQ(session.ActionsDone, actions);
    EXPECT_LE(session.SlowestAnswerMs.load(), 1000.0);
    EXPECT_LT(Growth(static_cast<double>(session.Baseline.PrivateBytes), static_cast<double>(session.End.PrivateBytes)), 0.05);
    EXPECT_LT(Growth(session.Baseline.GdiObjects, session.End.GdiObjects), 0.05);
    EXPECT_LT(Growth(session.Baseline.UserObjects, session.End.UserObjects), 0.05);
    // Closed through its menu, the program kept its settings, the output file among the soak's.
    const std::string settings = ReadBytes(WindowsFolderIni());
    const std::size_t output = settings.find("FileOutput=");
    ASSERT_NE(output, std::string::npos) << settings;
    EXPECT_TRUE(world.IsOutputFile(settings.substr(output + 11, settings.find('\r', output) - output - 11))) << settings;
}

} // namespace
