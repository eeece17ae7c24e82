#include "app/options_sheet.h"

#include "app/base_dlg.h"
#include "app/program_names.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "tips/tip_status_bar.h"

TSendTo::TSendTo(TPropertySheet* sheet, int32_t* sendToIndex)
    : TQZPropertyPage(sheet, "PROP_SENDTO"),
      SendToIndex(sendToIndex),
      CopyName(this, IDC_SENDTO_NAME),
      CopyLine(this, IDC_SENDTO_LINE)
{
}

void TSendTo::SetupWindow()
{
    TQZPropertyPage::SetupWindow();
    (*SendToIndex == 1 ? CopyLine : CopyName).Check();
}

LRESULT TSendTo::Apply()
{
    if (CopyName.IsChecked())
        *SendToIndex = 0;
    if (CopyLine.IsChecked())
        *SendToIndex = 1;
    return TQZPropertyPage::Apply();
}

TVariousOptions::TVariousOptions(TPropertySheet* sheet, bool* useTip, std::string* imageExt, bool* askSaveList)
    : TQZPropertyPage(sheet, "PROP_VARIOUSOPTIONS"),
      UseTip(useTip),
      ImageExt(imageExt),
      AskSaveList(askSaveList),
      UseTipBox(this, IDC_USETIP),
      ImageExtField(this, IDC_IMAGEEXT, static_cast<int>(ImageExtRoom - 1)),
      AskSaveListBox(this, IDC_ASKSAVELIST)
{
}

void TVariousOptions::SetupWindow()
{
    TQZPropertyPage::SetupWindow();
    UseTipBox.SetCheck(*UseTip ? BST_CHECKED : BST_UNCHECKED);
    // The field takes no more than is kept: typing stops at the limit instead of being cut at OK.
    ImageExtField.LimitText(static_cast<int>(ImageExtRoom - 1));
    ImageExtField.SetText(*ImageExt);
    AskSaveListBox.SetCheck(*AskSaveList ? BST_CHECKED : BST_UNCHECKED);
}

LRESULT TVariousOptions::Apply()
{
    *UseTip = UseTipBox.IsChecked();
    *ImageExt = ImageExtField.GetText(ImageExtRoom - 1);
    *AskSaveList = AskSaveListBox.IsChecked();
    return TQZPropertyPage::Apply();
}

void BaseDlg::CmOptions()
{
    TQZPropertySheet sheet(this, "Options", 0, false, PSH_NOAPPLYNOW);
    TSendTo sendTo(&sheet, &SettingsRecord->SendToIndex);
    TVariousOptions various(&sheet, &SettingsRecord->UseTip, &SettingsRecord->ImageExt, &SettingsRecord->AskSaveList);
    if (!sheet.Execute())
        return;
    // Tips go on or off at once; the image extensions are kept at once.
    if (StatusBar)
        StatusBar->UseTip = SettingsRecord->UseTip ? 1 : 0;
    if (!SaveImageExt(*SettingsRecord, *Profile))
        Say(("The image extensions could not be saved in " + SettingsRecord->IniFileName + ".").c_str(),
            ProgramTitle, MB_OK | MB_ICONWARNING);
}
