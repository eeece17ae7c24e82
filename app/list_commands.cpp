// The commands that change the file list or keep it in a list file.
#include "app/base_dlg.h"

#include "app/list_box_file_list.h"
#include "app/program_names.h"
#include "app/progress_window.h"
#include "app/recycle_bin.h"
#include "app/settings_location.h"
#include "app/write_failure.h"
#include "framework/file_dialog.h"
#include "framework/wait_cursor.h"
#include "gen/list_editor.h"
#include "gen/list_file.h"
#include "text/wide_text.h"

#include <atomic>

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

// A list being read on another thread: how many names it holds so far, for the progress window.
class TCountingFileList : public TVectorFileList {
public:
    void Insert(int index, const std::string& text) override
    {
        TVectorFileList::Insert(index, text);
        ++Count;
    }
    std::size_t Read() const { return Count; }

private:
    std::atomic<std::size_t> Count{0};
};

} // namespace

std::string DuplicatesRemovedText(int removed)
{
    if (removed == 0)
        return "The list names no file twice: nothing was removed.";
    return std::to_string(removed) + (removed == 1 ? " duplicate entry was" : " duplicate entries were") +
           " removed; the first entry of each name stays.";
}

void BaseDlg::CmMoveUp()
{
    CheckNotEmpty();
    Editor->MoveSelected(true);
    UpdateCounter();
}

void BaseDlg::CmMoveDown()
{
    CheckNotEmpty();
    Editor->MoveSelected(false);
    UpdateCounter();
}

void BaseDlg::CmDelete()
{
    CheckNotEmpty();
    Editor->DeleteSelected();
    UpdateCounter();
}

void BaseDlg::CmClearList()
{
    Editor->Clear();
    UpdateCounter();
}

void BaseDlg::SortList(TListOrder order)
{
    if (!CheckNotEmpty())
        return;
    TWaitCursor wait;
    Editor->Sort(order);
    UpdateCounter();
}

void BaseDlg::CmSortByName()
{
    SortList(TListOrder::Name);
}

void BaseDlg::CmSortByPath()
{
    SortList(TListOrder::Path);
}

void BaseDlg::CmSortByExtension()
{
    SortList(TListOrder::Extension);
}

void BaseDlg::CmSortBySize()
{
    SortList(TListOrder::Size);
}

void BaseDlg::CmSortByModified()
{
    SortList(TListOrder::Modified);
}

void BaseDlg::CmReverse()
{
    if (!CheckNotEmpty())
        return;
    Editor->Reverse();
    UpdateCounter();
}

void BaseDlg::CmRemoveDuplicates()
{
    if (!CheckNotEmpty())
        return;
    int removed;
    {
        TWaitCursor wait;
        removed = Editor->RemoveDuplicates();
    }
    UpdateCounter();
    Say(DuplicatesRemovedText(removed).c_str(), ProgramTitle, MB_OK | MB_ICONINFORMATION);
}

HWND BaseDlg::FocusedEditField() const
{
    HWND focus = ::GetFocus();
    if (!focus || !::IsChild(::GetAncestor(Handle, GA_ROOT), focus))
        return nullptr;
    wchar_t className[16] = L"";
    ::GetClassNameW(focus, className, static_cast<int>(std::size(className)));
    return ::lstrcmpiW(className, L"Edit") == 0 ? focus : nullptr;
}

void BaseDlg::CmUndo()
{
    // In the Header, the Queue and the other fields Ctrl+Z is the field's own undo.
    if (HWND field = FocusedEditField()) {
        ::SendMessageW(field, WM_UNDO, 0, 0);
        return;
    }
    Editor->Undo();
    UpdateCounter();
}

void BaseDlg::CmRedo()
{
    // A field has no redo of its own: Ctrl+Y there changes nothing of the list.
    if (FocusedEditField())
        return;
    Editor->Redo();
    UpdateCounter();
}

void BaseDlg::CmDiskDelete()
{
    if (!CheckNotEmpty())
        return;
    EnsureSelection(FileList());
    const int index = FileList().Selected();
    const std::string name = FileList().Text(index);
    const DWORD attributes = ::GetFileAttributesW(Wide(name).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        Say(("DISK DELETE deletes only files, and this entry is a folder:\n" + name + "\n\nNothing was deleted.")
                .c_str(),
            ProgramTitle, MB_OK | MB_ICONINFORMATION);
        return;
    }
    const std::string question = "Are you sure you want to move to the Recycle Bin:\n" + name;
    if (Say(question.c_str(), ProgramTitle, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    switch (MoveToRecycleBin(Handle, name)) {
    case TRecycleResult::Gone:
        // The entry named a file that is no more.
        if (index < FileList().Count()) {
            FileList().Select(index);
            Editor->DeleteSelected();
        }
        UpdateCounter();
        break;
    case TRecycleResult::Kept:
        break;
    case TRecycleResult::Failed:
        Say(("The file could not be deleted:\n" + name + "\n\n" + WhyNotDeletable(name)).c_str(), ProgramTitle,
            MB_OK | MB_ICONWARNING);
        break;
    }
}

void BaseDlg::CmSaveList()
{
    SaveList();
}

bool BaseDlg::SaveList()
{
    if (!CheckNotEmpty())
        return false;
    TOpenSaveDialog::TData data = ListFileDialog("Save List", OFN_OVERWRITEPROMPT);
    if (!TOpenSaveDialog(this, TOpenSaveDialog::TKind::Save, data).Execute())
        return false;
    const TWriteResult written = WriteListFile(data.FileName, FileList());
    if (written.IsInUse()) {
        Say(OpenInAnotherProgramText(data.FileName).c_str(), ProgramTitle, MB_OK | MB_ICONWARNING);
        return false;
    }
    if (!written) {
        Say(data.FileName.c_str(), "Invalid output file name", MB_OK);
        return false;
    }
    KeptEntries = FileList().ReadAll();
    return true;
}

bool BaseDlg::AskToSaveList()
{
    if (!SettingsRecord->AskSaveList || !HasEntries(FileList()) || FileList().ReadAll() == KeptEntries)
        return true;
    const std::string question = "The list of " + std::to_string(FileList().Count()) +
                                 (FileList().Count() == 1 ? " file" : " files") +
                                 " has changed since it was last saved.\nSave the list before closing?";
    switch (Say(question.c_str(), ProgramTitle, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: return SaveList();   // a save cancelled or failed keeps the window open
    case IDNO: return true;
    default: return false;
    }
}

void BaseDlg::CmOpenList()
{
    TOpenSaveDialog::TData data = ListFileDialog("Open List", 0);
    if (TOpenSaveDialog(this, TOpenSaveDialog::TKind::Open, data).Execute())
        AppendListFile(data.FileName);
}

void BaseDlg::AppendListFile(const std::string& fileName)
{
    // Read off the window's thread (a long list shows its progress); the list box is filled here.
    TCountingFileList entries;
    std::atomic<bool> cancel{false};
    bool read = false;
    TBackgroundWork work;
    work.Work = [&] { read = ReadListFile(fileName, entries, LegacyCodePage(), &cancel); };
    work.Status = [&] { return "Reading " + fileName + ": " + std::to_string(entries.Read()) + " names"; };
    RunWithProgress(this, ProgramFont, work, cancel);
    if (cancel)
        return;   // stopped: the list stays as it was
    {
        TWaitCursor wait;
        Editor->Append(entries.Items());
    }
    UpdateCounter();
    if (!read) {
        Say(fileName.c_str(), "Invalid file name", MB_OK);
        return;
    }
    KeptEntries = FileList().ReadAll();
}
