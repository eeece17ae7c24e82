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
    // The keys work wherever the focus is in the main window; each goes to it as its command.
    if (!Keys)
        Keys = ::LoadAcceleratorsW(GetInstance(), L"MAIN_ACCEL");
    if (Keys && GetMainWindow() && GetMainWindow()->GetHandle() &&
        ::TranslateAcceleratorW(GetMainWindow()->GetHandle(), Keys, &msg))
        return true;
    return TApplication::ProcessAppMsg(msg);
}
