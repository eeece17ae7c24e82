#include "app/startup.h"

#include <windows.h>

int main()
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoW(&startup);
    int cmdShow = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWNORMAL;
    // The arguments from the system's wide command line: names in any script arrive whole.
    return RunStrandel(CommandLineArguments(), cmdShow);
}
