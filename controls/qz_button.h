#pragma once
// The program's push button: its own cursor, the hover hint, a pop-up menu on the right
// button (a button without a menu takes a right click as a left one), and, as a drop-down
// button, the menu opened by the left press under the button instead of a click.
#include "controls/qz_control.h"
#include "framework/control.h"

class TQZButton : public TQZControl<TButton> {
public:
    // module null: the application's. cursorName null or empty: the arrow. menuName null: no menu.
    TQZButton(TWindow* parent, int resourceId, HINSTANCE module = nullptr, const char* cursorName = nullptr,
              const char* menuName = nullptr);

    // Non-zero: the left press opens the menu under the button instead of clicking it.
    void SetMenuOnLeftClick(int flag) { MenuOnLeftClick = flag != 0; }

protected:
    // A button of a kind of its own (one with a light, say).
    TQZButton(const TQZControlStyle& style, TWindow* parent, int resourceId, HINSTANCE module,
              const char* cursorName, const char* menuName);

    virtual void EvLButtonDown(UINT keys, POINT point);

private:
    bool MenuOnLeftClick = false;

    DECLARE_MESSAGE_TABLE()
};
