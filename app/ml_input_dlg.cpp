#include "app/ml_input_dlg.h"

#include "res/resource.h"

BEGIN_MESSAGE_TABLE(MLInputDlg, TWhiteCenterDlg)
    ON_COMMAND(IDOK, CmOk)
END_MESSAGE_TABLE()

MLInputDlg::MLInputDlg(TWindow* parent, const char* resourceName, HFONT font, std::string* text, std::size_t size)
    : TWhiteCenterDlg(parent, resourceName, nullptr, font),
      Text(text),
      Size(size),
      // The field takes what the buffer keeps (its size less the terminating zero), no more.
      Field(this, IDC_MLINPUT_TEXT, static_cast<int>(size > 1 ? size - 1 : 1), nullptr, "CUR_NORMAL")
{
}

void MLInputDlg::SetupWindow()
{
    TWhiteCenterDlg::SetupWindow();
    if (Text)
        Field.SetText(*Text);
}

void MLInputDlg::CmOk()
{
    // The field gives line breaks as CR LF, which is how the texts keep them.
    if (Text)
        *Text = Field.GetText(Size > 0 ? Size - 1 : 0);
    CloseWindow(IDOK);
}
