#pragma once
// The program's edit field: its own cursor, the hover hint and light, a black frame just
// outside its client area while it has the focus, and Esc as undo.
#include "controls/qz_control.h"
#include "framework/control.h"

class TQZEditCursor : public TQZControl<TEdit> {
public:
    // cursorName null or empty: the I-beam. module null: the application's.
    TQZEditCursor(TWindow* parent, int resourceId, int textLimit, HINSTANCE module = nullptr,
                  const char* cursorName = nullptr);

protected:
    LRESULT EvKeyDown(TMessage& message);
    LRESULT EvPaint(TMessage& message);
    void EvKillFocus(HWND focus);
    void EvMenuSelect(UINT item, UINT flags, HMENU menu);

    void DrawFocusFrame();
    // The client area in the parent's client coordinates; false without a parent.
    bool ClientRectInParent(RECT& inner) const;

    DECLARE_MESSAGE_TABLE()
};
