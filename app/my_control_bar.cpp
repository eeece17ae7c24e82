#include "app/my_control_bar.h"

#include "framework/gdi.h"
#include "res/resource.h"

namespace {

HFONT ToolBarFont()
{
    static TFont font(PointFont("MS Sans Serif", 10));
    return font;
}

} // namespace

TMyControlBar::TMyControlBar(TWindow* parent) : TControlBar(parent, ToolBarFont())
{
    SetHintModeEnter(true);
    AddButton(MAKEINTRESOURCEA(IDB_CREATE), IDM_CREATE);
    AddButton(MAKEINTRESOURCEA(IDB_VIEW), IDM_VIEW);
    AddButton(MAKEINTRESOURCEA(IDB_EXECUTE), IDM_EXECUTE);
    AddSeparator(6);
    AddButton("BMP_URL", IDM_HTMLIMAGES);
    AddButton("BMP_URLLINK", IDM_HTMLLINK);
    AddButton(MAKEINTRESOURCEA(IDB_PREVIEW), IDM_PREVIEW);
    AddSeparator(6);
    AddButton(MAKEINTRESOURCEA(IDB_CLEARLIST), IDM_CLEARLIST);
}
