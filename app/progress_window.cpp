#include "app/progress_window.h"

#include "framework/handles.h"
#include "res/resource.h"
#include "text/wide_text.h"

#include <commctrl.h>

#include <exception>
#include <memory>
#include <thread>

namespace {

constexpr DWORD RefreshEvery = 100;   // milliseconds between two updates of the window
constexpr int PulseStep = 5;

int WorkRunning = 0;   // work under way on this (the window's) thread, nested or not

} // namespace

bool IsWorkRunning()
{
    return WorkRunning > 0;
}

BEGIN_MESSAGE_TABLE(TProgressWindow, TWhiteCenterDlg)
    ON_COMMAND(IDCANCEL, CmStop)
END_MESSAGE_TABLE()

TProgressWindow::TProgressWindow(TWindow* parent, HFONT font) : TWhiteCenterDlg(parent, "PROGRESS_DLG", nullptr, font)
{
    EnsureCommonControls();
}

void TProgressWindow::SetupWindow()
{
    TWhiteCenterDlg::SetupWindow();
    ::SendDlgItemMessageW(Handle, IDC_PROGRESS_BAR, PBM_SETRANGE32, 0, 100);
}

void TProgressWindow::SetText(const std::string& text) const
{
    ::SetDlgItemTextW(Handle, IDC_PROGRESS_TEXT, Wide(text).c_str());
}

void TProgressWindow::SetPercent(int percent)
{
    if (percent < 0) {
        Pulse = (Pulse + PulseStep) % (100 + PulseStep);
        percent = Pulse;
    }
    ::SendDlgItemMessageW(Handle, IDC_PROGRESS_BAR, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
}

void TProgressWindow::CmStop()
{
    Stop = true;
    ::EnableWindow(::GetDlgItem(Handle, IDCANCEL), FALSE);
    SetText("Stopping...");
}

TWindowBusy::TWindowBusy(HWND window)
    : Root(window ? ::GetAncestor(window, GA_ROOT) : nullptr),
      WasEnabled(Root && ::IsWindowEnabled(Root)),
      Focus(::GetFocus())
{
    ++WorkRunning;
    // No command may change the list while the work goes on; the window still answers.
    if (WasEnabled)
        ::EnableWindow(Root, FALSE);
}

TWindowBusy::~TWindowBusy()
{
    --WorkRunning;
    if (WasEnabled)
        ::EnableWindow(Root, TRUE);
    if (Root && ::GetForegroundWindow() == nullptr)
        ::SetActiveWindow(Root);
    // A disabled window loses the keyboard: the field or list that had it gets it back.
    if (Focus && ::IsWindow(Focus) && ::GetActiveWindow() == Root)
        ::SetFocus(Focus);
}

void AnswerPendingMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));   // for the loop that ends the program
            return;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

void RunWithProgress(TWindow* owner, HFONT font, const TBackgroundWork& work, std::atomic<bool>& cancel)
{
    TKernelHandle done(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            work.Work();
        } catch (...) {
            failure = std::current_exception();
        }
        ::SetEvent(done);
    });

    TWindowBusy busy(owner->GetHandle());
    std::unique_ptr<TProgressWindow> window;
    const DWORD start = ::GetTickCount();
    bool quit = false;
    WPARAM quitCode = 0;
    HANDLE waitFor = done;
    for (;;) {
        const DWORD woke = ::MsgWaitForMultipleObjects(1, &waitFor, FALSE, RefreshEvery, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0 || woke == WAIT_FAILED)
            break;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                // The program is ending: the work stops, and the loop above gets the quit again.
                quit = true;
                quitCode = msg.wParam;
                cancel = true;
                continue;
            }
            if (window && window->GetHandle() && ::IsDialogMessageW(window->GetHandle(), &msg))
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (!window && !quit && ::GetTickCount() - start >= ProgressShowsAfter) {
            window = std::make_unique<TProgressWindow>(owner, font);
            if (window->Create())
                window->Show(SW_SHOW);
            else
                window.reset();
        }
        if (window && window->GetHandle()) {
            if (window->Stopped())
                cancel = true;
            else if (work.Status)
                window->SetText(work.Status());
            window->SetPercent(work.Percent ? work.Percent() : -1);
        }
    }
    worker.join();
    if (window && window->GetHandle())
        ::DestroyWindow(window->GetHandle());
    window.reset();
    if (quit)
        ::PostQuitMessage(static_cast<int>(quitCode));
    if (failure)
        std::rethrow_exception(failure);
}
