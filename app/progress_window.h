#pragma once
// Work that may take long, run off the window's thread: the window's thread keeps answering and
// repainting, and after half a second a small window shows how far the work is, with a Cancel.
#include "controls/white_center_dlg.h"

#include <atomic>
#include <functional>
#include <string>

// The small window: a line of text, a bar and Cancel.
class TProgressWindow : public TWhiteCenterDlg {
public:
    TProgressWindow(TWindow* parent, HFONT font);

    void SetText(const std::string& text) const;
    // 0 to 100; below 0 the bar only shows that the work goes on.
    void SetPercent(int percent);
    bool Stopped() const { return Stop; }

protected:
    void SetupWindow() override;
    void CmStop();

private:
    bool Stop = false;
    int Pulse = 0;

    DECLARE_MESSAGE_TABLE()
};

struct TBackgroundWork {
    std::function<void()> Work;           // runs on its own thread
    std::function<std::string()> Status;  // the line the window shows, asked on the window's thread
    std::function<int()> Percent;         // none: the bar pulses
};

// Runs the work to its end while the messages of the window's thread go on; the main window
// takes no input meanwhile. Cancel sets the flag (the work stops soon after it). An exception
// of the work comes out here.
void RunWithProgress(TWindow* owner, HFONT font, const TBackgroundWork& work, std::atomic<bool>& cancel);

// While long work runs on the window's thread or waits for another: the main window takes no
// input (the keyboard comes back where it was) and does not close; it still answers messages.
class TWindowBusy {
public:
    explicit TWindowBusy(HWND window);
    ~TWindowBusy();
    TWindowBusy(const TWindowBusy&) = delete;
    TWindowBusy& operator=(const TWindowBusy&) = delete;

private:
    HWND Root;
    bool WasEnabled;
    HWND Focus;
};

// Handles the messages waiting for this thread (a WM_QUIT is left for the program's loop), so a
// long piece of work on the window's thread keeps the window answering.
void AnswerPendingMessages();

// True while RunWithProgress waits for work: the window must not close under it.
bool IsWorkRunning();

// How long work goes on before its window shows, in milliseconds.
inline constexpr unsigned ProgressShowsAfter = 500;
