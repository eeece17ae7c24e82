#pragma once
// The input dialog of Main head and Main queue: one multi-line field over the caller's text.
#include "controls/qz_edit_cursor.h"
#include "controls/white_center_dlg.h"

#include <string>

class MLInputDlg : public TWhiteCenterDlg {
public:
    // text: the caller's text (none: the field starts empty and nothing is kept); size: the
    // room it stands for, the terminating zero included, so OK keeps at most size - 1 characters.
    // caption: what the dialog's title says it edits (none: the resource's).
    MLInputDlg(TWindow* parent, const char* resourceName, HFONT font, std::string* text, std::size_t size,
               std::string caption = {});

protected:
    void SetupWindow() override;
    void CmOk();

private:
    std::string* Text;
    std::size_t Size;
    std::string Caption;
    TQZEditCursor Field;

    DECLARE_MESSAGE_TABLE()
};
