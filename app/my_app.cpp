#include "app/my_app.h"

#include "app/my_window.h"
#include "res/resource.h"

TMyApp::TMyApp(int cmdShow) : TApplication(nullptr, cmdShow)
{
}

TMyApp::~TMyApp() = default;

void TMyApp::InitMainWindow()
{
    SetMainWindow(BuildMainWindow());
}

bool TMyApp::IdleAction(long)
{
    if (FirstIdle) {
        FirstIdle = false;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        ::GetStartupInfoW(&startup);
        if (startup.wShowWindow == SW_SHOWMINNOACTIVE && GetMainWindow())
            GetMainWindow()->Show(SW_SHOWMINNOACTIVE);
    }
    return false;
}

bool TMyApp::ProcessAppMsg(MSG& msg)
{
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_F1 && GetMainWindow())
        GetMainWindow()->PostMessage(WM_COMMAND, IDM_HELPINDEX, 0);
    return TApplication::ProcessAppMsg(msg);
}
