#pragma once
// The program's edit field: its own cursor, the hover hint and light, a black frame just
// outside its client area while it has the focus, and Esc as undo.
#include "controls/mouse_lumen.h"
#include "framework/control.h"

#include <string>

class TQZEditCursor : public TEdit {
public:
    // cursorName null or empty: the I-beam. module null: the application's.
    TQZEditCursor(TWindow* parent, int resourceId, int textLimit, HINSTANCE module = nullptr,
                  const char* cursorName = nullptr);

    const TMouseLumen& GetLumen() const { return Lumen; }

protected:
    LRESULT EvMouseMove(TMessage& message);
    LRESULT EvTimer(TMessage& message);
    LRESULT EvSetCursor(TMessage& message);
    LRESULT EvKeyDown(TMessage& message);
    LRESULT EvPaint(TMessage& message);
    LRESULT EvKillFocus(TMessage& message);
    LRESULT EvMenuSelect(TMessage& message);

    void DrawFocusFrame();
    // The client area in the parent's client coordinates; false without a parent.
    bool ClientRectInParent(RECT& inner) const;

private:
    std::string CursorName;
    HINSTANCE Module;
    TMouseLumen Lumen;

    DECLARE_MESSAGE_TABLE()
};
