#pragma once
// The program's check box and radio button: their own cursor, the hover hint and light, and a
// pop-up menu on the right button, which first acts as the left one (a right click toggles the
// box like a left click).
#include "controls/qz_control.h"
#include "framework/control.h"

class TQZCheckBox : public TQZControl<TCheckBox> {
public:
    // cursorName null or empty: the arrow. module null: the application's. menuName null: no menu.
    TQZCheckBox(TWindow* parent, int resourceId, const char* cursorName, HINSTANCE module = nullptr,
                const char* menuName = nullptr)
        : TQZControl({TMouseLumen::Frame}, cursorName, module, menuName, parent, resourceId)
    {
    }
};

class TQZRadioButton : public TQZControl<TRadioButton> {
public:
    TQZRadioButton(TWindow* parent, int resourceId, const char* cursorName, HINSTANCE module = nullptr,
                   const char* menuName = nullptr)
        : TQZControl({TMouseLumen::FrameBesideScrollBar}, cursorName, module, menuName, parent, resourceId)
    {
    }
};
