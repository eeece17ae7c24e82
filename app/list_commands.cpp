// The commands that change the file list or keep it in a list file.
#include "app/base_dlg.h"

#include "app/list_box_file_list.h"
#include "app/program_names.h"
#include "app/settings_location.h"
#include "app/write_failure.h"
#include "framework/file_dialog.h"
#include "gen/list_file.h"
#include "text/wide_text.h"

namespace {

TOpenSaveDialog::TData ListFileDialog(const char* title, DWORD extraFlags)
{
    TOpenSaveDialog::TData data;
    data.Filter = "List file\0*.lst\0";
    data.Title = title;
    data.DefExt = "lst";
    data.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_CREATEPROMPT | extraFlags;
    return data;
}

} // namespace

void BaseDlg::CmMoveUp()
{
    CheckNotEmpty();
    List.MoveItem(TMoveDirection::Up, -1);
    UpdateCounter();
}

void BaseDlg::CmMoveDown()
{
    CheckNotEmpty();
    List.MoveItem(TMoveDirection::Down, -1);
    UpdateCounter();
}

void BaseDlg::CmDelete()
{
    CheckNotEmpty();
    DeleteSelected(FileList());
    UpdateCounter();
}

void BaseDlg::CmClearList()
{
    FileList().Clear();
    UpdateCounter();
}

void BaseDlg::CmDiskDelete()
{
    if (!CheckNotEmpty())
        return;
    EnsureSelection(FileList());
    const std::string name = FileList().Text(FileList().Selected());
    const std::string question = "Are you sure you want to delete:\n" + name;
    // The entry stays either way; a deletion the system refuses is not reported.
    if (Say(question.c_str(), ProgramTitle, MB_YESNO | MB_ICONSTOP | MB_DEFBUTTON2) == IDYES)
        ::DeleteFileW(Wide(name).c_str());
}

void BaseDlg::CmSaveList()
{
    if (!CheckNotEmpty())
        return;
    TOpenSaveDialog::TData data = ListFileDialog("Save List", OFN_OVERWRITEPROMPT);
    if (!TOpenSaveDialog(this, TOpenSaveDialog::TKind::Save, data).Execute())
        return;
    const TWriteResult written = WriteListFile(data.FileName, FileList());
    if (written.IsInUse())
        Say(OpenInAnotherProgramText(data.FileName).c_str(), ProgramTitle, MB_OK | MB_ICONWARNING);
    else if (!written)
        Say(data.FileName.c_str(), "Invalid output file name", MB_OK);
}

void BaseDlg::CmOpenList()
{
    TOpenSaveDialog::TData data = ListFileDialog("Open List", 0);
    if (TOpenSaveDialog(this, TOpenSaveDialog::TKind::Open, data).Execute())
        AppendListFile(data.FileName);
}

void BaseDlg::AppendListFile(const std::string& fileName)
{
    bool read;
    {
        TListBoxBulkChange change(List);
        read = ReadListFile(fileName, FileList(), LegacyCodePage());
    }
    UpdateCounter();
    if (!read)
        Say(fileName.c_str(), "Invalid file name", MB_OK);
}
