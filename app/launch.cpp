#include "app/launch.h"

#include "text/wide_text.h"

#include <objbase.h>
#include <shellapi.h>

namespace {

bool ShellOpened(HINSTANCE result)
{
    return reinterpret_cast<INT_PTR>(result) > 32;
}

// Null for an empty text: ShellExecute's "none given".
const wchar_t* OrNull(const std::wstring& text)
{
    return text.empty() ? nullptr : text.c_str();
}

} // namespace

TComApartment::TComApartment()
    // S_FALSE (already initialised here) is counted too, and is released like S_OK.
    : Initialised(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)))
{
}

TComApartment::~TComApartment()
{
    if (Initialised)
        ::CoUninitialize();
}

TShellCommand ViewerCommand(const std::string& fileName)
{
    return {"open", "notepad.exe", "\"" + fileName + "\""};
}

bool ShellRun(HWND owner, const TShellCommand& command, int showState)
{
    const TComApartment com;
    const std::wstring verb = Wide(command.Verb), file = Wide(command.File), parameters = Wide(command.Parameters);
    return ShellOpened(::ShellExecuteW(owner, OrNull(verb), file.c_str(), OrNull(parameters), nullptr, showState));
}

std::string TrimSpaces(const std::string& text)
{
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool Launch(HWND owner, const std::string& commandLine, int showState)
{
    const std::string line = TrimSpaces(commandLine);
    if (ShellRun(owner, {"", line, ""}, showState))
        return true;

    std::size_t slash = line.find('/');
    if (slash != std::string::npos) {
        std::string file = line.substr(0, slash);
        file.erase(file.find_last_not_of(' ') + 1);
        if (ShellRun(owner, {"", file, line.substr(slash)}, showState))
            return true;
    }

    // Started as WinExec would, but with the wide command line.
    std::wstring command = Wide(line);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showState);
    PROCESS_INFORMATION started{};
    if (::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        ::CloseHandle(started.hThread);
        ::CloseHandle(started.hProcess);
    }
    return false;
}
