#pragma once
// The program's list box: its own cursor, the hover hint and light, a pop-up menu on the
// right button (which first acts as the left one, so the item under the pointer is
// selected), and moving one item up or down.
#include "controls/mouse_lumen.h"
#include "controls/qz_control_support.h"
#include "framework/control.h"

#include <string>

enum class TMoveDirection { Up, Down };

class TQZListBox : public TListBox {
public:
    // cursorName null or empty: the arrow. menuName null: no menu. module null: the application's.
    TQZListBox(TWindow* parent, int resourceId, const char* cursorName, HINSTANCE module = nullptr,
               const char* menuName = nullptr);

    // Moves one item one place, keeping its item data, and selects it. Index -1 takes the
    // selected item; with no selection the first item is selected and nothing moves.
    void MoveItem(TMoveDirection direction, int index);

    const TMouseLumen& GetLumen() const { return Lumen; }
    const TRightButtonMenu& GetRightButton() const { return RightButton; }

protected:
    virtual LRESULT EvRButtonDown(TMessage& message);
    virtual LRESULT EvRButtonUp(TMessage& message);
    virtual LRESULT EvSetCursor(TMessage& message);
    LRESULT EvMouseMove(TMessage& message);
    LRESULT EvTimer(TMessage& message);
    LRESULT EvCaptureChanged(TMessage& message);

private:
    TRightButtonMenu RightButton;
    TMouseLumen Lumen;
    std::string CursorName;
    HINSTANCE Module;

    DECLARE_MESSAGE_TABLE()
};
