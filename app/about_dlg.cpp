#include "app/about_dlg.h"

#include "app/program_names.h"
#include "res/resource.h"
#include "text/wide_text.h"

void TAboutDlg::SetupWindow()
{
    TDialog::SetupWindow();
    ::SetDlgItemTextW(Handle, IDC_ABOUT_WEB, Wide(std::string("Web: ") + HomePageAddress).c_str());
}
