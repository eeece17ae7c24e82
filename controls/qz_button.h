#pragma once
// The program's push button: its own cursor, the hover hint, a pop-up menu on the right
// button (a button without a menu takes a right click as a left one), and, as a drop-down
// button, the menu opened by the left press under the button instead of a click.
#include "controls/qz_control_support.h"
#include "framework/control.h"

#include <string>

class TQZButton : public TButton {
public:
    // module null: the application's. cursorName null or empty: the arrow. menuName null: no menu.
    TQZButton(TWindow* parent, int resourceId, HINSTANCE module = nullptr, const char* cursorName = nullptr,
              const char* menuName = nullptr);

    // Non-zero: the left press opens the menu under the button instead of clicking it.
    void SetMenuOnLeftClick(int flag) { MenuOnLeftClick = flag != 0; }
    bool GetMenuOnLeftClick() const { return MenuOnLeftClick; }

    const TRightButtonMenu& GetRightButton() const { return RightButton; }

protected:
    virtual LRESULT EvLButtonDown(TMessage& message);
    virtual LRESULT EvRButtonDown(TMessage& message);
    virtual LRESULT EvRButtonUp(TMessage& message);
    virtual LRESULT EvMouseMove(TMessage& message);
    LRESULT EvSetCursor(TMessage& message);
    LRESULT EvCaptureChanged(TMessage& message);

private:
    bool MenuOnLeftClick = false;
    TRightButtonMenu RightButton;
    std::string CursorName;
    HINSTANCE Module;

    DECLARE_MESSAGE_TABLE()
};
