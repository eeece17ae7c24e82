#include "app/ml_input_dlg.h"

#include "res/resource.h"
#include "text/wide_text.h"

#include <utility>

BEGIN_MESSAGE_TABLE(MLInputDlg, TWhiteCenterDlg)
    ON_COMMAND(IDOK, CmOk)
END_MESSAGE_TABLE()

MLInputDlg::MLInputDlg(TWindow* parent, const char* resourceName, HFONT font, std::string* text, std::size_t size,
                       std::string caption)
    : TWhiteCenterDlg(parent, resourceName, nullptr, font),
      Text(text),
      Size(size),
      Caption(std::move(caption)),
      // The field takes what the buffer keeps (its size less the terminating zero), no more.
      Field(this, IDC_MLINPUT_TEXT, static_cast<int>(size > 1 ? size - 1 : 1), nullptr, "CUR_NORMAL")
{
}

void MLInputDlg::SetupWindow()
{
    TWhiteCenterDlg::SetupWindow();
    if (!Caption.empty())
        ::SetWindowTextW(Handle, Wide(Caption).c_str());
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
