#pragma once
// The options sheet's classes: the framework's sheet as it is, and pages that show the hand
// cursor over their background and drag the whole sheet from it.
#include "framework/property_sheet.h"

class TQZPropertySheet : public TPropertySheet {
public:
    using TPropertySheet::TPropertySheet;
    ~TQZPropertySheet() override;
};

class TQZPropertyPage : public TPropertyPage {
public:
    using TPropertyPage::TPropertyPage;

    // The page's controls, and the sheet's own buttons, are read by screen readers.
    void SetupWindow() override;

protected:
    bool EvSetCursor(HWND window, UINT hitTest, UINT mouseMessage);
    void EvLButtonDown(UINT keys, POINT point);

    DECLARE_MESSAGE_TABLE()
};
