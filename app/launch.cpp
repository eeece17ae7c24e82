#include "app/launch.h"

#include "text/wide_text.h"

#include <shellapi.h>

namespace {

bool ShellOpened(HINSTANCE result)
{
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace

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
    if (ShellOpened(::ShellExecuteW(owner, nullptr, Wide(line).c_str(), nullptr, nullptr, showState)))
        return true;

    std::size_t slash = line.find('/');
    if (slash != std::string::npos) {
        std::string file = line.substr(0, slash);
        file.erase(file.find_last_not_of(' ') + 1);
        std::string parameters = line.substr(slash);
        if (ShellOpened(::ShellExecuteW(owner, nullptr, Wide(file).c_str(), Wide(parameters).c_str(), nullptr, showState)))
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
