// The Preview window: opened by its command, told of every change the output is made of.
#include "app/base_dlg.h"

#include "app/clipboard.h"
#include "app/preview_window.h"
#include "gen/encoded_output.h"
#include "gen/output_preview.h"

void BaseDlg::CmPreview()
{
    if (!Preview)
        Preview = std::make_unique<TPreviewWindow>(*this);
    Preview->Open();
}

void BaseDlg::PreviewChanged()
{
    if (Preview)
        Preview->Changed();
}

void BaseDlg::CopyAllOutput()
{
    ControlsToSettings();
    if (!CheckNotEmpty())
        return;
    TLineBuilder builder = MakeLineBuilder();
    CopyTextToClipboard(Handle, OutputClipboardText(builder, OutputFormatOf(*SettingsRecord)));
}
