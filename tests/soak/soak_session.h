#pragma once
// A person at the running program for a long session, on a thread of its own: acts through
// the real pointer, keyboard, drops and second copies; answers every box, dialog and menu the
// program shows; and watches that nothing else shows, that the window always answers, and what
// the process holds.
#include "soak/soak_log.h"
#include "soak/soak_world.h"
#include "support/process_resources.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

class TSoakSession {
public:
    // idleCount: how often the program's own message loop has found its queue empty.
    TSoakSession(TSoakWorld& world, std::uint64_t seed, const std::atomic<long>& idleCount, std::string program);
    ~TSoakSession();

    // Waits for the main window, then runs the actions, then ends the program through its menu.
    void Run(long actions, long baselineAt);

    bool Failed() const { return HasFailed; }
    const std::string& FailureReport() const { return Failure; }

    // The figures of the run.
    long ActionsDone = 0;
    std::atomic<double> SlowestAnswerMs{0};
    std::atomic<long> SlowestAnswerAction{-1};
    TProcessResources Baseline, End;
    double Seconds = 0;
    int ForeignWindowsClosed = 0;
    std::map<std::string, int> Counts;        // actions run, by name
    std::map<std::string, double> Spent;      // seconds they took, by name
    bool Verbose = false;                     // every action printed as it ends
    std::string Only;                         // only the actions whose names hold this
    long ReportEvery = 1000;                  // the figures printed after so many actions
    double AnswerLimitMs = 1000;              // the slowest answer of the window that passes

    // ---- what actions use ----
    std::mt19937_64 Random;
    TSoakWorld& World;
    TActionLog Log;
    HWND Frame = nullptr;
    HWND Dialog = nullptr;

    int Uniform(int first, int last) { return std::uniform_int_distribution<int>(first, last)(Random); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(Random); }
    template <typename T>
    const T& Pick(const std::vector<T>& items) { return items[static_cast<std::size_t>(Uniform(0, static_cast<int>(items.size()) - 1))]; }

    HWND Control(int id) const { return ::GetDlgItem(Dialog, id); }
    // The pointer moved onto a point of the screen, the way a hand moves it (the system's echo
    // comes as input).
    void PointTo(POINT screen);
    void Click(POINT screen, bool right = false);
    void ClickControl(int id, bool right = false);
    // The pointer's rest: the main window forward, the pointer over nothing that reacts.
    void ComeForward();
    void PostCommand(int id) { ::PostMessageW(Frame, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    // Clicks a title of the menu bar; the menu that opens is answered like every other.
    void OpenMenuBar(const std::string& title);
    // The next menus shown: the item whose text passes is clicked (submenus open on the way).
    void WantMenuItems(std::vector<std::function<bool(const std::string&)>> wanted);
    // Files dropped as the shell drops them, at a point of the screen over the dialog.
    void DropAt(POINT screen, const std::vector<std::string>& names);
    // Names of the world to drop or send: one or a few.
    std::vector<std::string> SomeNames(int most);
    // Second copies of the program started with these names; returns when they have ended.
    void SendToFromSecondCopies(const std::vector<std::string>& names);
    // The frame resized (Ctrl, or Ctrl and Shift, held as the program reads them).
    void Resize(SIZE size, bool control, bool shift);
    SIZE InitialSize{};

    void Note(const std::string& detail) { Log.Note(detail); }
    void Fail(const std::string& what);

private:
    void WaitForProgram();
    // Handles what the program shows until its own loop is idle twice in a row with nothing shown.
    void Settle();
    // One look at the windows: answers what needs it; true while something is shown or pending.
    bool LookAtWindows();
    void AnswerMenu(HWND menu);
    void AnswerDialog(HWND dialog);
    void AnswerMessageBox(HWND box, const std::string& caption, const std::string& text);
    void AnswerFileDialog(HWND dialog, const std::string& caption, int times);
    void AnswerOptions(HWND sheet);
    void CloseForeign(HWND window, DWORD process);
    // Whether a program the program launched is still on its way to showing its window.
    bool LaunchedProgramStarting() const;
    void CheckOutputStaysInside();
    void Watch();
    void Exit();

    const std::atomic<long>& IdleCount;
    std::string Program;
    std::thread Watchdog;
    std::atomic<bool> Watching{false};
    std::chrono::steady_clock::time_point LastProgress;
    // Windows answered, with when and how often: a window is answered again only when it stays.
    struct TAnswered {
        std::chrono::steady_clock::time_point When;
        int Times = 0;
    };
    std::map<HWND, TAnswered> Answered;
    std::vector<std::function<bool(const std::string&)>> WantedItems;
    std::set<DWORD> SecondCopies;
    std::string Failure;
    std::atomic<bool> HasFailed{false};
    std::atomic<bool> Ending{false};
};

// One thing a person does: its name in the log, how often it comes, what it does.
struct TSoakAction {
    const char* Name;
    int Weight;
    std::function<void(TSoakSession&)> Do;
};
const std::vector<TSoakAction>& SoakActions();
// Before each action: whether the list has grown past what a session keeps (it is then cleared).
bool ListNeedsClearing(TSoakSession& session);
// The menu bar's Clear List, as the action of that name does it.
void ClearListFromTheMenu(TSoakSession& session);
