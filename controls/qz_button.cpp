#include "controls/qz_button.h"

namespace {
const TQZControlStyle ButtonStyle{TMouseLumen::NoLight, IDC_ARROW, TQZControlStyle::TRightButton::ActsAsLeftWithoutMenu};
}

BEGIN_MESSAGE_TABLE(TQZButton, TQZControl<TButton>)
    ON_WM_LBUTTONDOWN(EvLButtonDown)
END_MESSAGE_TABLE()

TQZButton::TQZButton(TWindow* parent, int resourceId, HINSTANCE module, const char* cursorName,
                     const char* menuName)
    : TQZButton(ButtonStyle, parent, resourceId, module, cursorName, menuName)
{
}

TQZButton::TQZButton(const TQZControlStyle& style, TWindow* parent, int resourceId, HINSTANCE module,
                     const char* cursorName, const char* menuName)
    : TQZControl(style, cursorName, module, menuName, parent, resourceId)
{
}

void TQZButton::EvLButtonDown(UINT keys, POINT)
{
    // With nothing to drop down, the button clicks like any other.
    if (!MenuOnLeftClick || !RightButton.HasMenu()) {
        DefaultProcessing();
        return;
    }
    RightButton.DropDown(*this, keys, ::GetParent(Handle));
}
