#include "framework/choose_font_dialog.h"

#include "framework/window.h"

#include <commdlg.h>

int TChooseFontDialog::Execute()
{
    CHOOSEFONTA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = Parent ? Parent->GetHandle() : nullptr;
    choice.hDC = Data.DC;
    choice.lpLogFont = &Data.LogFont;
    choice.Flags = Data.Flags;
    choice.rgbColors = Data.Color;
    choice.lpszStyle = const_cast<char*>(Data.Style);
    choice.nFontType = static_cast<WORD>(Data.FontType);
    choice.nSizeMin = Data.SizeMin;
    choice.nSizeMax = Data.SizeMax;
    if (!::ChooseFontA(&choice))
        return IDCANCEL;
    Data.PointSize = choice.iPointSize;
    Data.Color = choice.rgbColors;
    Data.FontType = choice.nFontType;
    return IDOK;
}
