// The program as the shell starts it: a first copy, then a second copy with a file name
// that hands the name over and ends. Real processes, the real clipboard.
#include "res/resource.h"
#include "support/clipboard.h"
#include "support/paths.h"
#include "support/pump.h"
#include "support/window_lookup.h"
#include "text/native_path.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

const DWORD HandedOverExitCode = static_cast<DWORD>(-1);

// One copy of the program, ended by the test if it has not ended itself.
class TProgram {
public:
    TProgram(const std::string& exe, const std::string& arguments, WORD showWindow = SW_SHOWNORMAL)
    {
        std::wstring commandLine = Wide("\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments));
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = showWindow;
        Started = ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &Info) != FALSE;
    }
    ~TProgram()
    {
        if (!Started)
            return;
        if (::WaitForSingleObject(Info.hProcess, 0) == WAIT_TIMEOUT) {
            if (HWND window = MainWindow())
                ::PostMessageW(window, WM_CLOSE, 0, 0);
            if (::WaitForSingleObject(Info.hProcess, 20000) == WAIT_TIMEOUT)
                ::TerminateProcess(Info.hProcess, 1);   // only the process this test started
        }
        ::CloseHandle(Info.hThread);
        ::CloseHandle(Info.hProcess);
    }

    bool Started = false;

    // The exit code once the process has ended within the time, else STILL_ACTIVE.
    DWORD ExitCode(int timeoutMs = 30000) const
    {
        ::WaitForSingleObject(Info.hProcess, static_cast<DWORD>(timeoutMs));
        DWORD code = STILL_ACTIVE;
        ::GetExitCodeProcess(Info.hProcess, &code);
        return code;
    }

    // This copy's main window, once it is shown.
    HWND MainWindow(int timeoutMs = 0) const
    {
        HWND found = nullptr;
        PumpUntil([&] { return (found = FindShownWindow(Info.dwProcessId, "QZ_STRANDEL")) != nullptr; }, timeoutMs, 50);
        return found;
    }

    DWORD ProcessId() const { return Info.dwProcessId; }

    // The number of entries in this copy's file list.
    int ListCount() const
    {
        HWND dialog = ::FindWindowExW(MainWindow(), nullptr, L"#32770", nullptr);
        return static_cast<int>(::SendMessageW(::GetDlgItem(dialog, 101), LB_GETCOUNT, 0, 0));
    }

private:
    PROCESS_INFORMATION Info{};
};

class HandOff : public ::testing::Test {
protected:
    void SetUp() override
    {
        Exe = Dir.File("strandel.exe");
        ASSERT_TRUE(::CopyFileW(Wide(WindowsPath(STRANDEL_PROGRAM)).c_str(), Wide(Exe).c_str(), FALSE))
            << STRANDEL_PROGRAM;
        ::CreateDirectoryW(Wide(Dir.File("A Long Folder Name")).c_str(), nullptr);
        LongName = Dir.File("A Long Folder Name\\My long file name.text");
        WriteBytes(LongName, "x");
        wchar_t buffer[MAX_PATH] = L"";
        ::GetShortPathNameW(Wide(LongName).c_str(), buffer, MAX_PATH);
        ShortName = Narrow(buffer);
        ::GetLongPathNameW(Wide(LongName).c_str(), buffer, MAX_PATH);
        LongName = Narrow(buffer);
        SetClipboardText("before");
    }

    void TearDown() override { ::DeleteFileW(Wide(WindowsFolderIni()).c_str()); }

    // Waits for the clipboard to change from what the test left there.
    static std::string ClipboardOnceChanged()
    {
        std::string text;
        PumpUntil([&] { return (text = ClipboardText()) != "before"; }, 20000, 50);
        return text;
    }

    TTempDir Dir;
    std::string Exe, LongName, ShortName;
};

