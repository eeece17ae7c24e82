#pragma once
// The main window: menu bar, tool bar, status bar and, as its client, the main dialog.
#include "framework/decorated_frame.h"
#include "app/program_names.h"
#include "framework/gdi.h"

class BaseDlg;
class TControlBar;
class TTipStatusBar;

class TMyWindow : public TDecoratedFrame {
public:
    TMyWindow(TWindow* parent, const char* title);
    void SetStatusBar(TTipStatusBar* statusBar) { StatusBar = statusBar; }
    void SetToolBar(TControlBar* toolBar) { ToolBar = toolBar; }

    bool PreProcessMsg(MSG& msg) override;
    BaseDlg* GetClient() const { return Client; }

    // The window message other copies can find the main window by, registered at start.
    static const UINT HandOffMessage;

protected:
    void SetupWindow() override;
    const char* GetClassName() const override { return MainWindowClass; }

    LRESULT EvCopyData(HWND sender, const COPYDATASTRUCT* record);
    LRESULT EvHandOff(TMessage& message);
    void EvMenuSelect(UINT item, UINT flags, HMENU menu);
    LRESULT EvInitMenuPopup(TMessage& message);
    LRESULT EvDpiChanged(TMessage& message);
    // The program font of the next start, chosen in the font dialog.
    void CmChangeFont();

private:
    BaseDlg* Client = nullptr;
    TTipStatusBar* StatusBar = nullptr;
    TControlBar* ToolBar = nullptr;
    TFont ProgramFont;

    DECLARE_MESSAGE_TABLE()
};

// The main window as the application builds it: icon, menu, status bar with its "Ready"
// gadget, tool bar with its nine gadgets.
std::unique_ptr<TMyWindow> BuildMainWindow();

// The status bar's font: the system's status-bar font for a screen of the scale (a 9-point one
// when it cannot be had).
HFONT StatusBarFont(int dpi);
