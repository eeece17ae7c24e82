// Add folder contents: the user's choice in a small dialog, the scan off the window's thread with
// its progress, and the names after the selection as one step to undo.
#include "app/base_dlg.h"

#include "app/add_folder_dlg.h"
#include "app/list_box_file_list.h"
#include "app/program_names.h"
#include "app/progress_window.h"
#include "framework/wait_cursor.h"
#include "gen/file_list.h"
#include "gen/folder_scan.h"
#include "gen/list_editor.h"

#include <atomic>

namespace {

constexpr int ItemsChoices = 3;

TScanItems ItemsOf(int stored)
{
    switch (stored) {
    case 1: return TScanItems::Folders;
    case 2: return TScanItems::FilesAndFolders;
    default: return TScanItems::Files;
    }
}

int StoredItems(TScanItems items)
{
    return static_cast<int>(items) % ItemsChoices;
}

// "12,345": a count as people read it.
std::string Grouped(std::size_t count)
{
    const std::string digits = std::to_string(count);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

} // namespace

std::string FolderScanStatusText(const std::string& folder, std::size_t found)
{
    return "Adding " + folder + ": " + Grouped(found) + (found == 1 ? " name found" : " names found");
}

void BaseDlg::CmAddFolder()
{
    // The folder of the selected entry to start from; the user may type or browse another.
    std::string folder;
    if (const int selected = FileList().Selected(); selected >= 0) {
        folder = FileList().Text(selected);
        const std::size_t slash = folder.find_last_of("\\/");
        folder = slash == std::string::npos ? std::string() : folder.substr(0, slash);
    }
    AddFolderContents(folder);
}

bool BaseDlg::AddFolderContents(const std::string& folder)
{
    TFolderScan scan;
    scan.Folder = folder;
    scan.Patterns = SettingsRecord->AddFolderPatterns.empty() ? "*" : SettingsRecord->AddFolderPatterns;
    scan.Subfolders = SettingsRecord->AddFolderSubfolders;
    scan.Items = ItemsOf(SettingsRecord->AddFolderItems);
    scan.HiddenAndSystem = SettingsRecord->AddFolderHidden;
    if (TAddFolderDlg(this, ProgramFont, scan).Execute() != IDOK)
        return false;
    SettingsRecord->AddFolderPatterns = scan.Patterns;
    SettingsRecord->AddFolderSubfolders = scan.Subfolders;
    SettingsRecord->AddFolderItems = StoredItems(scan.Items);
    SettingsRecord->AddFolderHidden = scan.HiddenAndSystem;
    return AddScannedFolder(scan);
}

bool BaseDlg::AddScannedFolder(const TFolderScan& scan)
{
    std::atomic<bool> cancel{false};
    std::atomic<std::size_t> found{0};
    TScanResult result;
    TBackgroundWork work;
    work.Work = [&] { result = ScanFolder(scan, cancel, [&](std::size_t count) { found = count; }); };
    work.Status = [&] { return FolderScanStatusText(scan.Folder, found); };
    RunWithProgress(this, ProgramFont, work, cancel);

    switch (result.Status) {
    case TScanStatus::Cancelled:
        return false;
    case TScanStatus::NoSuchFolder:
        Say(("The folder cannot be found or is not a folder:\n" + scan.Folder + "\n\nNothing was added.").c_str(),
            ProgramTitle, MB_OK | MB_ICONWARNING);
        return false;
    case TScanStatus::Done:
        break;
    }
    if (result.Names.empty()) {
        Say(("No name in " + scan.Folder + " matches " + scan.Patterns + ".\n\nNothing was added.").c_str(),
            ProgramTitle, MB_OK | MB_ICONINFORMATION);
        return false;
    }
    {
        // A large tree fills the list piece by piece, the window answering in between.
        TWaitCursor wait;
        TWindowBusy busy(Handle);
        ListModel->BetweenPieces = AnswerPendingMessages;
        Editor->InsertAfterSelection(result.Names);
        ListModel->BetweenPieces = nullptr;
    }
    UpdateCounter();
    if (result.UnreadFolders > 0)
        Say((std::to_string(result.UnreadFolders) +
             (result.UnreadFolders == 1 ? " subfolder could not be read and was" : " subfolders could not be read and were") +
             " left out.")
                .c_str(),
            ProgramTitle, MB_OK | MB_ICONINFORMATION);
    return true;
}
