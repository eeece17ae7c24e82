#pragma once
// The program's edit field: its own cursor, the hover hint and light, a black frame just
// outside its client area while it has the focus, Esc as undo, and a grey placeholder that
// says what the field is for while it is empty and not focused (drawn, never its text).
#include "controls/qz_control.h"
#include "framework/control.h"

#include <string>

class TQZEditCursor : public TQZControl<TEdit> {
public:
    // cursorName null or empty: the I-beam. module null: the application's.
    TQZEditCursor(TWindow* parent, int resourceId, int textLimit, HINSTANCE module = nullptr,
                  const char* cursorName = nullptr);

    // The grey text shown in the empty, unfocused field; empty: none.
    void SetPlaceholder(const std::string& text);
    bool ShowsPlaceholder() const { return PlaceholderShown; }

protected:
    LRESULT EvKeyDown(TMessage& message);
    LRESULT EvPaint(TMessage& message);
    void EvKillFocus(HWND focus);
    LRESULT EvSetFocus(TMessage& message);
    void EvMenuSelect(UINT item, UINT flags, HMENU menu);

    void DrawFocusFrame();
    bool WantsPlaceholder() const;
    void DrawPlaceholder();
    // The client area in the parent's client coordinates; false without a parent.
    bool ClientRectInParent(RECT& inner) const;

    std::wstring Placeholder;
    bool PlaceholderShown = false;

    DECLARE_MESSAGE_TABLE()
};
