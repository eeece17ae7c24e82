#include "app/launch.h"

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
    if (ShellOpened(::ShellExecuteA(owner, nullptr, line.c_str(), nullptr, nullptr, showState)))
        return true;

    std::size_t slash = line.find('/');
    if (slash != std::string::npos) {
        std::string file = line.substr(0, slash);
        file.erase(file.find_last_not_of(' ') + 1);
        std::string parameters = line.substr(slash);
        if (ShellOpened(::ShellExecuteA(owner, nullptr, file.c_str(), parameters.c_str(), nullptr, showState)))
            return true;
    }

    ::WinExec(line.c_str(), static_cast<UINT>(showState));
    return false;
}
