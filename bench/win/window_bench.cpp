// Times the main window's list at scale, under the real list box: a drop of 10,000 files, Open
// list of the same 10,000 names, and Open list of 100,000 entries. Each figure is the best of
// three runs on a fresh list. Usage: window_bench [DROP_ENTRIES [OPEN_ENTRIES]]
#include "app/base_dlg.h"
#include "app/my_window.h"
#include "app/program_state.h"
#include "gen/file_list.h"

#include <shellapi.h>
#include <shlobj.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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

HDROP MakeDrop(const std::vector<std::string>& names)
{
    std::size_t bytes = sizeof(DROPFILES) + 1;
    for (const std::string& name : names)
        bytes += name.size() + 1;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    auto* header = static_cast<DROPFILES*>(::GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->pt = {20, 20};   // on the file list
    char* at = reinterpret_cast<char*>(header + 1);
    for (const std::string& name : names) {
        std::memcpy(at, name.c_str(), name.size() + 1);
        at += name.size() + 1;
    }
    ::GlobalUnlock(block);
    return static_cast<HDROP>(block);
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

// A program folder holding count templates spread over folders subfolders.
std::string MakeTemplateTree(int folders, int count)
{
    char temp[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, temp);
    const std::string root = std::string(temp) + "strandel-bench-templates\\";
    ::CreateDirectoryA(root.c_str(), nullptr);
    for (int f = 0; f < folders; ++f) {
        const std::string folder = root + "Folder " + std::to_string(f) + "\\";
        ::CreateDirectoryA(folder.c_str(), nullptr);
        for (int t = f; t < count; t += folders) {
            std::FILE* out = std::fopen((folder + "Template " + std::to_string(t) + ".hqd").c_str(), "wb");
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
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        best = ms < best ? ms : best;
        frame->Destroy();
    }
    ProgramFolder.clear();
    return best;
}

int main(int argc, char** argv)
{
    const int dropCount = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int openCount = argc > 2 ? std::atoi(argv[2]) : 100000;

    char empty[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, empty);
    const std::string emptyFolder = std::string(empty) + "strandel-bench-empty\\";
    ::CreateDirectoryA(emptyFolder.c_str(), nullptr);
    const double bare = StartUp(emptyFolder);
    const std::string tree = MakeTemplateTree(100, 1000);
    const double withTemplates = StartUp(tree);
    std::error_code ignored;
    std::filesystem::remove_all(tree, ignored);
    std::filesystem::remove_all(emptyFolder, ignored);
    std::printf("start to idle without templates: %.0f ms\n", bare);
    std::printf("start to idle with 1000 templates in 100 folders: %.0f ms (ratio %.2f)\n", withTemplates,
                withTemplates / bare);

    auto frame = BuildMainWindow();
    if (!frame->Create())
        return 1;
    BaseDlg& dialog = *frame->GetClient();
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);

    const std::vector<std::string> dropNames = Names(dropCount);
    const std::string dropList = WriteList(dropNames);
    const std::string openList = WriteList(Names(openCount));

    const double drop = BestOfThree(dialog, [&] {
        dialog.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(dropNames)), 0);
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
