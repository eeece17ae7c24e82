#pragma once
// The application: builds the main window, runs the message loop with its pre-dispatch
// filter and idle hook, and hands exceptions caught in window procedures back to the top.
#include <windows.h>

#include <exception>
#include <memory>

class TFrameWindow;

class TApplication {
public:
    explicit TApplication(const char* name = nullptr, int cmdShow = SW_SHOWNORMAL);
    virtual ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // Builds and shows the main window, then runs the message loop; the loop's result.
    // An exception thrown in a window procedure comes out of here, and TXWindow when the
    // main window cannot be made.
    virtual int Run();

    TFrameWindow* GetMainWindow() const { return MainWindow.get(); }
    // Takes the main window; the application ends its loop when that window is destroyed.
    void SetMainWindow(std::unique_ptr<TFrameWindow> window);
    HINSTANCE GetInstance() const { return Instance; }
    int GetCmdShow() const { return CmdShow; }

    static TApplication* Current() { return CurrentApplication; }
    // Keeps an exception caught in a window procedure, to be rethrown by the message loop.
    static void KeepException(std::exception_ptr exception);
    static void RethrowKeptException();

protected:
    // The main-window builder.
    virtual void InitMainWindow();
    // Called while the queue is empty; true to be called again before waiting.
    virtual bool IdleAction(long idleCount);
    // The filter every message taken by this loop passes before dispatch; true consumes it.
    virtual bool ProcessAppMsg(MSG& msg);

    int MessageLoop();

private:
    static inline TApplication* CurrentApplication = nullptr;
    static inline std::exception_ptr KeptException;

    HINSTANCE Instance;
    int CmdShow;
    std::unique_ptr<TFrameWindow> MainWindow;
};
