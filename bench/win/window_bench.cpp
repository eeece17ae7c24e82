// Times the program's window at scale under Wine, with the real list box: start to idle with and
// without 1,000 templates, a drop of 10,000 files against Open list of the same names, Open list
// and Create with 100,000 entries (against strandel-gen's whole run), and the memory the entries
// take, and the time from a key typed in the Header to the Preview window showing it. Each time
// is the best of three runs.
#include "app/base_dlg.h"
#include "gen/folder_scan.h"
#include "gen/list_editor.h"
#include "gen/list_history.h"
#include "app/preview_window.h"
#include "app/my_window.h"
#include "app/program_state.h"
#include "gen/encoded_output.h"
#include "gen/file_list.h"
#include "gen/output_writer.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "support/drop.h"
#include "support/pump.h"
#include "text/native_path.h"
#include "text/wide_text.h"

#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <atomic>
#include <algorithm>
#include <functional>
#include <thread>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Names(int count)
{
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        char name[128];
        std::snprintf(name, sizeof name, "C:\\Web\\img\\gallery%d\\picture of the day %d.jpg", i % 97, i);
        names.push_back(name);
    }
    return names;
}

// The user's folder of temporary files, with a trailing backslash.
std::string TempFolder()
{
    wchar_t folder[MAX_PATH + 1] = L"";
    ::GetTempPathW(MAX_PATH + 1, folder);
    return Narrow(folder);
}

std::string WriteList(const std::vector<std::string>& names)
{
    std::string file = TempFolder() + "strandel-bench-" + std::to_string(names.size()) + ".lst";
    std::FILE* out = OpenNativeFile(file, "wb");
    for (std::size_t i = 0; i < names.size(); ++i)
        std::fprintf(out, i + 1 < names.size() ? "%s\r\n" : "%s", names[i].c_str());
    std::fclose(out);
    return file;
}

// The best time of three runs, each on an empty list, in milliseconds.
double BestOfThree(BaseDlg& dialog, const std::function<void()>& run)
{
    double best = 1e30;
    for (int round = 0; round < 3; ++round) {
        dialog.FileList().Clear();
        auto start = std::chrono::steady_clock::now();
        run();
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        best = ms < best ? ms : best;
    }
    return best;
}


// A program folder holding count templates spread over folders subfolders.
std::string MakeTemplateTree(int folders, int count)
{
    const std::string root = TempFolder() + "strandel-bench-templates\\";
    ::CreateDirectoryW(Wide(root).c_str(), nullptr);
    for (int f = 0; f < folders; ++f) {
        const std::string folder = root + "Folder " + std::to_string(f) + "\\";
        ::CreateDirectoryW(Wide(folder).c_str(), nullptr);
        for (int t = f; t < count; t += folders) {
            std::FILE* out = OpenNativeFile(folder + "Template " + std::to_string(t) + ".hqd", "wb");
            std::fprintf(out, "[Strandel]\r\nHeader=<<LI>>\r\nQueue=<#QZ_BR#>\r\n");
            std::fclose(out);
        }
    }
    return root;
}

// Start to idle: the main window made and shown, its messages handled; best of three, in ms.
double StartUp(const std::string& programFolder)
{
    ProgramFolder = programFolder;
    double best = 1e30;
    for (int round = 0; round < 3; ++round) {
        auto start = std::chrono::steady_clock::now();
        auto frame = BuildMainWindow();
        frame->Create();
        PumpMessages();
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        best = ms < best ? ms : best;
        frame->Destroy();
    }
    ProgramFolder.clear();
    return best;
}

// A whole run of a command line, best of three, in milliseconds; negative when it failed.
double RunBest(std::string commandLine)
{
    double best = 1e30;
    for (int round = 0; round < 3; ++round) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        auto start = std::chrono::steady_clock::now();
        std::wstring command = Wide(commandLine);
        if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &process))
            return -1;
        ::WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 1;
        ::GetExitCodeProcess(process.hProcess, &code);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (code != 0)
            return -1;
        best = ms < best ? ms : best;
    }
    return best;
}

std::string ReadFile(const std::string& name)
{
    std::string bytes;
    if (std::FILE* in = OpenNativeFile(name, "rb")) {
        char block[1 << 16];
        for (std::size_t got; (got = std::fread(block, 1, sizeof block, in)) > 0;)
            bytes.append(block, got);
        std::fclose(in);
    }
    return bytes;
}

