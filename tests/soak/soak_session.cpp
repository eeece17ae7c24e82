#include "soak/soak_session.h"

#include "res/resource.h"
#include "support/drop.h"
#include "support/input.h"
#include "support/window_lookup.h"
#include "text/wide_text.h"

#include <commctrl.h>
#include <prsht.h>
#include <tlhelp32.h>

#include <cstdio>
#include <iostream>

namespace {

using TClock = std::chrono::steady_clock;

constexpr auto AnswerAgainAfter = std::chrono::milliseconds(1500);
constexpr auto NoProgressLimit = std::chrono::seconds(60);
constexpr double AnswerLimitMs = 1000;
constexpr UINT MenuGetHandle = 0x01E1;   // MN_GETHMENU: the menu a pop-up menu window shows

DWORD ProcessOf(HWND window)
{
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    return process;
}

// The top-level windows shown, topmost first.
std::vector<HWND> ShownTopWindows()
{
    std::vector<HWND> windows;
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            if (::IsWindowVisible(window))
                reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// What a window says: its caption and the texts of its controls.
std::string Describe(HWND window)
{
    std::string text = "class " + ClassOf(window) + ", caption \"" + TextOf(window) + "\"";
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const std::string childText = TextOf(child);
        if (!childText.empty())
            text += ", \"" + childText + "\"";
    }
    return text;
}

std::string FirstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

bool StartsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

void PressDialogButton(HWND dialog, int id)
{
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

// The boxes of the program: their caption and how their text starts.
struct TKnownBox {
    const char* Caption;
    const char* TextStart;
};
const TKnownBox KnownBoxes[] = {
    {"Tarvik Strandel", "Do you want set Relative path to:"},
    {"Tarvik Strandel", "Can't set a Folder like Output File"},
    {"Tarvik Strandel", "Drag a single file over Auto Drag button"},
    {"Tarvik Strandel", "Are you sure you want to delete:"},
    {"Tarvik Strandel", "Please restart the program to changes take effect"},
    {"Tarvik Strandel", "The help page could not be opened"},
    {"Tarvik Strandel", "The template "},
    {"Tarvik Strandel", "The font could not be saved"},
    {"Tarvik Strandel", "The image extensions could not be saved"},
    {"Tarvik Strandel", "The settings could not be saved"},
    {"Warning", "Do you want set Output file to:"},
    {"Info", "Please Drag and Drop some files before using this command"},
    {"Invalid output file name", ""},
    {"Invalid file name", ""},
};

// The program's file dialogs, by title.
const char* const FileDialogTitles[] = {"Open List", "Save List", "File", "Save Head & Queue"};

bool IsFileDialog(HWND dialog)
{
    const std::string caption = TextOf(dialog);
    for (const char* title : FileDialogTitles)
        if (caption == title)
            return ::GetDlgItem(dialog, 1148) || ::GetDlgItem(dialog, 1152);
    return false;
}

bool IsFontDialog(HWND dialog)
{
    return TextOf(dialog) == "Font" && ::GetDlgItem(dialog, 1136);
}

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
    std::vector<int> weights;
    for (const TSoakAction& action : table)
        weights.push_back(action.Weight);
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
        if (ActionsDone % 1000 == 0) {
            const TProcessResources now = ResourcesOfThisProcess();
            std::printf("soak: %ld actions, %.0f s, slowest answer %.0f ms, private %.1f MB, GDI %d, USER %d\n",
                        ActionsDone, std::chrono::duration<double>(TClock::now() - start).count(), SlowestAnswerMs.load(),
                        now.PrivateBytes / 1048576.0, now.GdiObjects, now.UserObjects);
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
        if (process != self) {
            if (SecondCopies.count(process)) {
                if (className != "QZMex")
                    Fail("a second copy showed " + Describe(window));
                pending = true;
            } else {
                CloseForeign(window, process);
                pending = true;
            }
            continue;
        }
        if (window == Frame || className == "QZTooltip" || className == "tooltips_class32")
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

void TSoakSession::CloseForeign(HWND window, DWORD)
{
    TAnswered& answered = Answered[window];
    if (answered.Times && TClock::now() - answered.When < AnswerAgainAfter)
        return;
    const std::string caption = TextOf(window);
    if (caption == "Program Error" || TextOf(::GetDlgItem(window, 0xFFFF)).find("serious problem") != std::string::npos)
        return Fail("a program crashed: " + Describe(window));
    // A program the program launched (Notepad on the output, say): the person closes it.
    if (!answered.Times) {
        ++ForeignWindowsClosed;
        Note("closed \"" + caption + "\" (" + ClassOf(window) + ") of a program launched");
    }
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    answered = {TClock::now(), answered.Times + 1};
    LastProgress = TClock::now();
}

void TSoakSession::AnswerMenu(HWND menuWindow)
{
    TAnswered& answered = Answered[menuWindow];
    if (answered.Times && TClock::now() - answered.When < AnswerAgainAfter)
        return;
    answered = {TClock::now(), answered.Times + 1};
    LastProgress = TClock::now();
    const HMENU menu = reinterpret_cast<HMENU>(::SendMessageW(menuWindow, MenuGetHandle, 0, 0));
    struct TItem {
        int Position;
        std::string Text;
    };
    std::vector<TItem> items;
    const int count = menu ? ::GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = L"";
        ::GetMenuStringW(menu, static_cast<UINT>(i), text, static_cast<int>(std::size(text)), MF_BYPOSITION);
        if (text[0])
            items.push_back({i, Narrow(text)});
    }
    // A menu that stays after a click, or that nobody wants anything of, is closed with Escape.
    const TItem* chosen = nullptr;
    if (answered.Times == 1 && !items.empty() && (!Ending || !WantedItems.empty())) {
        std::vector<const TItem*> choices;
        if (!WantedItems.empty()) {
            for (const TItem& item : items)
                if (WantedItems.front()(item.Text))
                    choices.push_back(&item);
            WantedItems.erase(WantedItems.begin());
        } else if (!Chance(0.08)) {
            for (const TItem& item : items)
                if (item.Text != "E&xit")
                    choices.push_back(&item);
        }
        if (!choices.empty())
            chosen = Pick(choices);
    }
    if (!chosen) {
        WantedItems.clear();
        Note("menu closed (" + std::to_string(items.size()) + " items, times " + std::to_string(answered.Times) + ", menu " + std::to_string((UINT_PTR)menu) + ")");
        ::PostMessageW(menuWindow, WM_KEYDOWN, VK_ESCAPE, 1);
        ::PostMessageW(menuWindow, WM_KEYUP, VK_ESCAPE, 0xC0000001);
        return;
    }
    Note("menu item \"" + chosen->Text + "\"");
    RECT r{};
    ::GetMenuItemRect(nullptr, menu, static_cast<UINT>(chosen->Position), &r);
    Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void TSoakSession::AnswerDialog(HWND dialog)
{
    TAnswered& answered = Answered[dialog];
    if (answered.Times && TClock::now() - answered.When < AnswerAgainAfter)
        return;
    const int times = answered.Times;
    answered = {TClock::now(), times + 1};
    LastProgress = TClock::now();
    const std::string caption = TextOf(dialog);
    HWND boxText = ::GetDlgItem(dialog, 0xFFFF);
    if (caption == "Tarvik Strandel" && ::GetDlgItem(dialog, IDC_ABOUT_WEB)) {
        Note("about: OK");
        PressDialogButton(dialog, IDOK);
    } else if (boxText && ClassOf(boxText) == "Static") {
        AnswerMessageBox(dialog, caption, TextOf(boxText));
    } else if (caption == "Input" && ::GetDlgItem(dialog, IDC_MLINPUT_TEXT)) {
        if (times == 0 && !Ending && Chance(0.6)) {
            const std::string text = TSoakWorld::RandomText(Random, Chance(0.1) ? 2100 : 200);
            ::SetDlgItemTextW(dialog, IDC_MLINPUT_TEXT, Wide(text).c_str());
            Note("input: " + std::to_string(text.size()) + " bytes, OK");
            PressDialogButton(dialog, IDOK);
        } else {
            Note("input: Cancel");
            PressDialogButton(dialog, IDCANCEL);
        }
    } else if (caption == "Options") {
        AnswerOptions(dialog);
    } else if (IsFontDialog(dialog)) {
        const bool ok = times == 0 && !Ending && Chance(0.5);
        Note(ok ? "font: OK" : "font: Cancel");
        PressDialogButton(dialog, ok ? IDOK : IDCANCEL);
    } else if (IsFileDialog(dialog)) {
        AnswerFileDialog(dialog, caption, times);
    } else if (Ending) {
        PressDialogButton(dialog, IDCANCEL);
    } else {
        Fail("a dialog that is none of the program's: " + Describe(dialog));
    }
}

void TSoakSession::AnswerMessageBox(HWND box, const std::string& caption, const std::string& text)
{
    // A question of a system dialog the program opened (a file dialog's "replace it?") is its own.
    HWND owner = ::GetWindow(box, GW_OWNER);
    bool known = owner && (IsFileDialog(owner) || IsFontDialog(owner));
    for (const TKnownBox& kind : KnownBoxes)
        known = known || (caption == kind.Caption && StartsWith(text, kind.TextStart));
    if (!known && !Ending)
        return Fail("a message box that is none of the program's: caption \"" + caption + "\", text \"" + text + "\"");

    std::vector<int> buttons;
    for (int id : {IDOK, IDCANCEL, IDYES, IDNO})
        if (::GetDlgItem(box, id))
            buttons.push_back(id);
    if (buttons.empty())
        buttons.push_back(IDCANCEL);
    int button = Pick(buttons);
    // The program's data stays safe: only the soak's own files are deleted or written.
    const std::string deleteQuestion = "Are you sure you want to delete:\n";
    const std::string outputQuestion = "Do you want set Output file to:\n\n";
    if (StartsWith(text, deleteQuestion) && !World.IsMadeForDeletion(text.substr(deleteQuestion.size())))
        button = IDNO;
    if (StartsWith(text, outputQuestion) &&
        !World.IsOutputFile(text.substr(outputQuestion.size(), text.find("\n\nWarning") - outputQuestion.size())))
        button = IDNO;
    if (Ending)
        button = ::GetDlgItem(box, IDYES) ? IDYES : buttons.front();
    static const std::map<int, const char*> names{{IDOK, "OK"}, {IDCANCEL, "Cancel"}, {IDYES, "Yes"}, {IDNO, "No"}};
    Note("box \"" + caption + "\": \"" + FirstLine(text) + "\" " + names.at(button));
    PressDialogButton(box, button);
}

void TSoakSession::AnswerFileDialog(HWND dialog, const std::string& caption, int times)
{
    if (times > 0 || Ending || Chance(0.25)) {
        Note("file dialog \"" + caption + "\": Cancel");
        PressDialogButton(dialog, IDCANCEL);
        return;
    }
    const std::string& name = caption == "File"                ? Pick(World.OutputFiles())
                              : caption == "Save Head & Queue" ? Pick(World.TemplateFiles())
                                                               : Pick(World.ListFiles());
    Note("file dialog \"" + caption + "\": " + name);
    ::SetDlgItemTextW(dialog, ::GetDlgItem(dialog, 1148) ? 1148 : 1152, Wide(name).c_str());
    PressDialogButton(dialog, IDOK);
}

void TSoakSession::AnswerOptions(HWND sheet)
{
    if (Answered[sheet].Times > 1 || Ending) {
        Note("options: Cancel");
        ::PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        return;
    }
    const int pageIndex = Uniform(0, 1);   // "Send To", "Various"
    ::SendMessageW(sheet, PSM_SETCURSEL, static_cast<WPARAM>(pageIndex), 0);
    HWND page = reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    if (pageIndex == 0) {
        HWND radio = ::GetDlgItem(page, Chance(0.5) ? IDC_SENDTO_NAME : IDC_SENDTO_LINE);
        ::SendMessageW(radio, BM_CLICK, 0, 0);
        Note("options: Send To \"" + TextOf(radio) + "\"");
    } else {
        if (Chance(0.3))
            ::SendMessageW(::GetDlgItem(page, IDC_USETIP), BM_CLICK, 0, 0);
        static const std::vector<std::string> extensions{".gif;.jpg;.png", ".JPG;.jpeg;.webp;.bmp", "", ".фото;.图片"};
        const std::string& typed = Pick(extensions);
        ::SetDlgItemTextW(page, IDC_IMAGEEXT, Wide(typed).c_str());
        Note("options: tips " + std::string(::IsDlgButtonChecked(page, IDC_USETIP) ? "on" : "off") + ", images \"" +
             typed + "\"");
    }
    const bool ok = Chance(0.7);
    Note(ok ? "options: OK" : "options: Cancel");
    ::PostMessageW(sheet, PSM_PRESSBUTTON, ok ? PSBTN_OK : PSBTN_CANCEL, 0);
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
    WantMenuItems({[](const std::string& text) { return text == "E&xit"; }});
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

// ---- what actions use ----

void TSoakSession::PointTo(POINT screen)
{
    PointerTo(screen, TEcho::Input);
}

void TSoakSession::Click(POINT screen, bool right)
{
    PointTo(screen);
    // A tip still up where the person aims goes once the pointer has left what it was for.
    for (int wait = 0; wait < 10 && ClassOf(::WindowFromPoint(screen)) == "QZTooltip"; ++wait)
        ::Sleep(50);
    PressButton(right ? TMouseButton::Right : TMouseButton::Left);
    ReleaseButton(right ? TMouseButton::Right : TMouseButton::Left);
}

void TSoakSession::ClickControl(int id, bool right)
{
    ComeForward();
    RECT r{};
    ::GetWindowRect(Control(id), &r);
    Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2}, right);
}

void TSoakSession::ComeForward()
{
    ::SetForegroundWindow(Frame);
}

void TSoakSession::OpenMenuBar(const std::string& title)
{
    HMENU bar = ::GetMenu(Frame);
    for (int i = 0; i < ::GetMenuItemCount(bar); ++i) {
        wchar_t text[64] = L"";
        ::GetMenuStringW(bar, static_cast<UINT>(i), text, static_cast<int>(std::size(text)), MF_BYPOSITION);
        if (Narrow(text) != title)
            continue;
        RECT r{};
        ::GetMenuItemRect(Frame, bar, static_cast<UINT>(i), &r);
        ComeForward();
        Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        return;
    }
    Fail("the menu bar has no \"" + title + "\"");
}

void TSoakSession::WantMenuItems(std::vector<std::function<bool(const std::string&)>> wanted)
{
    WantedItems = std::move(wanted);
}

void TSoakSession::DropAt(POINT screen, const std::vector<std::string>& names)
{
    PointTo(screen);
    POINT client = screen;
    ::ScreenToClient(Dialog, &client);
    std::string noted = "dropped";
    for (const std::string& name : names)
        noted += " \"" + name.substr(name.find_last_of('\\') + 1) + "\"";
    Note(noted);
    ::PostMessageW(Dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(names, client)), 0);
}

std::vector<std::string> TSoakSession::SomeNames(int most)
{
    std::vector<std::string> names(static_cast<std::size_t>(Uniform(1, most)));
    for (std::string& name : names)
        name = Pick(World.DropNames());
    return names;
}

void TSoakSession::SendToFromSecondCopies(const std::vector<std::string>& names)
{
    std::vector<PROCESS_INFORMATION> started;
    for (const std::string& name : names) {
        std::wstring commandLine = Wide("\"" + Program + "\" \"" + name + "\"");
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
            return Fail("a second copy could not be started: " + Program);
        SecondCopies.insert(info.dwProcessId);
        started.push_back(info);
        Note("second copy sends \"" + name.substr(name.find_last_of('\\') + 1) + "\"");
    }
    const auto end = TClock::now() + std::chrono::seconds(60);
    for (PROCESS_INFORMATION& info : started) {
        while (::WaitForSingleObject(info.hProcess, 10) == WAIT_TIMEOUT && !Failed()) {
            LookAtWindows();
            if (TClock::now() > end) {
                Fail("a second copy did not end within 60 s");
                ::TerminateProcess(info.hProcess, 1);   // only the copy this soak started
            }
        }
        DWORD code = 0;
        ::GetExitCodeProcess(info.hProcess, &code);
        if (code != static_cast<DWORD>(-1) && !Failed())
            Fail("a second copy ended with " + std::to_string(code) + ", not handing its file over");
        ::CloseHandle(info.hThread);
        ::CloseHandle(info.hProcess);
        SecondCopies.erase(info.dwProcessId);
    }
    // The hand-overs have been taken: each name now waits in the program's queue.
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(Frame, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
}

void TSoakSession::Resize(SIZE size, bool control, bool shift)
{
    size.cx = std::min<LONG>(size.cx, ScreenWidth());
    size.cy = std::min<LONG>(size.cy, ScreenHeight());
    RECT r{};
    ::GetWindowRect(Frame, &r);
    const int x = std::max<LONG>(0, std::min<LONG>(r.left, ScreenWidth() - size.cx));
    const int y = std::max<LONG>(0, std::min<LONG>(r.top, ScreenHeight() - size.cy));
    Note("to " + std::to_string(size.cx) + " x " + std::to_string(size.cy));
    std::vector<int> keys;
    if (control)
        keys.push_back(VK_CONTROL);
    if (shift)
        keys.push_back(VK_SHIFT);
    for (int key : keys)
        HoldKey(key, true);
    ::SetWindowPos(Frame, nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    for (int key : keys)
        HoldKey(key, false);
}
