#include "app/startup.h"

#include "app/launch.h"
#include "app/my_app.h"
#include "app/program_names.h"
#include "app/program_state.h"
#include "app/send_to_record.h"
#include "text/path_text.h"
#include "controls/notice_window.h"
#include "framework/message_box.h"
#include "text/wide_text.h"

#include <windows.h>
#include <shellapi.h>

#include <exception>

std::vector<std::string> StartNames;

std::vector<std::string> CommandLineArguments()
{
    std::vector<std::string> arguments;
    int count = 0;
    if (LPWSTR* given = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments.push_back(Narrow(given[i]));
        ::LocalFree(given);
    }
    return arguments;
}

std::string ExecutableFolder()
{
    // The room grows until the whole name fits: a program may stand deeper than MAX_PATH.
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0)
            return {};
        if (length < name.size()) {
            name.resize(length);
            break;
        }
        name.resize(name.size() * 2);
    }
    return FolderOf(Narrow(name));
}

bool HandOffToRunningCopy(HWND runningCopy, const std::vector<std::string>& names)
{
    const TSendToRecord record(names);
    ShowMex(nullptr, "Sending to existing thread...", ProgramTitle, MB_ICONINFORMATION, 0);
    // Windows lets a program take the foreground only when the one in front allows it: this
    // copy was just started by the user, so it may pass that right on.
    DWORD runningProcess = 0;
    if (::GetWindowThreadProcessId(runningCopy, &runningProcess))
        ::AllowSetForegroundWindow(runningProcess);
    DWORD_PTR answer = 0;
    const bool answered = ::SendMessageTimeoutW(runningCopy, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(record.Data()),
                                                SMTO_ABORTIFHUNG, HandOffTimeoutMs, &answer) != 0;
    ShowMex(nullptr, nullptr, nullptr, 0, 0);
    if (answered)
        return true;
    // Not sent again: a copy that wakes up later still takes them, once.
    const std::string what = names.size() == 1 ? "this file" : "these files";
    MessageBoxText(nullptr, "The running Strandel does not answer, so " + what + " may not have been copied:\n\n" +
                                NamesToShow(names),
                   ProgramTitle, MB_OK | MB_ICONWARNING);
    return false;
}

int RunStrandel(const std::vector<std::string>& arguments, int cmdShow)
{
    try {
        // The executable's own folder: the path the program was started by may be relative.
        ProgramFolder = ExecutableFolder();

        // Every file Send To passes: Explorer starts one copy with all the files selected.
        std::vector<std::string> names = NamesOfArguments(arguments);
        if (!names.empty()) {
            if (HWND running = ::FindWindowW(Wide(MainWindowClass).c_str(), nullptr))
                return HandOffToRunningCopy(running, names) ? -1 : 1;
            StartNames = std::move(names);
        }

        // For the shell's extensions that ShellExecute may bring in, for the whole run.
        const TComApartment com;
        TMyApp application(cmdShow);
        return application.Run();
    } catch (const std::exception& error) {
        MessageBoxText(nullptr, error.what(), "Exception QZ", MB_OK);
        return -1;
    }
}
