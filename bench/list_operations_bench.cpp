// Times the list operations' core at scale, natively and (the same source) under Wine: a sort of
// 100,000 entries by natural name, the undo of a Clear of 100,000 entries, the memory a hundred
// mixed undoable steps take beside the list, and a scan of a tree given on the command line (under
// Windows against cmd's dir /s /b of the same tree, in the same run). Each time is the best of three.
#include "gen/file_list.h"
#include "gen/folder_scan.h"
#include "gen/list_editor.h"
#include "gen/list_history.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include "text/wide_text.h"
#endif

namespace {

std::vector<std::string> Names(int count, const char* folder)
{
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        names.push_back(std::string(folder) + "gallery " + std::to_string(i % 97) + "\\Picture of the day " +
                        std::to_string((i * 7919) % count) + (i % 3 ? ".jpg" : ".png"));
    return names;
}

double Milliseconds(const std::function<void()>& run)
{
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The best of three runs, each after its own preparation (not timed).
double BestOfThree(const std::function<void()>& prepare, const std::function<void()>& run)
{
    double best = 1e30;
    for (int round = 0; round < 3; ++round) {
        prepare();
        const double ms = Milliseconds(run);
        best = ms < best ? ms : best;
    }
    return best;
}

double MegaBytes(std::size_t bytes)
{
    return static_cast<double>(bytes) / (1024 * 1024);
}

class TTexts : public THistoryState {
public:
    explicit TTexts(std::size_t bytes) : Text(bytes, 't') {}
    void Restore() const override {}
    std::size_t MemoryBytes() const override { return sizeof *this + Text.capacity(); }

private:
    std::string Text;
};

// A hundred steps, every kind a user makes in equal share: ten rounds of a drop, a folder's
// contents, moves, deletions, a sort (by name, path or extension, or the order reversed), duplicates
// removed, a list file opened and a template chosen. With a Clear in the middle, or sorts three
// times as often (every round sorts by name, by path and by extension).
enum class TMix { EveryKind, WithClear, SortHeavy };

void MixedSteps(TPackedFileList& list, TListHistory& history, TMix mix)
{
    TListEditor editor(list, history);
    const std::vector<std::string> dropped = Names(10, "D:\\Drop\\");
    const std::vector<std::string> folder = Names(1000, "F:\\Scanned\\");
    const std::vector<std::string> opened = Names(1000, "E:\\Opened\\");
    const TListOrder orders[] = {TListOrder::Name, TListOrder::Path, TListOrder::Extension};
    for (int step = 0; history.UndoSteps() < 100; ++step) {
        const int round = step / 10;
        switch (step % 10) {
        case 0: editor.InsertAfterSelection(dropped); break;
        case 1:
            if (mix == TMix::SortHeavy)
                editor.Sort(orders[(round + 1) % 3]);
            else
                editor.InsertAfterSelection(folder);
            break;
        case 2: editor.MoveSelected(round % 2 == 0); break;
        case 3: editor.DeleteSelected(); break;
        case 4:
            if (round % 4 == 3)
                editor.Reverse();
            else
                editor.Sort(orders[round % 4]);
            break;
        case 5: editor.RemoveDuplicates(); break;
        case 6:
            if (mix == TMix::SortHeavy)
                editor.Sort(orders[(round + 2) % 3]);
            else
                editor.Append(opened);
            break;
        case 7: history.RecordState(std::make_unique<TTexts>(2000), std::make_unique<TTexts>(2000)); break;
        case 8: editor.MoveSelected(round % 2 != 0); break;
        case 9:
            if (mix == TMix::WithClear && round == 4) {
                const std::vector<std::string> entries = list.ReadAll();
                editor.Clear();
                editor.Append(entries);
            } else {
                editor.DeleteSelected();
            }
            break;
        }
    }
}

void ListBenchmarks()
{
    const int count = 100000;
    const std::vector<std::string> names = Names(count, "C:\\Web\\img\\");
    TPackedFileList list;
    TListHistory history;
    TListEditor editor(list, history);
    auto fill = [&] {
        list.ReplaceAll(TextViews(names));
        list.Select(count / 2);
    };

    const double sort = BestOfThree(fill, [&] { editor.Sort(TListOrder::Name); });
    std::printf("sort of %d entries by natural name: %.0f ms (read, order, write back and record; target under 1 s)\n",
                count, sort);

    const double undoClear = BestOfThree([&] { fill(); editor.Clear(); }, [&] { editor.Undo(); });
    std::printf("undo of a Clear of %d entries: %.0f ms (%d entries back)\n", count, undoClear, list.Count());

    const std::pair<TMix, const char*> mixes[] = {{TMix::EveryKind, "every kind in equal share"},
                                                  {TMix::WithClear, "every kind, one a Clear"},
                                                  {TMix::SortHeavy, "three sorts in every ten"}};
    for (const auto& [mix, what] : mixes) {
        TPackedFileList mixed;
        mixed.ReplaceAll(TextViews(names));
        mixed.Select(10);
        const std::size_t listBytes = mixed.MemoryBytes();
        TListHistory steps;
        MixedSteps(mixed, steps, mix);
        std::printf("100 mixed steps (%s) on %d entries: the list %.1f MB, the steps %.1f MB: %.2f x the list "
                    "(target at most 2)\n",
                    what, count, MegaBytes(listBytes), MegaBytes(steps.MemoryBytes()),
                    static_cast<double>(listBytes + steps.MemoryBytes()) / static_cast<double>(listBytes));
    }
}

#ifdef _WIN32
// cmd's own listing of the tree, its output thrown away, in milliseconds; negative when it failed.
double DirOfTree(const std::string& tree)
{
    std::wstring command = L"cmd.exe /c dir /s /b \"" + Wide(tree) + L"\" > NUL";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    return Milliseconds([&] {
        if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &process))
            return;
        ::WaitForSingleObject(process.hProcess, INFINITE);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    });
}
#endif

void ScanBenchmark(const std::string& tree)
{
    const std::atomic<bool> cancel{false};
    TScanResult result;
    const double scan = BestOfThree([] {}, [&] { result = ScanFolder({tree, "*", true}, cancel); });
    std::printf("scan of %s: %zu files in %.0f ms\n", tree.c_str(), result.Names.size(), scan);
#ifdef _WIN32
    const double dir = BestOfThree([] {}, [&] { DirOfTree(tree); });
    std::printf("cmd /c dir /s /b of the same tree: %.0f ms; scan / dir = %.2f (target at most 2)\n", dir, scan / dir);
#endif
}

} // namespace

// Usage: list_operations_bench [TREE]: with a tree, its scan is timed too.
int main(int argc, char** argv)
{
    ListBenchmarks();
    if (argc > 1)
        ScanBenchmark(argv[1]);
    return 0;
}
