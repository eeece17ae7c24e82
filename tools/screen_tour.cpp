// Takes the screenshots of docs/ with Strandel running, one step per run, as scripts/screenshots.sh
// calls it between the drops it makes as an X drag source. Each picture is a BMP of the whole screen.
//   screen_tour place              moves the main window to a fixed place and brings it forward
//   screen_tour point ID           prints the screen point in the middle of the dialog's control ID
//   screen_tour shot FILE          saves the screen
//   screen_tour hover FILE         rests the pointer on the file list (its hint and tip), then saves
//   screen_tour zoomed FILE        enlarges the window by half, saves, and gives it its size back
//   screen_tour list-menu FILE     right-clicks the third entry, saves, and closes the menu
//   screen_tour menu N             opens the menu bar's menu at position N (0 first)
//   screen_tour command ID         sends Strandel's main window the command ID, not waiting for it
//   screen_tour answer ID          presses button ID of the message box Strandel shows
//   screen_tour key VK             presses a key (27: Esc)
//   screen_tour close              closes Strandel (not saving its list)
#include "app/program_names.h"
#include "res/resource.h"
#include "support/window_lookup.h"
#include "text/wide_text.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void Pause(int milliseconds)
{
    ::Sleep(static_cast<DWORD>(milliseconds));
}

bool SaveScreen(const std::string& fileName)
{
    int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    ::SelectObject(memory, old);

    DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) & ~3u);
    DWORD size = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info.bmiHeader;
    header.bfSize = header.bfOffBits + size;
    bool written = false;
    if (std::FILE* file = std::fopen(fileName.c_str(), "wb")) {
        written = std::fwrite(&header, sizeof header, 1, file) == 1 &&
                  std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, file) == 1 &&
                  std::fwrite(bits, 1, size, file) == size;
        written = std::fclose(file) == 0 && written;
    }
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return written;
}

void MoveMouse(POINT screen)
{
    ::SetCursorPos(screen.x, screen.y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = screen.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = screen.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof input);
}

void Mouse(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof input);
}

void Key(WORD key)
{
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof input[0]);
}

POINT CentreOf(HWND window, int dx = 0, int dy = 0)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2 + dx, (rect.top + rect.bottom) / 2 + dy};
}

struct TStrandel {
    HWND Main = nullptr;
    HWND Dialog = nullptr;
    HWND Control(int id) const { return ::GetDlgItem(Dialog, id); }
};

bool FindStrandel(TStrandel& strandel)
{
    for (int i = 0; i < 300 && !strandel.Main; ++i, Pause(100))
        strandel.Main = ::FindWindowW(Wide(MainWindowClass).c_str(), nullptr);
    strandel.Dialog = strandel.Main ? ::FindWindowExW(strandel.Main, nullptr, L"#32770", nullptr) : nullptr;
    return strandel.Dialog != nullptr;
}

// The message box Strandel shows now (a top-level dialog of its process: its main dialog is a child).
HWND StrandelBox(const TStrandel& strandel)
{
    DWORD process = 0;
    ::GetWindowThreadProcessId(strandel.Main, &process);
    return FindShownWindow(process, "#32770");
}

} // namespace

