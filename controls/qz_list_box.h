#pragma once
// The program's list box: its own cursor, the hover hint and light, a pop-up menu on the
// right button (which first acts as the left one, so the item under the pointer is
// selected), and moving one item up or down.
#include "controls/qz_control.h"
#include "framework/control.h"

enum class TMoveDirection { Up, Down };

class TQZListBox : public TQZControl<TListBox> {
public:
    // cursorName null or empty: the arrow. menuName null: no menu. module null: the application's.
    TQZListBox(TWindow* parent, int resourceId, const char* cursorName, HINSTANCE module = nullptr,
               const char* menuName = nullptr);

    // Moves one item one place, keeping its item data, and selects it. Index -1 takes the
    // selected item; with no selection the first item is selected and nothing moves.
    void MoveItem(TMoveDirection direction, int index);
};
