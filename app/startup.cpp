#include "app/startup.h"

#include "app/my_app.h"
#include "app/program_names.h"
#include "app/program_state.h"
#include "text/path_text.h"
#include "controls/notice_window.h"

#include <windows.h>

#include <cstring>
#include <exception>

LRESULT HandOffToRunningCopy(HWND runningCopy, const char* fileName)
{
    COPYDATASTRUCT record{};
    record.cbData = static_cast<DWORD>(std::strlen(fileName) + 1);
    record.lpData = const_cast<char*>(fileName);
    ShowMex(nullptr, "Sending to existing thread...", ProgramTitle, MB_ICONINFORMATION, 0);
    LRESULT answer = ::SendMessageA(runningCopy, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record));
    ShowMex(nullptr, nullptr, nullptr, 0, 0);
    return answer;
}

int RunStrandel(int argc, char** argv, int cmdShow)
{
    try {
        ProgramFolder.clear();
        if (argc > 0 && argv[0])
            ProgramFolder = FolderOf(argv[0]);

        // Only the first argument counts: the file a Send To shortcut passes.
        if (argc > 1 && argv[1]) {
            if (HWND running = ::FindWindowA(MainWindowClass, nullptr)) {
                HandOffToRunningCopy(running, argv[1]);
                return -1;
            }
            PendingFile = argv[1];
        }

        TMyApp application(cmdShow);
        return application.Run();
    } catch (const std::exception& error) {
        ::MessageBoxA(nullptr, error.what(), "Exception QZ", MB_OK);
        return -1;
    }
}
