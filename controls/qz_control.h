#pragma once
// What the program's own controls add to a system control, written once: their own cursor,
// the hover hint (the control under the pointer announced to its parent), the hover light and
// a pop-up menu on the right button. Each control class is this template over its framework
// class; its own messages sit in a table chained to this one.
#include "controls/mouse_lumen.h"
#include "controls/right_button_menu.h"
#include "framework/gdi.h"
#include "framework/window.h"

#include <windowsx.h>

#include <string>
#include <utility>

// Where the controls of the family differ.
struct TQZControlStyle {
    enum class TRightButton {
        System,                  // the system control's own handling
        ActsAsLeft,              // a left press and release first, then the menu
        ActsAsLeftWithoutMenu,   // a left click when there is no menu, else only the menu
    };
    int LightKind = TMouseLumen::NoLight;
    LPCWSTR SystemCursor = IDC_ARROW;   // shown when the control has no cursor of its own
    TRightButton RightButton = TRightButton::ActsAsLeft;
};

// The parent learns which control the pointer is over as if one of its menu items were
// highlighted: WM_MENUSELECT with the control's id (0xFFFF0000, a closed menu, for an id
// that is not positive), then WM_ENTERIDLE, both through the parent object's own routing.
void AnnounceHover(TWindow& control);

// The named cursor of the module, or the system cursor when no name is given.
void SetControlCursor(HINSTANCE module, const std::string& name, LPCWSTR systemCursor);

template <class TBase>
class TQZControl : public TBase {
public:
    const TMouseLumen& GetLumen() const { return Lumen; }

protected:
    // module null: the application's. cursorName null or empty: the style's system cursor.
    // menuName null: no menu. The rest goes to the framework control.
    template <class... TBaseArgs>
    TQZControl(const TQZControlStyle& style, const char* cursorName, HINSTANCE module, const char* menuName,
               TBaseArgs&&... baseArgs)
        : TBase(std::forward<TBaseArgs>(baseArgs)...),
          Style(style),
          Module(module ? module : ::GetModuleHandleW(nullptr)),
          CursorName(cursorName ? cursorName : ""),
          RightButton(Module, menuName),
          Lumen(style.LightKind, this)
    {
    }

    virtual void EvMouseMove(UINT keys, POINT)
    {
        AnnounceHover(*this);
        this->DefaultProcessing();
        Lumen.MouseMove(keys);
    }
    void EvTimer(UINT_PTR id)
    {
        Lumen.TimerTick();
        // Timers of the system class itself (a list's drag scrolling) still reach it.
        if (!Lumen.IsLight() || id != TMouseLumen::LightTimerId)
            this->DefaultProcessing();
    }
    virtual bool EvSetCursor(HWND, UINT, UINT)
    {
        SetControlCursor(Module, CursorName, Style.SystemCursor);
        return true;
    }
    virtual void EvRButtonDown(UINT keys, POINT point)
    {
        if (Style.RightButton == TQZControlStyle::TRightButton::System)
            this->DefaultProcessing();
        else
            RightButton.Press(*this, keys, point, RightActsAsLeft());
    }
    virtual void EvRButtonUp(UINT keys, POINT point)
    {
        if (Style.RightButton == TQZControlStyle::TRightButton::System)
            this->DefaultProcessing();
        else
            RightButton.Release(*this, keys, point, RightActsAsLeft(), ::GetParent(this->GetHandle()));
    }
    // The system's painting, then the light again over what it painted: a themed control
    // paints itself anew on hover and would wipe it.
    LRESULT EvPaint(TMessage& message)
    {
        if (!Lumen.IsLight() || message.WParam)
            return this->DefaultProcessing(message);
        TRegion painted(::CreateRectRgn(0, 0, 0, 0));
        const bool some = ::GetUpdateRgn(this->GetHandle(), painted, FALSE) > NULLREGION;
        const LRESULT result = this->DefaultProcessing(message);
        if (some)
            Lumen.PaintOver(painted);
        return result;
    }
    // Shift+F10 or the context-menu key (the point is -1, -1): the menu opens where the keyboard
    // works; a click's WM_CONTEXTMENU is the right button's business, handled above.
    LRESULT EvContextMenu(TMessage& message)
    {
        const bool fromKeys = static_cast<LONG>(message.LParam) == -1 ||
                              (GET_X_LPARAM(message.LParam) == -1 && GET_Y_LPARAM(message.LParam) == -1);
        if (!fromKeys || !RightButton.HasMenu())
            return this->DefaultProcessing(message);
        RightButton.ShowAt(*this, KeyboardMenuPoint(), ::GetParent(this->GetHandle()));
        return 0;
    }
    // Where the menu opens for the keyboard, in client coordinates: below the control's top-left.
    virtual POINT KeyboardMenuPoint()
    {
        const RECT client = this->GetClientRect();
        return {client.left, client.bottom};
    }
    void EvCaptureChanged(HWND newCapture)
    {
        RightButton.CaptureChanged(*this, newCapture);
        this->DefaultProcessing();
    }

    bool RightActsAsLeft() const
    {
        return Style.RightButton == TQZControlStyle::TRightButton::ActsAsLeft || !RightButton.HasMenu();
    }

    const TQZControlStyle Style;
    const HINSTANCE Module;
    const std::string CursorName;
    TRightButtonMenu RightButton;
    TMouseLumen Lumen;

    DECLARE_MESSAGE_TABLE()
};

template <class TBase>
BEGIN_MESSAGE_TABLE(TQZControl<TBase>, TBase)
    ON_WM_MOUSEMOVE(EvMouseMove)
    ON_WM_TIMER(EvTimer)
    ON_WM_SETCURSOR(EvSetCursor)
    ON_WM_RBUTTONDOWN(EvRButtonDown)
    ON_WM_RBUTTONUP(EvRButtonUp)
    ON_WM_CAPTURECHANGED(EvCaptureChanged)
    ON_MESSAGE(WM_PAINT, EvPaint)
    ON_MESSAGE(WM_CONTEXTMENU, EvContextMenu)
END_MESSAGE_TABLE()
