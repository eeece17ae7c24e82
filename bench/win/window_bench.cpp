// Times the main window's list at scale, under the real list box: a drop of 10,000 files, Open
// list of the same 10,000 names, and Open list of 100,000 entries. Each figure is the best of
// three runs on a fresh list. Usage: window_bench [DROP_ENTRIES [OPEN_ENTRIES]]
#include "app/base_dlg.h"
#include "app/my_window.h"
#include "gen/file_list.h"
#include "support/drop.h"
#include "support/pump.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
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

std::string WriteList(const std::vector<std::string>& names)
{
    char folder[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, folder);
    std::string file = std::string(folder) + "strandel-bench-" + std::to_string(names.size()) + ".lst";
    std::FILE* out = std::fopen(file.c_str(), "wb");
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

} // namespace

int main(int argc, char** argv)
{
    const int dropCount = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int openCount = argc > 2 ? std::atoi(argv[2]) : 100000;

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
    const double openLarge = BestOfThree(dialog, [&] { dialog.AppendListFile(openList); });
    const int shown = dialog.FileList().Count();

    std::printf("drop of %d files: %.0f ms\n", dropCount, drop);
    std::printf("Open list of the same %d names: %.0f ms (drop / open: %.2f)\n", dropCount, openSame, drop / openSame);
    std::printf("Open list of %d entries: %.0f ms (%d in the list)\n", openCount, openLarge, shown);

    ::DeleteFileA(dropList.c_str());
    ::DeleteFileA(openList.c_str());
    frame->Destroy();
    return shown == openCount ? 0 : 1;
}
