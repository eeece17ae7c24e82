#pragma once
// The Add folder contents dialog: which names of a folder go into the list (patterns, subfolders,
// files or folders, hidden and system files), starting from the user's last choice.
#include "controls/qz_check_box.h"
#include "controls/qz_edit_cursor.h"
#include "controls/white_center_dlg.h"
#include "gen/folder_scan.h"

class TAddFolderDlg : public TWhiteCenterDlg {
public:
    // scan: the folder and the choice shown first; OK leaves the user's choice in it.
    TAddFolderDlg(TWindow* parent, HFONT font, TFolderScan& scan);

protected:
    void SetupWindow() override;
    void CmOk();
    void CmBrowse();

private:
    TFolderScan& Scan;
    TQZEditCursor Folder;
    TQZEditCursor Patterns;
    TQZCheckBox Subfolders;
    TQZRadioButton Files;
    TQZRadioButton Folders;
    TQZRadioButton Both;
    TQZCheckBox Hidden;

    DECLARE_MESSAGE_TABLE()
};
