// Files dropped on the main dialog: into the list, or onto one of its special targets (the
// Auto Drag button, the output file, the relative path).
#include "app/base_dlg.h"

#include "app/list_box_file_list.h"
#include "app/program_names.h"
#include "app/program_state.h"
#include "framework/drop_info.h"
#include "framework/popup_menu.h"
#include "gen/list_editor.h"
#include "text/wide_text.h"

namespace {

constexpr UINT StandardBeep = 0xFFFFFFFF;

bool IsFolder(const std::string& name)
{
    DWORD attributes = ::GetFileAttributesW(Wide(name).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

LRESULT BaseDlg::EvDropFiles(TMessage& message)
{
    DefaultProcessing(message);
    TDropInfo drop(reinterpret_cast<HDROP>(message.WParam));
    const int count = drop.Count();
    POINT point = drop.Point();
    ::ClientToScreen(Handle, &point);
    const HWND target = ::WindowFromPoint(point);
    // The Rel Path field is disabled, so no window is found under it: its rectangle tells.
    const RECT relPathField = RelPathField.GetWindowRect();
    const bool onRelPathField = ::PtInRect(&relPathField, point) != FALSE;
    const bool onRelativeTarget = target == RelativePath.GetHandle() || onRelPathField;

    if (target == AutoDragButton.GetHandle()) {
        ControlsToSettings();
        // Several files on the Auto Drag button do nothing: its actions are for one file.
        if (count == 1) {
            ComeForward();
            PendingFile = drop.Name(0);
            TPopupMenu menu;
            menu.LoadResource(GetInstance(), "AUTODRAG_MNU");
            menu.TrackPopupMenu(TPM_RIGHTALIGN, point, Handle);
        }
    } else if (count == 1 &&
               (target == OutFileButton.GetHandle() || target == OutFileField.GetHandle() || onRelativeTarget)) {
        ControlsToSettings();
        ComeForward();
        std::string name = drop.Name(0);
        if (onRelativeTarget && !IsFolder(name))
            name = FolderOf(name);
        PendingFile = name;
        // A folder sets the relative path wherever it lands; a file sets the output file.
        if (IsFolder(name))
            SetRelPathFromPending();
        else
            SetOutputFromPending();
        SettingsToControls();
    } else {
        const std::vector<std::string> names = drop.Names();
        // With Shift held, a folder dropped alone brings its contents, as the user chooses them.
        if (count == 1 && (::GetKeyState(VK_SHIFT) & 0x8000) && IsFolder(names.front())) {
            ComeForward();
            AddFolderContents(names.front());
        } else {
            Editor->InsertAfterSelection(names);
            ::MessageBeep(StandardBeep);
        }
    }
    UpdateCounter();
    return 0;
}

void BaseDlg::SetRelPathFromPending()
{
    std::string path = PendingFile;
    if (IsFolder(path)) {
        if (path.empty() || path.back() != '\\')
            path += '\\';
    } else {
        path = FolderOf(path);
    }
    const std::string question = "Do you want set Relative path to:\n\n" + path + " ?";
    if (Say(question.c_str(), ProgramTitle, MB_YESNO) == IDYES)
        SettingsRecord->RelPath = path;
    SettingsToControls();
    PendingFile.clear();
}

void BaseDlg::SetOutputFromPending()
{
    if (IsFolder(PendingFile)) {
        Say("Can't set a Folder like Output File\nPlease select a file", ProgramTitle, MB_OK);
    } else {
        ::MessageBeep(StandardBeep);
        const std::string question =
            "Do you want set Output file to:\n\n" + PendingFile + "\n\nWarning: the file will be overwritten!";
        // Only the name is taken: the file itself is written by the next Create.
        if (Say(question.c_str(), "Warning", MB_YESNO | MB_DEFBUTTON2 | MB_ICONSTOP) == IDYES)
            SettingsRecord->SetFileOutput(PendingFile);
        SettingsToControls();
    }
    PendingFile.clear();
}

void BaseDlg::ComeForward()
{
    ::SetForegroundWindow(::GetAncestor(Handle, GA_ROOT));
}

void BaseDlg::CmAutoDragCopy()
{
    ControlsToSettings();
    CopyName(PendingFile);
}

void BaseDlg::CmAutoDragCopyLine()
{
    ControlsToSettings();
    CopyLine(PendingFile);
}

void BaseDlg::CmAutoDragAddFolder()
{
    const std::string folder = PendingFile;
    PendingFile.clear();
    if (!IsFolder(folder)) {
        Say(("Add folder contents needs a folder, and this is a file:\n" + folder).c_str(), ProgramTitle,
            MB_OK | MB_ICONINFORMATION);
        return;
    }
    AddFolderContents(folder);
}

void BaseDlg::CmAutoDragHelp()
{
    Say("Drag a single file over Auto Drag button for special settings:\n\n"
        "1) Copy Relative Path and File Name into Clipboard\n"
        "2) Create a single line (head, file, queue), and copy it\n"
        "3) Set Relative Path different from Output File\n"
        "4) Set Output File",
        ProgramTitle, MB_OK);
}