// Explorer starts one copy with every file selected: all of them go, in order, in one hand-off.
TEST_F(HandOff, ASecondCopyHandsAllItsLongNamesInOneGoAndEnds)
{
    WriteBytes(WindowsFolderIni(), "[Strandel]\r\nCheckIndex=0\r\nSendToIndex=0\r\n");
    ASSERT_NE(ShortName, LongName) << "no short names to test with";
    TProgram first(Exe, "");
    ASSERT_TRUE(first.Started);
    ASSERT_NE(first.MainWindow(30000), nullptr);

    const std::string third = Dir.File("third one.txt");
    TProgram second(Exe, ShortName + " C:\\second\\file.txt \"" + third + "\"");
    ASSERT_TRUE(second.Started);
    EXPECT_EQ(second.ExitCode(), HandedOverExitCode);
    EXPECT_EQ(ClipboardOnceChanged(), LongName + "\r\nC:\\second\\file.txt\r\n" + third);
    EXPECT_EQ(first.ListCount(), 0);
}

TEST_F(HandOff, WithTheLineOptionTheWholeLineGoesWithCrLf)
{
    WriteBytes(WindowsFolderIni(), "[Strandel]\r\nSendToIndex=1\r\nCheckIndex=2\r\nHeader=<copy \">\r\n"
                                   "Queue=<\" QZ_GETSELINDEX/QZ_GETCOUNT#QZ_BR#>\r\n");
    TProgram first(Exe, "");
    ASSERT_NE(first.MainWindow(30000), nullptr);
    TProgram second(Exe, "\"" + LongName + "\"");
    EXPECT_EQ(second.ExitCode(), HandedOverExitCode);
    EXPECT_EQ(ClipboardOnceChanged(), "copy \"My long file name.text\" 1/0\r\n");
    EXPECT_EQ(first.ListCount(), 0);
}

// The name comes from the system's wide command line: in any script, whatever the code page.
TEST_F(HandOff, ANameInAnyScriptGoesWholeFromTheCommandLineToTheFirstCopy)
{
    WriteBytes(WindowsFolderIni(), "[Strandel]\r\nCheckIndex=0\r\nSendToIndex=0\r\n");
    const std::string name = Dir.File("报告 Ωμέγα Фото 😀.txt");
    ASSERT_TRUE(std::fclose(OpenNativeFile(name, "wb")) == 0);
    TProgram first(Exe, "");
    ASSERT_NE(first.MainWindow(30000), nullptr);
    TProgram second(Exe, "\"" + name + "\"");
    EXPECT_EQ(second.ExitCode(), HandedOverExitCode);
    EXPECT_EQ(ClipboardOnceChanged(), name);
}

TEST_F(HandOff, AFirstCopyStartedWithFilesCopiesThemAllOnceItIsUp)
{
    WriteBytes(WindowsFolderIni(), "[Strandel]\r\nCheckIndex=2\r\n");
    TProgram first(Exe, ShortName + " \"C:\\Some folder\\b.txt\"");
    ASSERT_NE(first.MainWindow(30000), nullptr);
    EXPECT_EQ(ClipboardOnceChanged(), "My long file name.text\r\nb.txt");
    EXPECT_EQ(first.ListCount(), 0);
    EXPECT_EQ(first.ExitCode(0), static_cast<DWORD>(STILL_ACTIVE));
}

