#pragma once
// The About box: the program's name, version and where to find it.
#include "framework/dialog.h"

class TAboutDlg : public TDialog {
public:
    explicit TAboutDlg(TWindow* parent) : TDialog(parent, "ABOUT_DLG") {}

protected:
    void SetupWindow() override;
};
