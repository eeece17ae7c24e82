// The session's course: waiting for the program, the actions one after another, each followed
// by whatever the program shows until its loop is idle again, the watch on its answers, the end.
#include "soak/soak_session.h"

#include "res/resource.h"
#include "soak/soak_windows.h"

#include <tlhelp32.h>

#include <cstdio>
#include <iostream>

namespace {

constexpr auto NoProgressLimit = std::chrono::seconds(60);

// Whether a process has a window shown.
bool HasShownWindow(DWORD process)
{
    for (HWND window : ShownTopWindows())
        if (ProcessOf(window) == process)
            return true;
    return false;
}

// How long ago a process started, in seconds (a long time when it cannot be asked).
double AgeOf(DWORD process)
{
    HANDLE handle = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
    FILETIME created{}, exited{}, kernel{}, user{}, now{};
    const bool known = handle && ::GetProcessTimes(handle, &created, &exited, &kernel, &user);
    if (handle)
        ::CloseHandle(handle);
    if (!known)
        return 1e9;
    ::GetSystemTimeAsFileTime(&now);
    auto ticks = [](const FILETIME& time) { return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime; };
    return static_cast<double>(ticks(now) - ticks(created)) / 1e7;
}

} // namespace

TSoakSession::TSoakSession(TSoakWorld& world, std::uint64_t seed, const std::atomic<long>& idleCount, std::string program)
    : Random(seed), World(world), IdleCount(idleCount), Program(std::move(program))
{
}

TSoakSession::~TSoakSession()
{
    Watching = false;
    if (Watchdog.joinable())
        Watchdog.join();
}

void TSoakSession::Fail(const std::string& what)
{
    static std::mutex guard;
    std::lock_guard<std::mutex> lock(guard);
    if (!Failure.empty())
        return;
    Failure = what + "\nThe last actions:\n" + Log.Last();
    HasFailed = true;
    std::cerr << "SOAK FAILURE at action " << Log.CurrentIndex() << ": " << Failure << std::flush;
}

void TSoakSession::WaitForProgram()
{
    const auto end = TClock::now() + std::chrono::seconds(60);
    // The frame shows before its client and menu are made.
    while (!(Frame = FindShownWindow(::GetCurrentProcessId(), "QZ_STRANDEL")) ||
           !(Dialog = ::FindWindowExW(Frame, nullptr, L"#32770", nullptr)) || !::GetMenu(Frame)) {
        if (TClock::now() > end)
            return Fail("the main window never showed");
        ::Sleep(20);
    }
    // The program's thread and this one share one key state: a key held here is held there.
    ::AttachThreadInput(::GetCurrentThreadId(), ::GetWindowThreadProcessId(Frame, nullptr), TRUE);
    RECT r{};
    ::GetWindowRect(Frame, &r);
    InitialSize = {r.right - r.left, r.bottom - r.top};
    Settle();
}

void TSoakSession::Run(long actions, long baselineAt)
{
    const auto start = TClock::now();
    WaitForProgram();
    Watching = true;
    Watchdog = std::thread([this] { Watch(); });

    const std::vector<TSoakAction>& table = SoakActions();
    // Only: names holding one of its parts (separated by |).
    auto chosen = [this](const std::string& name) {
        for (std::size_t at = 0; at <= Only.size();) {
            const std::size_t bar = std::min(Only.find('|', at), Only.size());
            if (name.find(Only.substr(at, bar - at)) != std::string::npos)
                return true;
            at = bar + 1;
        }
        return false;
    };
    std::vector<int> weights;
    for (const TSoakAction& action : table)
        weights.push_back(chosen(action.Name) ? action.Weight : 0);
    std::discrete_distribution<std::size_t> choose(weights.begin(), weights.end());

    for (long i = 0; i < actions && !Failed(); ++i) {
        const auto began = TClock::now();
        std::string name;
        // The windows and wishes of the last action are gone.
        Answered.clear();
        WantedItems.clear();
        if (ListNeedsClearing(*this)) {
            name = "File > Clear List (the list is full)";
            Log.Begin(i, name);
            ClearListFromTheMenu(*this);
        } else {
            const TSoakAction& action = table[choose(Random)];
            name = action.Name;
            Log.Begin(i, name);
            action.Do(*this);
        }
        Settle();
        World.RemakeDeleted();
        CheckOutputStaysInside();
        ++Counts[name];
        Spent[name] += std::chrono::duration<double>(TClock::now() - began).count();
        if (Verbose)
            std::printf("%s\n", Log.CurrentEntry().c_str());
        ActionsDone = i + 1;
        if (ActionsDone == baselineAt)
            Baseline = ResourcesOfThisProcess();
        if (ActionsDone % ReportEvery == 0) {
            const TProcessResources now = ResourcesOfThisProcess();
            std::printf("soak: %ld actions, %.0f s, slowest answer %.0f ms, private %.2f MB (page file %.2f MB), "
                        "GDI %d, USER %d\n",
                        ActionsDone, std::chrono::duration<double>(TClock::now() - start).count(), SlowestAnswerMs.load(),
                        now.PrivateBytes / 1048576.0, now.PagefileBytes / 1048576.0, now.GdiObjects, now.UserObjects);
            std::fflush(stdout);
        }
    }
    End = ResourcesOfThisProcess();
    Exit();
    Watching = false;
    if (Watchdog.joinable())
        Watchdog.join();
    Seconds = std::chrono::duration<double>(TClock::now() - start).count();
}

