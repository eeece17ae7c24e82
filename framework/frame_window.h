#pragma once
// A top-level window with a menu, an icon and one client window that fills it.
#include "framework/window.h"

#include <memory>

class TFrameWindow : public TWindow {
public:
    TFrameWindow(TWindow* parent, const char* title, std::unique_ptr<TWindow> client = nullptr,
                 bool shrinkToClient = false);
    ~TFrameWindow() override;

    // The client belongs to the frame; its parent must be the frame. Its window is made
    // with the frame's children, or at once when the frame is already set up.
    void SetClientWindow(std::unique_ptr<TWindow> client);
    TWindow* GetClientWindow() const { return Client.get(); }
    void AssignMenu(const char* menuName);
    void SetIcon(int iconId);
    void SetShrinkToClient(bool shrink) { ShrinkToClientFlag = shrink; }
    // Menu tracking shows the hint of a highlighted menu item (see ShowHint).
    void SetTrackMenuSelection(bool track) { TrackMenuSelection = track; }
    // The application's main window ends the message loop when it is destroyed.
    void SetMainWindowOfApplication(bool isMain) { IsMainWindow = isMain; }

    bool PreProcessMsg(MSG& msg) override;

    // Sizes the frame so that its client area holds the client and the decorations exactly.
    void ShrinkToClient();

protected:
    const char* GetClassName() const override;
    void GetWindowClass(WNDCLASSW& windowClass) const override;
    void SetupWindow() override;
    // Commands without an entry of the frame's go to the client.
    LRESULT UnhandledCommand(TMessage& message) override;
    // Places the client (and, in derived frames, the decorations) in the client area.
    virtual void Layout();
    // The room decorations need beside the client: added width and height.
    virtual SIZE DecorationSize();
    // Where a menu item's or gadget's hint goes; null when the selection ends.
    virtual void ShowHint(const char* hint);

    LRESULT EvSize(TMessage& message);
    void EvMenuSelect(UINT item, UINT flags, HMENU menu);
    LRESULT EvSetFocus(TMessage& message);
    LRESULT EvDestroy(TMessage& message);

    std::unique_ptr<TWindow> Client;
    HMENU Menu = nullptr;
    HICON Icon = nullptr;
    bool ShrinkToClientFlag;
    bool TrackMenuSelection = false;
    bool IsMainWindow = false;
    bool SetUp = false;
    int TrackedMenuItem = 0;   // the menu item whose hint is showing, 0 for none

    DECLARE_MESSAGE_TABLE()
};