// Typed by name in a command prompt, the program is found on the PATH and started as
// "strandel": its folder is where the system found it, not that name's.
TEST_F(HandOff, StartedByItsBareNameFromCmdTheProgramFindsItsOwnFolder)
{
    WriteBytes(Dir.File("Beside the program.hqd"), "[Strandel]\r\nHeader=<found>\r\n");
    const std::wstring path = L"PATH";
    std::wstring kept(32767, L'\0');
    kept.resize(::GetEnvironmentVariableW(path.c_str(), kept.data(), static_cast<DWORD>(kept.size())));
    ::SetEnvironmentVariableW(path.c_str(), (Wide(Dir.Folder().string()) + L";" + kept).c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION prompt{};
    std::wstring commandLine = L"cmd.exe /c strandel";
    const bool started = ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                          Wide(WindowsFolder()).c_str(), &startup, &prompt) != FALSE;
    ::SetEnvironmentVariableW(path.c_str(), kept.c_str());
    ASSERT_TRUE(started);

    HWND window = nullptr;
    PumpUntil([&] { return (window = ::FindWindowW(L"QZ_STRANDEL", nullptr)) != nullptr && ::IsWindowVisible(window); },
              30000, 50);
    ASSERT_NE(window, nullptr);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    HANDLE program = ::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, process);
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(window, WM_COMMAND, IDM_TEMPLATE_FIRST, 0, SMTO_ABORTIFHUNG, 10000, &ignored);
    EXPECT_EQ(TextOf(window), "Tarvik Strandel - Beside the program");

    // The program this test had the prompt start, and the prompt.
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    if (program && ::WaitForSingleObject(program, 20000) == WAIT_TIMEOUT)
        ::TerminateProcess(program, 1);
    if (program)
        ::CloseHandle(program);
    if (::WaitForSingleObject(prompt.hProcess, 20000) == WAIT_TIMEOUT)
        ::TerminateProcess(prompt.hProcess, 1);
    ::CloseHandle(prompt.hThread);
    ::CloseHandle(prompt.hProcess);
}

TEST_F(HandOff, AMinimisedShortcutEndsUpMinimised)
{
    TProgram first(Exe, "", SW_SHOWMINNOACTIVE);
    HWND window = first.MainWindow(30000);
    ASSERT_NE(window, nullptr);
    PumpUntil([&] { return ::IsIconic(window) != FALSE; }, 10000, 50);
    EXPECT_TRUE(::IsIconic(window));
}

