#include "framework/application.h"

#include "framework/exception.h"
#include "framework/frame_window.h"

#include <string>

TApplication::TApplication(const char*, int cmdShow)
    : Instance(::GetModuleHandleW(nullptr)), CmdShow(cmdShow)
{
    CurrentApplication = this;
}

TApplication::~TApplication()
{
    MainWindow.reset();
    if (CurrentApplication == this)
        CurrentApplication = nullptr;
}

void TApplication::SetMainWindow(std::unique_ptr<TFrameWindow> window)
{
    MainWindow = std::move(window);
}

void TApplication::InitMainWindow()
{
}

bool TApplication::IdleAction(long)
{
    return false;
}

bool TApplication::ProcessAppMsg(MSG& msg)
{
    return MainWindow && MainWindow->PreProcessMsg(msg);
}

void TApplication::KeepException(std::exception_ptr exception)
{
    if (!KeptException)
        KeptException = exception;
}

void TApplication::RethrowKeptException()
{
    if (KeptException) {
        std::exception_ptr exception = KeptException;
        KeptException = nullptr;
        std::rethrow_exception(exception);
    }
}

int TApplication::Run()
{
    InitMainWindow();
    if (!MainWindow)
        return -1;
    MainWindow->SetMainWindowOfApplication(true);
    if (!MainWindow->Create()) {
        RethrowKeptException();
        throw TXWindow("The main window could not be created (error " + std::to_string(::GetLastError()) + ")");
    }
    RethrowKeptException();
    MainWindow->Show(CmdShow);
    return MessageLoop();
}

int TApplication::MessageLoop()
{
    long idleCount = 0;
    MSG msg;
    for (;;) {
        // Wide messages all the way: a typed character reaches its window as UTF-16.
        if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                return static_cast<int>(msg.wParam);
            if (!ProcessAppMsg(msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
            RethrowKeptException();
            idleCount = 0;
        } else if (!IdleAction(idleCount++)) {
            ::WaitMessage();
        }
    }
}
