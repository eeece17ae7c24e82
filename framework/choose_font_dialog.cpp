#include "framework/choose_font_dialog.h"

#include "framework/window.h"
#include "text/wide_text.h"

#include <commdlg.h>

int TChooseFontDialog::Execute()
{
    const std::wstring style = Wide(Data.Style ? Data.Style : "");
    CHOOSEFONTW choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = Parent ? Parent->GetHandle() : nullptr;
    choice.hDC = Data.DC;
    choice.lpLogFont = &Data.LogFont;
    choice.Flags = Data.Flags;
    choice.rgbColors = Data.Color;
    choice.lpszStyle = Data.Style ? const_cast<wchar_t*>(style.c_str()) : nullptr;
    choice.nFontType = static_cast<WORD>(Data.FontType);
    choice.nSizeMin = Data.SizeMin;
    choice.nSizeMax = Data.SizeMax;
    if (!::ChooseFontW(&choice))
        return IDCANCEL;
    Data.PointSize = choice.iPointSize;
    Data.Color = choice.rgbColors;
    Data.FontType = choice.nFontType;
    return IDOK;
}
