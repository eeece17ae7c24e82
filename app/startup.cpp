#include "app/startup.h"

#include "app/my_app.h"
#include "app/program_names.h"
#include "app/program_state.h"
#include "text/path_text.h"
#include "controls/notice_window.h"

#include <windows.h>

#include <cstring>
#include <exception>

bool HandOffToRunningCopy(HWND runningCopy, const char* fileName)
{
    COPYDATASTRUCT record{};
    record.cbData = static_cast<DWORD>(std::strlen(fileName) + 1);
    record.lpData = const_cast<char*>(fileName);
    ShowMex(nullptr, "Sending to existing thread...", ProgramTitle, MB_ICONINFORMATION, 0);
    DWORD_PTR answer = 0;
    const bool answered = ::SendMessageTimeoutA(runningCopy, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record),
                                                SMTO_ABORTIFHUNG, HandOffTimeoutMs, &answer) != 0;
    ShowMex(nullptr, nullptr, nullptr, 0, 0);
    if (answered)
        return true;
    // Not sent again: a copy that wakes up later still takes it, once.
    const std::string text = std::string("The running Strandel does not answer, so this file may not have been copied:\n\n") +
                             fileName;
    ::MessageBoxA(nullptr, text.c_str(), ProgramTitle, MB_OK | MB_ICONWARNING);
    return false;
}

int RunStrandel(int argc, char** argv, int cmdShow)
{
    try {
        ProgramFolder.clear();
        if (argc > 0 && argv[0])
            ProgramFolder = FolderOf(argv[0]);

        // Only the first argument counts: the file a Send To shortcut passes.
        if (argc > 1 && argv[1]) {
            if (HWND running = ::FindWindowA(MainWindowClass, nullptr))
                return HandOffToRunningCopy(running, argv[1]) ? -1 : 1;
            PendingFile = argv[1];
        }

        TMyApp application(cmdShow);
        return application.Run();
    } catch (const std::exception& error) {
        ::MessageBoxA(nullptr, error.what(), "Exception QZ", MB_OK);
        return -1;
    }
}
