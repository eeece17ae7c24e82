#pragma once
// The program's own tool tip: one small top-most window in the system's tip colours, shown
// near the pointer a moment after a text arrives, hidden when the pointer leaves the window
// it was shown for, after a minute, or on a key press while tips are switched off.
#include "framework/control.h"
#include "framework/handles.h"

#include <memory>
#include <optional>
#include <string>

// The fallback font of the tip, used when the system does not report its status-bar font.
class TToolTipFont : public TFont {
public:
    TToolTipFont();
};

// A fixed point the tip hangs from instead of the pointer.
struct TTipAnchor {
    HWND Window = nullptr;   // the window under Point when it was set
    BYTE IsSet = 0;
    POINT Point = {0, 0};
};

class QZTToolTip : public TControl {
public:
    // Creates the (hidden) tip window and takes the fallback font.
    explicit QZTToolTip(std::unique_ptr<TToolTipFont> font);
    ~QZTToolTip() override;

    // Makes text the tip's text and starts the show delay; null or "" hides the tip.
    void SetText(const char* text);
    // Places the tip below its anchor, inside its monitor; does not show it.
    void Reposition();
    void ShowTip();
    // Hides the tip now, if it is showing, and repaints what it covered.
    void HideTip();
    // Takes the status-bar font the system reports for a monitor of the scale (0: the system's);
    // keeps the current one when it reports none.
    void RefreshFont(int dpi = 0);

    // The flag the keyboard hook reads: while it is non-zero, key presses leave the tip alone.
    const int* GetKeepFlag() const { return KeepFlag; }
    void SetKeepFlag(const int* flag) { KeepFlag = flag; }

    bool IsShowTimerRunning() const { return ShowTimer != 0; }
    bool IsPollTimerRunning() const { return PollTimer != 0; }
    // The period timer 1000 was last started with, 0 while it is stopped.
    UINT GetShowTimerPeriod() const { return ShowTimer ? ShowTimerPeriod : 0; }
    HWND GetAnchorWindow() const { return AnchorWindow; }

    static constexpr UINT_PTR ShowTimerId = 1000;
    static constexpr UINT_PTR PollTimerId = 1001;
    static constexpr UINT ShortDelay = 150;
    static constexpr UINT LongDelay = 1500;        // a new text in the same tick as the last clear
    static constexpr UINT ShownTime = 60000;
    static constexpr UINT PollPeriod = 100;

protected:
    const char* GetClassName() const override { return "QZTooltip"; }
    void GetWindowClass(WNDCLASSW& windowClass) const override;

    void EvTimer(UINT_PTR id);
    void EvMouseMove(UINT keys, POINT point);
    LRESULT EvPaint(TMessage& message);
    LRESULT EvSettingChange(TMessage& message);
    // The font the tip draws its text in, as every window tells it.
    LRESULT EvGetFont(TMessage& message);

private:
    // SetText without the anchor's bookkeeping: the tip's own hiding goes through here.
    void ChangeText(const char* text);
    void StartTimers(UINT showPeriod);
    void StopTimers();
    void Measure(const char* text);

    UINT_PTR ShowTimer = 0;
    UINT_PTR PollTimer = 0;
    HWND AnchorWindow = nullptr;
    SIZE TipSize = {0, 0};
    TFont Font;
    int FontDpi = 0;   // the scale Font was made for
    unsigned MaxWidth;
    unsigned MaxHeight;
    std::optional<std::string> Text;
    const int* KeepFlag = nullptr;
    UINT ShowTimerPeriod = 0;

    DECLARE_MESSAGE_TABLE()
};

// Where a tip of the size goes for the anchor (screen coordinates): below it, its middle a
// little right of it, kept inside the area (the work area of the anchor's monitor); above it
// where there is no room below.
POINT TipPlace(POINT anchor, SIZE tip, const RECT& area);

// The process's tip, or null.
QZTToolTip* GetToolTip();
// Hangs the tip of the next text from screenPoint (and its window) instead of the pointer.
void SetAnchor(POINT screenPoint);
const TTipAnchor& GetTipAnchor();
// The thread's keyboard hook of the tip, null while there is no tip.
HHOOK GetTipKeyboardHook();
// The tick count of the last clearing of the tip's text, 0 once a new text started.
DWORD GetLastHideTick();
