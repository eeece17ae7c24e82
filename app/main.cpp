#include "app/startup.h"

#include <windows.h>

int main(int argc, char** argv)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoA(&startup);
    int cmdShow = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWNORMAL;
    return RunStrandel(argc, argv, cmdShow);
}
