// Looks at an installed Strandel from inside Windows, for installer_test.sh:
//   install_probe folders              the user's folders the installer uses, NAME=path a line
//   install_probe version EXE          the version strings of EXE's version resource
//   install_probe shortcut LNK         the program a shortcut starts
//   install_probe templates EXE COUNT  starts EXE, chooses the first COUNT + 1 items of its
//                                      Templates menu one by one and prints the window's
//                                      title after each, then closes it
//   install_probe start EXE            starts EXE and leaves it running once its window shows
//   install_probe running              how many main windows of Strandel there are
#include "app/program_names.h"
#include "res/resource.h"
#include "support/window_lookup.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string Folder(int id)
{
    char path[MAX_PATH] = "";
    return SUCCEEDED(::SHGetFolderPathA(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : "";
}

int PrintFolders()
{
    char windows[MAX_PATH] = "";
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    std::printf("LOCALAPPDATA=%s\nAPPDATA=%s\nPROGRAMS=%s\nSENDTO=%s\nWINDOWS=%s\n",
                Folder(CSIDL_LOCAL_APPDATA).c_str(), Folder(CSIDL_APPDATA).c_str(), Folder(CSIDL_PROGRAMS).c_str(),
                Folder(CSIDL_SENDTO).c_str(), windows);
    return 0;
}

// "FileVersion ProductVersion a.b.c.d": the two strings and the numbers of the fixed part.
int PrintVersion(const char* exe)
{
    DWORD ignored = 0;
    std::vector<char> data(::GetFileVersionInfoSizeA(exe, &ignored));
    if (data.empty() || !::GetFileVersionInfoA(exe, 0, static_cast<DWORD>(data.size()), data.data())) {
        std::fprintf(stderr, "install_probe: no version resource in %s\n", exe);
        return 1;
    }
    auto text = [&](const char* key) -> std::string {
        char* value = nullptr;
        UINT size = 0;
        const std::string path = std::string("\\StringFileInfo\\040904E4\\") + key;
        return ::VerQueryValueA(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &size) && size
                   ? value
                   : "?";
    };
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    if (!::VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &size) || !fixed)
        return 1;
    std::printf("%s %s %u.%u.%u.%u\n", text("FileVersion").c_str(), text("ProductVersion").c_str(),
                unsigned{HIWORD(fixed->dwFileVersionMS)}, unsigned{LOWORD(fixed->dwFileVersionMS)},
                unsigned{HIWORD(fixed->dwFileVersionLS)}, unsigned{LOWORD(fixed->dwFileVersionLS)});
    return 0;
}

int PrintShortcutTarget(const char* link)
{
    ::CoInitialize(nullptr);
    IShellLinkA* shellLink = nullptr;
    IPersistFile* file = nullptr;
    char target[MAX_PATH] = "";
    const std::wstring wideLink(link, link + std::char_traits<char>::length(link));
    bool read = SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                             reinterpret_cast<void**>(&shellLink))) &&
                SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
                SUCCEEDED(file->Load(wideLink.c_str(), STGM_READ)) &&
                SUCCEEDED(shellLink->GetPath(target, MAX_PATH, nullptr, 0));
    if (file)
        file->Release();
    if (shellLink)
        shellLink->Release();
    ::CoUninitialize();
    if (!read) {
        std::fprintf(stderr, "install_probe: cannot read the shortcut %s\n", link);
        return 1;
    }
    std::printf("%s\n", target);
    return 0;
}

// Starts EXE and waits for its main window; null (said) when it shows none.
HWND StartProgram(const char* exe, PROCESS_INFORMATION& process)
{
    std::string commandLine = std::string("\"") + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        std::fprintf(stderr, "install_probe: cannot start %s\n", exe);
        return nullptr;
    }
    HWND main = nullptr;
    for (int waited = 0; !main && waited < 20000; waited += 100) {
        ::Sleep(100);
        main = FindShownWindow(process.dwProcessId, MainWindowClass);
    }
    if (!main)
        std::fprintf(stderr, "install_probe: %s shows no main window\n", exe);
    return main;
}

int ChooseTemplates(const char* exe, int count)
{
    PROCESS_INFORMATION process{};
    HWND main = StartProgram(exe, process);
    if (!process.hProcess)
        return 1;
    int result = main ? 0 : 1;
    if (main) {
        // As a click on the item sends it; the program then shows the template's name in its title.
        for (int i = 0; i <= count; ++i) {
            DWORD_PTR ignored = 0;
            ::SendMessageTimeoutA(main, WM_COMMAND, IDM_TEMPLATE_FIRST + i, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
            std::printf("%s\n", TextOf(main).c_str());
        }
        ::PostMessageA(main, WM_CLOSE, 0, 0);
    }
    if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "install_probe: %s did not end\n", exe);
        ::TerminateProcess(process.hProcess, 1);
        result = 1;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return result;
}

int StartAndLeave(const char* exe)
{
    PROCESS_INFORMATION process{};
    const bool shown = StartProgram(exe, process) != nullptr;
    if (process.hProcess) {
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    return shown ? 0 : 1;
}

int CountRunning()
{
    int count = 0;
    for (HWND window = nullptr; (window = ::FindWindowExA(nullptr, window, MainWindowClass, nullptr));)
        ++count;
    std::printf("%d\n", count);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "folders" && argc == 2)
        return PrintFolders();
    if (command == "version" && argc == 3)
        return PrintVersion(argv[2]);
    if (command == "shortcut" && argc == 3)
        return PrintShortcutTarget(argv[2]);
    if (command == "templates" && argc == 4)
        return ChooseTemplates(argv[2], std::atoi(argv[3]));
    if (command == "start" && argc == 3)
        return StartAndLeave(argv[2]);
    if (command == "running" && argc == 2)
        return CountRunning();
    std::fprintf(stderr,
                 "usage: install_probe folders | version EXE | shortcut LNK | templates EXE COUNT | start EXE | running\n");
    return 2;
}