TEST_F(HandOff, ClosingTheFirstCopySavesItsSettings)
{
    ::DeleteFileW(Wide(WindowsFolderIni()).c_str());
    {
        TProgram first(Exe, "");
        ASSERT_NE(first.MainWindow(30000), nullptr);
        ::PostMessageW(first.MainWindow(), WM_CLOSE, 0, 0);
        EXPECT_EQ(first.ExitCode(), 0u);
    }
    const std::string ini = ReadBytes(WindowsFolderIni());
    EXPECT_NE(ini.find("FileOutput=" + DesktopOutput() + "\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("UseTip=1"), std::string::npos) << ini;
}

// Notes every text the clipboard takes, on a thread of its own: each stays at least the 600 ms
// of its notice, and the clipboard is looked at far more often (under Wine its change notices
// come late, in bursts).
class TClipboardWatch {
public:
    TClipboardWatch() : Watcher([this] { Watch(); }) {}
    ~TClipboardWatch()
    {
        Stop = true;
        Watcher.join();
    }
    std::vector<std::string> Texts()
    {
        std::lock_guard<std::mutex> lock(Guard);
        return Seen;
    }

private:
    void Watch()
    {
        DWORD sequence = ::GetClipboardSequenceNumber();
        while (!Stop) {
            if (const DWORD now = ::GetClipboardSequenceNumber(); now != sequence) {
                sequence = now;
                std::string text = ClipboardText();
                std::lock_guard<std::mutex> lock(Guard);
                if (Seen.empty() || Seen.back() != text)
                    Seen.push_back(text);
            }
            ::Sleep(10);
        }
    }

    std::mutex Guard;
    std::vector<std::string> Seen;
    std::atomic<bool> Stop{false};
    std::thread Watcher;
};

TEST_F(HandOff, FiftyCopiesSendingAtOnceAreEachAnsweredAndCopiedInTurn)
{
    WriteBytes(WindowsFolderIni(), "[Strandel]\r\nCheckIndex=2\r\nSendToIndex=0\r\n");
    TProgram first(Exe, "");
    ASSERT_NE(first.MainWindow(30000), nullptr);
    TClipboardWatch watch;

    constexpr int Copies = 50;
    std::vector<std::unique_ptr<TProgram>> seconds;
    for (int i = 0; i < Copies; ++i)
        seconds.push_back(std::make_unique<TProgram>(Exe, "C:\\sent\\file" + std::to_string(i) + ".txt"));
    for (auto& second : seconds) {
        DWORD code = STILL_ACTIVE;
        PumpUntil([&] { return (code = second->ExitCode(0)) != STILL_ACTIVE; }, 120000, 20);
        EXPECT_EQ(code, HandedOverExitCode);
    }
    // Every name reaches the clipboard once, one after the other.
    std::map<std::string, int> seen;
    PumpUntil([&] {
        seen.clear();
        for (const std::string& text : watch.Texts())
            ++seen[text];
        return seen.size() >= Copies;
    }, 120000, 20);
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(Copies));
    for (int i = 0; i < Copies; ++i)
        EXPECT_EQ(seen["file" + std::to_string(i) + ".txt"], 1) << i;
    DWORD_PTR answer = 0;
    EXPECT_NE(::SendMessageTimeoutW(first.MainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer), 0);
    EXPECT_EQ(first.ListCount(), 0);
}

TEST_F(HandOff, ASecondCopyGivesUpOnAFirstCopyThatDoesNotAnswer)
{
    // A window of the program's class whose thread never handles a message.
    std::atomic<HWND> silent{nullptr};
    std::atomic<bool> release{false};
    std::thread hung([&] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = ::DefWindowProcA;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = "QZ_STRANDEL";
        ::RegisterClassA(&windowClass);
        silent = ::CreateWindowExA(0, "QZ_STRANDEL", "hung", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                   windowClass.hInstance, nullptr);
        while (!release)
            ::Sleep(50);
        ::DestroyWindow(silent);
    });
    PumpUntil([&] { return silent.load() != nullptr; }, 5000);

    TProgram second(Exe, "C:\\never\\taken.txt");
    DWORD process = second.ProcessId();
    // While it waits for the first copy, the second shows its notice ("Sending to existing
    // thread..."), gone again by the time it says the name may not have been copied.
    HWND notice = nullptr;
    PumpUntil([&] { return (notice = FindShownWindow(process, "QZMex", "Tarvik Strandel")) != nullptr; }, 40000, 20);
    EXPECT_NE(notice, nullptr);
    HWND box = nullptr;
    PumpUntil([&] { return (box = FindShownWindow(process, "#32770", "Tarvik Strandel")) != nullptr; }, 40000, 100);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(FindShownWindow(process, "QZMex"), nullptr);
    EXPECT_EQ(TextOf(::GetDlgItem(box, 0xFFFF)),
              "The running Strandel does not answer, so this file may not have been copied:\n\nC:\\never\\taken.txt");
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(second.ExitCode(), 1u);
    release = true;
    hung.join();
}

TEST_F(HandOff, LongNamesOnTheCommandLineArriveWhole)
{
    WriteBytes(WindowsFolderIni(), "[Strandel]\r\nCheckIndex=0\r\n");
    const std::string first2000 = "C:\\" + std::string(1991, 'f') + "\\x.txt";
    const std::string second5000 = "C:\\" + std::string(4991, 's') + "\\y.txt";
    ASSERT_EQ(first2000.size(), 2000u);
    TProgram first(Exe, first2000);
    ASSERT_NE(first.MainWindow(30000), nullptr);
    EXPECT_EQ(ClipboardOnceChanged(), first2000);
    SetClipboardText("before");
    TProgram second(Exe, second5000);
    EXPECT_EQ(second.ExitCode(), HandedOverExitCode);
    EXPECT_EQ(ClipboardOnceChanged(), second5000);
}

} // namespace
