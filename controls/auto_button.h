#pragma once
// The main dialog's push button: a TQZButton whose face is inverted while the mouse is over it,
// and which leaves no remnant of its light or focus on its parent.
#include "controls/qz_button.h"

class TAutoButton : public TQZButton {
public:
    // cursorName null or empty: the arrow. menuName null: no menu. Cursor and menu come from
    // the application's module.
    TAutoButton(TWindow* parent, int resourceId, const char* cursorName = nullptr, const char* menuName = nullptr);

protected:
    LRESULT EvEraseBkgnd(TMessage& message);
    void EvKillFocus(HWND focus);

    DECLARE_MESSAGE_TABLE()
};
