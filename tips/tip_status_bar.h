#pragma once
// The main window's status bar: every hint is a long part for the status line and, after the
// first line feed, a short part for the tool tip, which this bar creates and owns.
#include "framework/status_bar.h"

#include <string>
#include <string_view>

class QZTToolTip;

// A hint's two parts: the status line's, up to the first line feed, and the tip's, after it
// (later line feeds make a tip of several lines).
struct THintParts {
    std::string StatusLine;
    std::string Tip;
};
THintParts SplitHint(std::string_view hint);

class TTipStatusBar : public TStatusBar {
public:
    TTipStatusBar(TWindow* parent, TBorderStyle border, unsigned modeIndicators, HFONT font);
    ~TTipStatusBar() override;

    // The long part to the status line, the short part (with tips on) to the tip; null hides both.
    void ShowHint(const char* hint) override;

    // The tip this bar hands its hints to; null once that tip is gone.
    QZTToolTip* GetTip() const;

    // Tips on (non-zero) or off; the tip's keyboard hook reads it too.
    int UseTip = 0;

private:
    QZTToolTip* Tip = nullptr;
    int OwnsTip = 0;
    const int* SavedKeepFlag = nullptr;
};
