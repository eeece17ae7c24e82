#include "app/about_dlg.h"

#include "app/program_names.h"
#include "res/resource.h"

void TAboutDlg::SetupWindow()
{
    TDialog::SetupWindow();
    ::SetDlgItemTextA(Handle, IDC_ABOUT_WEB, (std::string("Web: ") + HomePageAddress).c_str());
}
