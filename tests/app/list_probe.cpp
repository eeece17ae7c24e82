// Looks at a running copy of the program from outside, as the drop test's shell script needs:
//   list_probe point    the screen point in the middle of its file list, once the window is up
//   list_probe autodrag the screen point in the middle of its Auto Drag button
//   list_probe entries  its list entries as the program copies them, one per line
//   list_probe close    asks it to close
#include "app/program_names.h"
#include "support/clipboard.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr int FileListId = 101;
constexpr int CopySelectedItem = 1004;
constexpr int AutoDragId = 123;

HWND FindList(int waitMs)
{
    for (int waited = 0;; waited += 100) {
        if (HWND main = ::FindWindowW(Wide(MainWindowClass).c_str(), nullptr))
            if (HWND dialog = ::GetWindow(main, GW_CHILD))
                for (HWND child = dialog; child; child = ::GetWindow(child, GW_HWNDNEXT))
                    if (HWND list = ::GetDlgItem(child, FileListId); list && ::IsWindowVisible(list))
                        return list;
        if (waited >= waitMs)
            return nullptr;
        ::Sleep(100);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    HWND list = FindList(command == "point" ? 30000 : 2000);
    if (!list) {
        std::fprintf(stderr, "list_probe: no running copy with a file list\n");
        return 1;
    }
    if (command == "point" || command == "autodrag") {
        RECT rect{};
        ::GetWindowRect(command == "point" ? list : ::GetDlgItem(::GetParent(list), AutoDragId), &rect);
        std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    } else if (command == "entries") {
        const int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
        // Each entry through the program's own "Copy selected item": list box texts are not
        // handed across processes here.
        for (int i = 0; i < count; ++i) {
            ::SendMessageW(list, LB_SETCURSEL, i, 0);
            ::SendMessageW(::GetParent(list), WM_COMMAND, CopySelectedItem, 0);
            std::printf("%s\n", ClipboardText().c_str());
        }
    } else if (command == "close") {
        ::PostMessageW(::GetAncestor(list, GA_ROOT), WM_CLOSE, 0, 0);
    } else {
        std::fprintf(stderr, "usage: list_probe point|autodrag|entries|close\n");
        return 2;
    }
    return 0;
}
