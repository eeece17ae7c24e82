// A person with the keyboard alone: the program's own loop runs on this thread while real key
// events come from another, as a person types them. The list is filled from a list file,
// reordered, trimmed, the texts around the names typed, the output chosen and created, and
// the window closed, with no click anywhere.
#include "app/base_dlg.h"
#include "app/my_app.h"
#include "framework/frame_window.h"
#include "app/program_state.h"
#include "res/resource.h"
#include "support/input.h"
#include "support/paths.h"
#include "support/pump.h"
#include "support/window_lookup.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

// The window that has the keyboard in the thread of the given window.
HWND FocusOfThreadOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

// The file list among the window's descendants.
HWND ListOf(HWND main)
{
    HWND found = nullptr;
    ::EnumChildWindows(
        main,
        [](HWND child, LPARAM result) {
            if (::GetDlgCtrlID(child) != IDC_FILELIST || ClassOf(child) != "ListBox")
                return TRUE;
            *reinterpret_cast<HWND*>(result) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The person's side: each step waits for what a person would see before typing on.
class TKeyboardPerson {
public:
    explicit TKeyboardPerson(TMyApp& app) : App(app) {}

    std::vector<std::string> Failures;

    bool WaitFor(const std::function<bool()>& condition, const std::string& what, int ms = 15000)
    {
        if (PumpUntil(condition, ms, 20))
            return true;
        std::string shown;
        for (HWND window : ShownWindows(::GetCurrentProcessId()))
            shown += " \"" + TextOf(window) + "\"";
        Failures.push_back("never: " + what + " (focus: " + ClassOf(Focus()) + " \"" + TextOf(Focus()) +
                           "\"; windows:" + shown + ")");
        return false;
    }
    void Keys(std::initializer_list<WORD> chord)
    {
        SendChord(chord);
        ::Sleep(100);   // a person's pace: the program's loop takes each key before the next
    }
    HWND Focus() const { return FocusOfThreadOf(Main); }
    HWND Item(int id) const { return ::GetDlgItem(Dialog, id); }
    int ListCount() const { return static_cast<int>(::SendMessageW(Item(IDC_FILELIST), LB_GETCOUNT, 0, 0)); }
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> entries;
        for (int i = 0; i < ListCount(); ++i) {
            std::wstring text(static_cast<std::size_t>(::SendMessageW(Item(IDC_FILELIST), LB_GETTEXTLEN, i, 0)), L'\0');
            ::SendMessageW(Item(IDC_FILELIST), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
            entries.push_back(Narrow(text));
        }
        return entries;
    }

    // A file dialog with the caption: the name typed over what its name field holds, and Enter.
    bool AnswerFileDialog(const std::string& caption, const std::string& name)
    {
        HWND dialog = nullptr;
        if (!WaitFor([&] { return (dialog = FindShownWindow(::GetCurrentProcessId(), "#32770", caption)) != nullptr; },
                     "the file dialog \"" + caption + "\""))
            return false;
        if (!WaitFor([&] { return Focus() && ClassOf(Focus()) == "Edit" && ::IsChild(dialog, Focus()); },
                     "the name field of \"" + caption + "\" with the keyboard"))
            return false;
        Keys({VK_END});
        Keys({VK_SHIFT, VK_HOME});
        SendText(name);
        if (!WaitFor([&] { return TextOf(Focus()) == name; }, "the name typed in \"" + caption + "\""))
            return false;
        Keys({VK_RETURN});
        return WaitFor([&] { return !::IsWindow(dialog); }, "\"" + caption + "\" closed");
    }

    // Tab until the control has the keyboard, at most a round of the dialog.
    bool TabTo(int id)
    {
        for (int i = 0; i < 30 && Focus() != Item(id); ++i)
            Keys({VK_TAB});
        return WaitFor([&] { return Focus() == Item(id); }, "Tab reaching control " + std::to_string(id));
    }

    void EndEverything()
    {
        if (!Main && App.GetMainWindow())
            Main = App.GetMainWindow()->GetHandle();
        for (HWND window : ShownWindows(::GetCurrentProcessId()))
            if (window != Main)
                ::PostMessageW(window, WM_CLOSE, 0, 0);
        ::Sleep(300);
        if (Main)
            ::PostMessageW(Main, WM_CLOSE, 0, 0);
    }

    TMyApp& App;
    HWND Main = nullptr;
    HWND Dialog = nullptr;
};

} // namespace

TEST(KeyboardAlone, FillsReordersSetsTheOutputAndCreatesTheFile)
{
    TTempDir dir("keys");
    const std::vector<std::string> names = {WindowsPath(dir.File("alpha.txt")), WindowsPath(dir.File("beta.txt")),
                                            WindowsPath(dir.File("gamma.txt"))};
    std::string listBytes;
    for (const std::string& name : names) {
        WriteBytes(name, "x");
        listBytes += name + "\r\n";
    }
    const std::string listFile = WindowsPath(dir.File("three.lst"));
    WriteBytes(listFile, listBytes);
    const std::string output = WindowsPath(dir.File("made.txt"));
    WriteBytes(output, "");
    WriteBytes(WindowsFolderIni(), "[Strandel]\r\nCheckIndex=0\r\nAskSaveList=0\r\n");
    PendingFile.clear();

    TMyApp app(SW_SHOWNORMAL);
    TKeyboardPerson person(app);
    std::atomic<bool> done{false};
    std::thread hands([&] {
        TKeyboardPerson& p = person;
        auto steps = [&] {
            if (!p.WaitFor([&] { return app.GetMainWindow() && ::IsWindowVisible(app.GetMainWindow()->GetHandle()) &&
                                        ::GetForegroundWindow() == app.GetMainWindow()->GetHandle(); },
                           "the main window in front"))
                return;
            p.Main = app.GetMainWindow()->GetHandle();
            if (!p.WaitFor([&] { return ListOf(p.Main) != nullptr; }, "the file list"))
                return;
            p.Dialog = ::GetParent(ListOf(p.Main));

            // Ctrl+O: the list file's three names.
            p.Keys({VK_CONTROL, 'O'});
            if (!p.AnswerFileDialog("Open List", listFile) ||
                !p.WaitFor([&] { return p.ListCount() == 3; }, "three entries"))
                return;

            // The first entry down one (Alt+Down), the last up one (Alt+Up), then Delete.
            if (!p.TabTo(IDC_FILELIST))
                return;
            p.Keys({VK_HOME});
            p.Keys({VK_MENU, VK_DOWN});
            p.Keys({VK_END});
            p.Keys({VK_MENU, VK_UP});
            if (!p.WaitFor([&] { return p.Entries() == std::vector<std::string>{names[1], names[2], names[0]}; },
                           "beta, gamma, alpha"))
                return;
            p.Keys({VK_DELETE});
            if (!p.WaitFor([&] { return p.Entries() == std::vector<std::string>{names[1], names[0]}; },
                           "gamma deleted"))
                return;

            // Shift+F10: the list's own menu, left with Escape.
            p.Keys({VK_SHIFT, VK_F10});
            if (!p.WaitFor([] { return ShownMenu() != nullptr; }, "the list's menu"))
                return;
            p.Keys({VK_ESCAPE});
            if (!p.WaitFor([] { return ShownMenu() == nullptr; }, "the list's menu closed"))
                return;

            // Tab from the list and its buttons to the Header, then the Queue.
            p.Keys({VK_TAB});
            if (!p.WaitFor([&] { return p.Focus() == p.Item(IDC_DELETE); }, "Tab from the list to Del"))
                return;
            p.Keys({VK_TAB});
            p.Keys({VK_TAB});
            p.Keys({VK_TAB});
            if (!p.WaitFor([&] { return p.Focus() == p.Item(IDC_HEADER); }, "Tab to the Header"))
                return;
            SendText("[");
            p.Keys({VK_TAB});
            if (!p.WaitFor([&] { return p.Focus() == p.Item(IDC_QUEUE); }, "Tab to the Queue"))
                return;
            SendText("]");
            p.Keys({VK_RETURN});

            // Alt+O, the OutFile button's letter: the output file chosen in its dialog.
            p.Keys({VK_MENU, 'O'});
            if (!p.AnswerFileDialog("File", output) ||
                !p.WaitFor([&] { return TextOf(p.Item(IDC_OUTFILE)) == output; }, "the output file shown"))
                return;

            // Ctrl+Enter: Create.
            p.Keys({VK_CONTROL, VK_RETURN});
            p.WaitFor([&] { return !ReadBytes(output).empty(); }, "the output file written");
        };
        steps();
        // Alt+F4 closes the window; whatever is still open after a failure is closed for the person.
        if (person.Failures.empty() && person.Main)
            person.Keys({VK_MENU, VK_F4});
        if (!PumpUntil([&] { return done.load(); }, 5000, 50))
            person.EndEverything();
    });
    const int code = app.Run();
    done = true;
    hands.join();

    EXPECT_EQ(code, 0);
    EXPECT_TRUE(person.Failures.empty()) << ::testing::PrintToString(person.Failures);
    EXPECT_EQ(ReadBytes(output), "[" + names[1] + "]\r\n[" + names[0] + "]\r\n");
    ::DeleteFileW(Wide(WindowsFolderIni()).c_str());
}