// The slowest answer of the window to a message sent from another thread while work runs, in ms.
class TAnswerWatch {
public:
    explicit TAnswerWatch(HWND window)
        : Worker([this, window] {
              while (!Stop) {
                  auto start = std::chrono::steady_clock::now();
                  DWORD_PTR result = 0;
                  ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
                  double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
                  Slowest = ms > Slowest ? ms : Slowest.load();
                  ::Sleep(5);
              }
              Ended = true;
          })
    {
    }
    // The watch's last message is answered while it ends.
    double Finish()
    {
        Stop = true;
        PumpUntil([this] { return Ended.load(); }, 20000, 1);
        Worker.join();
        return Slowest;
    }

private:
    std::atomic<bool> Stop{false};
    std::atomic<bool> Ended{false};
    std::atomic<double> Slowest{0};
    std::thread Worker;
};

double PrivateMb()
{
    PROCESS_MEMORY_COUNTERS_EX counters{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    const SIZE_T bytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    return static_cast<double>(bytes) / (1024 * 1024);
}

// A tree of files added through the program against cmd's dir /s /b of the same tree, with the
// window's slowest answer meanwhile; then the list's orders, undo and history at 100,000 entries.
void ListOperations(BaseDlg& dialog, const std::string& tree, const std::string& openList)
{
    if (!tree.empty()) {
        const double dir = RunBest("cmd /c dir /s /b \"" + tree + "\" > NUL");
        TFolderScan scan;
        scan.Folder = tree;
        scan.Subfolders = true;
        double add = 1e30, slowest = 0;
        for (int round = 0; round < 3; ++round) {
            dialog.FileList().Clear();
            TAnswerWatch watch(dialog.GetHandle());
            auto start = std::chrono::steady_clock::now();
            dialog.AddScannedFolder(scan);
            double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            const double answer = watch.Finish();
            add = ms < add ? ms : add;
            slowest = answer > slowest ? answer : slowest;
        }
        std::printf("Add folder contents of %s (%d files): %.0f ms; cmd /c dir /s /b: %.0f ms (ratio %.2f; target "
                    "at most 2); slowest answer of the window meanwhile: %.0f ms (target at most 100)\n",
                    tree.c_str(), dialog.FileList().Count(), add, dir, add / dir, slowest);
    }

    dialog.FileList().Clear();
    dialog.ListHistory().Clear();
    const double empty = PrivateMb();
    dialog.AppendListFile(openList);
    dialog.ListHistory().Clear();
    const int count = dialog.FileList().Count();
    const double withList = PrivateMb();
    auto timed = [](const std::function<void()>& run) {
        auto start = std::chrono::steady_clock::now();
        run();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    const double sort = timed([&] { dialog.ListEditor().Sort(TListOrder::Name); });
    std::printf("sort of %d entries by name (natural order): %.0f ms (target under 1000)\n", count, sort);
    dialog.ListEditor().Clear();
    const double undo = timed([&] { dialog.ListEditor().Undo(); });
    std::printf("undo of a Clear of %d entries: %.0f ms (target under 500; %d back)\n", count, undo,
                dialog.FileList().Count());

    dialog.ListHistory().Clear();
    // Each step changes the order: a sort follows a reversal.
    for (int step = 0; step < 100; ++step) {
        if (step % 2 == 0)
            dialog.ListEditor().Reverse();
        else
            dialog.ListEditor().Sort(step % 4 == 1 ? TListOrder::Name : TListOrder::Path);
    }
    const double steps = PrivateMb();
    std::printf("100 undoable steps on %d entries: %zu kept, %.1f MB held by the history; private memory "
                "%.1f MB with no list, %.1f MB with the list, %.1f MB after the steps (list and steps / list "
                "alone: %.2f; target at most 2)\n",
                count, dialog.ListHistory().UndoSteps(),
                static_cast<double>(dialog.ListHistory().MemoryBytes()) / (1024 * 1024), empty, withList, steps,
                (steps - empty) / (withList - empty));
}

std::string TextOfControl(BaseDlg& dialog, int id)
{
    HWND control = ::GetDlgItem(dialog.GetHandle(), id);
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

// Create's work, as the dialog's command does it: the encoding's check, the lines in the chosen
// format through the writer (without the notice that then stays a second); best of three, in ms.
double CreateBest(BaseDlg& dialog)
{
    const TSettings& settings = dialog.Settings();
    double best = 1e30;
    for (int round = 0; round < 3; ++round) {
        auto start = std::chrono::steady_clock::now();
        const TOutputFormat format = OutputFormatOf(settings);
        const std::string header = TextOfControl(dialog, IDC_HEADER), queue = TextOfControl(dialog, IDC_QUEUE);
        if (FindUnwritable(format, dialog.FileList(), settings, header, queue).Any())
            return -1;
        TCrLfFileWriter writer;
        writer.Open(settings.FileOutput);
        TLineBuilder builder = dialog.MakeLineBuilder();
        WriteOutput(builder, writer, format);
        writer.Close();
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        best = ms < best ? ms : best;
    }
    return best;
}

// count names over files real files made in folder, each a few bytes.
std::vector<std::string> RealFiles(const std::string& folder, int files, int count)
{
    ::CreateDirectoryW(Wide(folder).c_str(), nullptr);
    for (int f = 0; f < files; ++f) {
        std::FILE* out = OpenNativeFile(folder + "picture " + std::to_string(f) + ".jpg", "wb");
        std::fprintf(out, "%d", f);
        std::fclose(out);
    }
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        names.push_back(folder + "picture " + std::to_string(i % files) + ".jpg");
    return names;
}

// From a key typed at the start of the Header to the Preview window showing the changed lines,
// and the rebuild alone, each the median of five, in milliseconds.
struct TPreviewTimes {
    double Typed;
    double Rebuild;
};

TPreviewTimes HeaderToPreview(BaseDlg& dialog)
{
    HWND header = ::GetDlgItem(dialog.GetHandle(), IDC_HEADER);
    TPreviewWindow& preview = *dialog.PreviewWindow();
    preview.Rebuild();
    auto median = [](std::vector<double> times) {
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    };
    std::vector<double> typed, rebuilt;
    for (int round = 0; round < 5; ++round) {
        const wchar_t key = static_cast<wchar_t>(L'a' + round);
        ::SendMessageW(header, EM_SETSEL, 0, 0);
        // The first entry's line (after the Main head's) begins with what the Header begins with.
        auto shown = [&] {
            const auto& lines = preview.LinesView().Lines();
            return lines.size() > 1 && !lines[1].Text.empty() && lines[1].Text[0] == static_cast<char>(key);
        };
        auto start = std::chrono::steady_clock::now();
        ::SendMessageW(header, WM_CHAR, key, 1);
        while (!shown()) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
            PumpMessages();
        }
        typed.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        start = std::chrono::steady_clock::now();
        preview.Rebuild();
        rebuilt.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return {median(typed), median(rebuilt)};
}

} // namespace

// Usage: window_bench [STRANDEL_GEN_EXE [TREE]]: with strandel-gen, Create and Open list are put
// against its whole run on the same list and texts; with a tree of files, Add folder contents
// against cmd's dir /s /b of it.
int main(int argc, char** argv)
{
    const std::string gen = argc > 1 ? argv[1] : "";
    const std::string scanTree = argc > 2 ? argv[2] : "";
    const int dropCount = 10000;
    const int openCount = 100000;
    const std::string temp = TempFolder();
    const std::string emptyFolder = temp + "strandel-bench-empty\\";
    ::CreateDirectoryW(Wide(emptyFolder).c_str(), nullptr);
    const double bare = StartUp(emptyFolder);
    const std::string tree = MakeTemplateTree(100, 1000);
    const double withTemplates = StartUp(tree);
    std::error_code ignored;
    std::filesystem::remove_all(tree, ignored);
    std::filesystem::remove_all(emptyFolder, ignored);
    std::printf("start to idle: %.0f ms without templates, %.0f ms with 1000 templates in 100 folders "
                "(ratio %.2f; target at most 2)\n", bare, withTemplates, withTemplates / bare);

    auto frame = BuildMainWindow();
    if (!frame->Create())
        return 1;
    BaseDlg& dialog = *frame->GetClient();
    PumpMessages();

    const std::vector<std::string> dropNames = Names(dropCount);
    const std::string dropList = WriteList(dropNames);
    const std::string openList = WriteList(Names(openCount));

    const double drop = BestOfThree(dialog, [&] {
        // At 20, 20 of the dialog: on the file list.
        dialog.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(dropNames, {20, 20})), 0);
    });
    const double openSame = BestOfThree(dialog, [&] { dialog.AppendListFile(dropList); });
    std::printf("drop of %d files: %.0f ms; Open list of the same names: %.0f ms (ratio %.2f; target at most 1.5)\n",
                dropCount, drop, openSame, drop / openSame);

    PROCESS_MEMORY_COUNTERS_EX before{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&before), sizeof before);
    const double openLarge = BestOfThree(dialog, [&] { dialog.AppendListFile(openList); });
    PROCESS_MEMORY_COUNTERS_EX after{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&after), sizeof after);
    const double listMb = static_cast<double>(std::filesystem::file_size(openList)) / (1024 * 1024);
    // Wine reports a process's private bytes as its page-file usage.
    const SIZE_T privateBytes = after.PrivateUsage ? after.PrivateUsage : after.PagefileUsage;
    const SIZE_T privateBefore = before.PrivateUsage ? before.PrivateUsage : before.PagefileUsage;
    const double privateMb = static_cast<double>(privateBytes) / (1024 * 1024);
    std::printf("Open list of %d entries: %.0f ms (%d in the list)\n", openCount, openLarge, dialog.FileList().Count());
    std::printf("memory with %d entries: %.1f MB private (%.1f MB more than with the small list); list file "
                "%.1f MB, target at most 2 x list + 40 MB = %.1f MB\n",
                openCount, privateMb, static_cast<double>(privateBytes - privateBefore) / (1024 * 1024),
                listMb, 2 * listMb + 40);

    // Create with the texts of an HTML list; the same texts as a template for strandel-gen.
    const std::string output = std::string(temp) + "strandel-bench-create.htm";
    ::SetDlgItemTextW(dialog.GetHandle(), IDC_HEADER, L"<LI><A HREF=\"");
    ::SetDlgItemTextW(dialog.GetHandle(), IDC_QUEUE, L"\">QZ_NAMEQZ_EXT</A>\r\n");
    TSettings& settings = dialog.Settings();
    settings.SetFileOutput(output);
    settings.RelPath = "C:\\Web\\";
    settings.CheckIndex = Relative;
    settings.InvertSlash = true;
    settings.MainHead = "<UL>\r\n";
    settings.MainQueue = "</UL>\r\nQZ_GETCOUNT files";
    dialog.SettingsToControls();
    const double create = CreateBest(dialog);
    std::printf("Create with %d entries: %.0f ms\n", openCount, create);

    if (!gen.empty()) {
        const std::string hqd = std::string(temp) + "strandel-bench.hqd";
        std::FILE* out = OpenNativeFile(hqd, "wb");
        std::fprintf(out, "[Strandel]\r\nHeader=<<LI><A HREF=\">\r\nQueue=<\">QZ_NAMEQZ_EXT</A>#QZ_BR#>\r\n"
                          "MainHead=<<UL>#QZ_BR#>\r\nMainQueue=<</UL>#QZ_BR#QZ_GETCOUNT files>\r\n"
                          "InvertSlash=1\r\nCheckIndex=1\r\n");
        std::fclose(out);
        const std::string genOutput = std::string(temp) + "strandel-bench-gen.htm";
        const double whole = RunBest("\"" + gen + "\" -t \"" + hqd + "\" -r C:\\Web\\ -o \"" + genOutput + "\" \"" +
                                     openList + "\"");
        const bool same = ReadFile(genOutput) == ReadFile(output);
        std::printf("strandel-gen.exe, whole run on the same list and texts: %.0f ms (%s bytes)\n", whole,
                    same ? "the same" : "DIFFERENT");
        std::printf("Create / strandel-gen: %.2f (target at most 1.5); Open list / strandel-gen: %.2f (target at most 3)\n",
                    create / whole, openLarge / whole);
        ::DeleteFileW(Wide(hqd).c_str());
        ::DeleteFileW(Wide(genOutput).c_str());
    }

    // The preview follows the Header as fast with 100,000 entries as with 200: it builds what it shows.
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDM_PREVIEW, 0), 0);
    PumpMessages();
    const TPreviewTimes large = HeaderToPreview(dialog);
    const std::string smallList = WriteList(Names(200));
    dialog.FileList().Clear();
    dialog.AppendListFile(smallList);
    PumpMessages();
    const TPreviewTimes small = HeaderToPreview(dialog);
    std::printf("Header typed to preview shown: %.1f ms with 200 entries, %.1f ms with %d (ratio %.2f; target each "
                "under 50, ratio at most 2); of which the rebuild: %.1f ms and %.1f ms (the rest waits %u ms for "
                "more keys)\n",
                small.Typed, large.Typed, openCount, large.Typed / small.Typed, small.Rebuild, large.Rebuild,
                PreviewDelayMs);
    ::DeleteFileW(Wide(smallList).c_str());

    // The same Create over names of real files, without and with their sizes and dates.
    const std::string files = temp + "strandel-bench-files\\";
    const std::vector<std::string> real = RealFiles(files, 1000, openCount);
    dialog.FileList().Clear();
    dialog.AppendListFile(WriteList(real));
    const double plainReal = CreateBest(dialog);
    settings.MoreVariables = true;
    ::SetDlgItemTextW(dialog.GetHandle(), IDC_QUEUE, L"\">QZ_NAMEQZ_EXT</A> QZ_SIZETEXT QZ_DATE QZ_TIME\r\n");
    const double details = CreateBest(dialog);
    settings.MoreVariables = false;
    std::printf("Create with %d entries of %d real files: %.0f ms; with QZ_SIZETEXT QZ_DATE QZ_TIME: %.0f ms "
                "(ratio %.2f)\n", openCount, 1000, plainReal, details, details / plainReal);
    std::filesystem::remove_all(NativePath(files), ignored);

    ListOperations(dialog, scanTree, openList);

    ::DeleteFileW(Wide(output).c_str());
    ::DeleteFileW(Wide(dropList).c_str());
    ::DeleteFileW(Wide(openList).c_str());
    frame->Destroy();
    return 0;
}