int main(int argc, char** argv)
{
    const std::string step = argc > 1 ? argv[1] : "";
    const std::string argument = argc > 2 ? argv[2] : "";
    TStrandel strandel;
    if (!FindStrandel(strandel)) {
        std::fprintf(stderr, "screen_tour: Strandel's main window did not come up\n");
        return 1;
    }
    HWND list = strandel.Control(101);

    if (step == "place") {
        ::SetWindowPos(strandel.Main, nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ::SetForegroundWindow(strandel.Main);
        MoveMouse({2, 2});   // away from the window: no hint, no tip
        Pause(500);
    } else if (step == "point") {
        POINT point = CentreOf(strandel.Control(std::atoi(argument.c_str())));
        std::printf("%ld %ld\n", point.x, point.y);
    } else if (step == "shot") {
        Pause(300);
        return SaveScreen(argument) ? 0 : 1;
    } else if (step == "hover") {
        MoveMouse(CentreOf(list, -30, 0));
        Pause(300);
        MoveMouse(CentreOf(list, -20, 5));
        Pause(1500);
        return SaveScreen(argument) ? 0 : 1;
    } else if (step == "zoomed") {
        RECT frame{};
        ::GetWindowRect(strandel.Main, &frame);
        ::SetWindowPos(strandel.Main, nullptr, 0, 0, (frame.right - frame.left) * 3 / 2,
                       (frame.bottom - frame.top) * 3 / 2, SWP_NOMOVE | SWP_NOZORDER);
        MoveMouse({1000, 740});
        Pause(1200);
        bool ok = SaveScreen(argument);
        ::SetWindowPos(strandel.Main, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                       SWP_NOMOVE | SWP_NOZORDER);
        Pause(600);
        return ok ? 0 : 1;
    } else if (step == "list-menu") {
        RECT item{};
        ::SendMessageW(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
        POINT onItem{item.left + 60, (item.top + item.bottom) / 2};
        ::ClientToScreen(list, &onItem);
        MoveMouse(onItem);
        Pause(300);
        Mouse(MOUSEEVENTF_RIGHTDOWN);
        Pause(100);
        Mouse(MOUSEEVENTF_RIGHTUP);
        Pause(1200);
        bool ok = SaveScreen(argument);
        Key(VK_ESCAPE);
        Pause(300);
        return ok ? 0 : 1;
    } else if (step == "menu") {
        // As from the keyboard: Alt reaches the menu bar, the arrows its menu.
        ::SetForegroundWindow(strandel.Main);
        Pause(200);
        Key(VK_MENU);
        Pause(300);
        for (int i = std::atoi(argument.c_str()); i > 0; --i)
            Key(VK_RIGHT);
        Key(VK_DOWN);
        Pause(1000);
    } else if (step == "command") {
        ::PostMessageW(strandel.Main, WM_COMMAND, static_cast<WPARAM>(std::atoi(argument.c_str())), 0);
        Pause(1500);
    } else if (step == "preview") {
        // The Preview window beside the main window, pictured with it, then closed.
        ::PostMessageW(strandel.Main, WM_COMMAND, 3100 /* IDM_PREVIEW */, 0);
        HWND preview = nullptr;
        for (int i = 0; i < 100 && !preview; ++i, Pause(50))
            preview = ::FindWindowW(L"StrandelPreview", nullptr);
        if (!preview)
            return 1;
        MoveMouse({2, 2});
        Pause(1500);
        const bool ok = SaveScreen(argument);
        ::PostMessageW(preview, WM_CLOSE, 0, 0);
        Pause(300);
        return ok ? 0 : 1;
    } else if (step == "answer") {
        HWND box = nullptr;
        for (int i = 0; i < 100 && !box; ++i, Pause(50))
            box = StrandelBox(strandel);
        if (!box)
            return 1;
        const int button = std::atoi(argument.c_str());
        ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(box, button)));
        Pause(300);
    } else if (step == "add-folder") {
        // The Add folder contents dialog filled as a person fills it: the folder, its subfolders too.
        HWND box = nullptr;
        for (int i = 0; i < 100 && !box; ++i, Pause(50))
            box = StrandelBox(strandel);
        if (!box)
            return 1;
        ::SetDlgItemTextW(box, IDC_ADDFOLDER_FOLDER, Wide(argument).c_str());
        ::SetDlgItemTextW(box, IDC_ADDFOLDER_PATTERN, L"*");
        ::CheckDlgButton(box, IDC_ADDFOLDER_SUBFOLDERS, BST_CHECKED);
        Pause(300);
    } else if (step == "pause") {
        Pause(std::atoi(argument.c_str()));
    } else if (step == "key") {
        Key(static_cast<WORD>(std::atoi(argument.c_str())));
        Pause(300);
    } else if (step == "close") {
        ::PostMessageW(strandel.Main, WM_CLOSE, 0, 0);
        // A list changed since it was saved: the question whether to save it is answered No.
        for (int i = 0; i < 30; ++i, Pause(50))
            if (HWND box = StrandelBox(strandel)) {
                ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(box, IDNO)));
                break;
            }
    } else {
        std::fprintf(stderr, "screen_tour: unknown step \"%s\"\n", step.c_str());
        return 2;
    }
    return 0;
}