void TSoakSession::Watch()
{
    while (Watching) {
        const auto sent = TClock::now();
        DWORD_PTR result = 0;
        const bool answered = ::SendMessageTimeoutW(Frame, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result) != 0;
        const double ms = std::chrono::duration<double, std::milli>(TClock::now() - sent).count();
        if (!Watching || !::IsWindow(Frame))
            break;
        if (ms > SlowestAnswerMs) {
            SlowestAnswerMs = ms;
            SlowestAnswerAction = Log.CurrentIndex();
        }
        if (!answered)
            Fail("the main window did not answer for 10 s");
        else if (ms > AnswerLimitMs)
            Fail("the main window took " + std::to_string(static_cast<int>(ms)) + " ms to answer");
        ::Sleep(50);
    }
}

void TSoakSession::Settle()
{
    LastProgress = TClock::now();
    int idleRounds = 0;
    long mark = -1;
    while (idleRounds < 2) {
        if (Failed() && !Ending)
            return;
        if (LookAtWindows()) {
            idleRounds = 0;
            mark = -1;
            ::Sleep(10);
        } else if (mark < 0) {
            // The loop is idle only once the queue is empty: what was posted before this has been handled.
            mark = IdleCount.load();
            ::PostMessageW(Frame, WM_NULL, 0, 0);
        } else if (IdleCount.load() > mark) {
            ++idleRounds;
            mark = -1;
            LastProgress = TClock::now();
            // A program the program launched shows its window a little later: it is waited for.
            if (idleRounds == 2 && LaunchedProgramStarting()) {
                idleRounds = 0;
                ::Sleep(50);
            }
        } else {
            ::Sleep(2);
        }
        if (TClock::now() - LastProgress > NoProgressLimit) {
            std::string shown;
            for (HWND window : ShownTopWindows())
                shown += "\n  " + Describe(window);
            return Fail("the program did not come back to its own loop within 60 s; shown:" + shown);
        }
    }
}

bool TSoakSession::LookAtWindows()
{
    const DWORD self = ::GetCurrentProcessId();
    bool pending = false;
    std::vector<HWND> menus, dialogs;
    for (HWND window : ShownTopWindows()) {
        const DWORD process = ProcessOf(window);
        const std::string className = ClassOf(window);
        if (className.empty())
            continue;   // gone since the look
        if (process != self) {
            if (SecondCopies.count(process)) {
                // A second copy shows its notice while it hands over; a box means it could not.
                if (className == "#32770")
                    Fail("a second copy showed " + Describe(window));
                pending = true;
            } else {
                CloseForeign(window, process);
                pending = true;
            }
            continue;
        }
        if (window == Frame || className == "QZTooltip" || className == "tooltips_class32" ||
            className == "StrandelPreview")
            continue;
        if (className == "QZMex")
            pending = true;
        else if (className == "#32768")
            menus.push_back(window);
        else if (className == "#32770")
            dialogs.push_back(window);
        else if (!Ending)
            Fail("a window that is none of the program's: " + Describe(window));
        else
            ::PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (!menus.empty()) {
        // The newest menu: a submenu just opened from the one answered before.
        HWND newest = menus.front();
        for (HWND menu : menus)
            if (!Answered.count(menu)) {
                newest = menu;
                break;
            }
        AnswerMenu(newest);
        return true;
    }
    for (HWND dialog : dialogs) {
        if (::IsWindowEnabled(dialog)) {
            AnswerDialog(dialog);
            return true;
        }
    }
    // A menu bar left in menu mode once its menu closed (an Escape does that): one more Escape.
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (::IsWindow(Frame) && ::GetGUIThreadInfo(::GetWindowThreadProcessId(Frame, nullptr), &thread) &&
        (thread.flags & GUI_INMENUMODE)) {
        TAnswered& answered = Answered[Frame];
        if (!answered.Times || TClock::now() - answered.When > AnswerAgainAfter) {
            answered = {TClock::now(), answered.Times + 1};
            ::PostMessageW(thread.hwndMenuOwner ? thread.hwndMenuOwner : Frame, WM_KEYDOWN, VK_ESCAPE, 1);
            ::PostMessageW(thread.hwndMenuOwner ? thread.hwndMenuOwner : Frame, WM_KEYUP, VK_ESCAPE, 0xC0000001);
        }
        return true;
    }
    // A modal window on its way (the frame is disabled before it shows).
    return pending || !dialogs.empty() || (::IsWindow(Frame) && !::IsWindowEnabled(Frame));
}

bool TSoakSession::LaunchedProgramStarting() const
{
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    bool starting = false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more && !starting; more = ::Process32NextW(snapshot, &entry))
        starting = entry.th32ParentProcessID == ::GetCurrentProcessId() && !SecondCopies.count(entry.th32ProcessID) &&
                   AgeOf(entry.th32ProcessID) < 5 && !HasShownWindow(entry.th32ProcessID);
    ::CloseHandle(snapshot);
    return starting;
}

void TSoakSession::CheckOutputStaysInside()
{
    if (Failed())
        return;
    const std::string output = TextOf(Control(IDC_OUTFILE));
    if (!World.IsOutputFile(output))
        Fail("the output file left the soak's output folder: " + output);
}

void TSoakSession::Exit()
{
    Ending = true;
    if (!::IsWindow(Frame))
        return;
    Settle();
    WantMenuItems({[](const std::string& text) { return text == "Exit"; }});
    OpenMenuBar("File");
    const auto start = TClock::now();
    bool closeBox = false;
    while (::IsWindow(Frame) && TClock::now() - start < std::chrono::seconds(60)) {
        LookAtWindows();
        ::Sleep(10);
        // A click that missed the menu: the close box asks the program the same.
        if (!closeBox && TClock::now() - start > std::chrono::seconds(15)) {
            closeBox = true;
            Note("the close box");
            ::PostMessageW(Frame, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
    }
    if (::IsWindow(Frame)) {
        Fail("the main window did not close on Exit");
        std::fflush(stdout);
        ::TerminateProcess(::GetCurrentProcess(), 3);
    }
}
