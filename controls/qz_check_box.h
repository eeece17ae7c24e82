#pragma once
// The program's check box and radio button: their own cursor, the hover hint and light,
// and a pop-up menu on the right button, which first acts as the left one (a right click
// toggles the box like a left click).
#include "controls/mouse_lumen.h"
#include "controls/qz_control_support.h"
#include "framework/control.h"

#include <string>

class TQZCheckBox : public TCheckBox {
public:
    // cursorName null or empty: the arrow. module null: the application's. menuName null: no menu.
    TQZCheckBox(TWindow* parent, int resourceId, const char* cursorName, HINSTANCE module = nullptr,
                const char* menuName = nullptr);

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

class TQZRadioButton : public TRadioButton {
public:
    TQZRadioButton(TWindow* parent, int resourceId, const char* cursorName, HINSTANCE module = nullptr,
                   const char* menuName = nullptr);

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
