#pragma once
// The application object of the first copy of the program.
#include "framework/application.h"

class TMyApp : public TApplication {
public:
    explicit TMyApp(int cmdShow = SW_SHOWNORMAL);
    ~TMyApp() override;

protected:
    bool IdleAction(long idleCount) override;
    bool ProcessAppMsg(MSG& msg) override;
    void InitMainWindow() override;

private:
    bool FirstIdle = true;
    HACCEL Keys = nullptr;   // the program's keys (a resource: freed with the module)
};
