// Takes the screenshots of docs/: with Strandel running, puts a few files in its list, then,
// as a user would, rests the pointer on the file list, enlarges the window, and right-clicks
// the list. Each scene is saved as a BMP of the whole screen; Strandel is closed at the end.
// Usage: screen_tour OUTPUT_FOLDER
#include <windows.h>

#include <cstdio>
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

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: screen_tour OUTPUT_FOLDER   (with Strandel running)\n");
        return 2;
    }
    const std::string folder = argv[1];

    HWND main = nullptr;
    for (int i = 0; i < 300 && !main; ++i, Pause(100))
        main = ::FindWindowA("QZ_STRANDEL", nullptr);
    HWND dialog = main ? ::FindWindowExA(main, nullptr, "#32770", nullptr) : nullptr;
    HWND list = dialog ? ::GetDlgItem(dialog, 101) : nullptr;
    if (!list) {
        std::fprintf(stderr, "screen_tour: Strandel's main window did not come up\n");
        return 1;
    }

    ::SetWindowPos(main, nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    for (const char* name : {"C:\\Web\\img\\cat.gif", "C:\\Web\\img\\dog.jpg", "C:\\Web\\about.htm",
                             "C:\\Docs\\notes.txt", "D:\\Music\\song.mp3"})
        ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    ::SendMessageA(list, LB_SETCURSEL, 1, 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(101, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    ::SetForegroundWindow(main);
    Pause(800);

    // Resting on the list: its hint in the status bar, the short part as a tip.
    MoveMouse(CentreOf(list, -30, 0));
    Pause(300);
    MoveMouse(CentreOf(list, -20, 5));
    Pause(1500);
    bool ok = SaveScreen(folder + "\\hover-hint.bmp");

    // Enlarged: the whole dialog zooms with the window.
    RECT frame{};
    ::GetWindowRect(main, &frame);
    ::SetWindowPos(main, nullptr, 0, 0, (frame.right - frame.left) * 3 / 2, (frame.bottom - frame.top) * 3 / 2,
                   SWP_NOMOVE | SWP_NOZORDER);
    MoveMouse({1000, 740});
    Pause(1200);
    ok = SaveScreen(folder + "\\zoomed.bmp") && ok;

    // A right click on an entry: it is selected and the list's menu opens there.
    ::SetWindowPos(main, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER);
    Pause(600);
    RECT item{};
    ::SendMessageA(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    POINT onItem{item.left + 60, (item.top + item.bottom) / 2};
    ::ClientToScreen(list, &onItem);
    MoveMouse(onItem);
    Pause(300);
    Mouse(MOUSEEVENTF_RIGHTDOWN);
    Pause(100);
    Mouse(MOUSEEVENTF_RIGHTUP);
    Pause(1200);
    ok = SaveScreen(folder + "\\list-menu.bmp") && ok;
    Key(VK_ESCAPE);
    Pause(300);

    ::PostMessageA(main, WM_CLOSE, 0, 0);
    return ok ? 0 : 1;
}
