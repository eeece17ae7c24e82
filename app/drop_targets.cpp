// Files dropped on the main dialog: into the list, or onto one of its special targets (the
// Auto Drag button, the output file, the relative path).
#include "app/base_dlg.h"

#include "app/list_box_file_list.h"
#include "app/program_names.h"
#include "app/program_state.h"
#include "framework/drop_info.h"
#include "framework/popup_menu.h"
#include "gen/list_editor.h"
#include "text/path_text.h"
#include "tips/tip_status_bar.h"
#include "text/wide_text.h"

namespace {

constexpr UINT StandardBeep = 0xFFFFFFFF;

bool IsFolder(const std::string& name)
{
    DWORD attributes = ::GetFileAttributesW(Wide(name).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

BaseDlg::TDropKind BaseDlg::DropKindAt(POINT screen, const std::vector<std::string>& names) const
{
    const HWND target = ::WindowFromPoint(screen);
    // The Rel Path field is disabled, so no window is found under it: its rectangle tells.
    const RECT relPathField = RelPathField.GetWindowRect();
    const bool onRelativeTarget = target == RelativePath.GetHandle() || ::PtInRect(&relPathField, screen);
    const bool one = names.size() == 1;
    if (target == AutoDragButton.GetHandle())
        return one ? TDropKind::AutoDragMenu : TDropKind::AutoDragSeveral;
    if (one && onRelativeTarget)
        return TDropKind::RelPath;
    // A folder sets the relative path wherever it lands; a file sets the output file.
    if (one && (target == OutFileButton.GetHandle() || target == OutFileField.GetHandle()))
        return IsFolder(names.front()) ? TDropKind::RelPath : TDropKind::OutFile;
    return TDropKind::List;
}

TDropChoice BaseDlg::DropChoiceAt(POINT screen, const std::vector<std::string>& names)
{
    TDropChoice choice;
    choice.Accepted = true;
    switch (DropKindAt(screen, names)) {
    case TDropKind::AutoDragMenu:
        choice.Message = "Choose what to do with '%1'";
        choice.Insert = FileNameOf(names.front());
        break;
    case TDropKind::AutoDragSeveral:
        choice.Accepted = false;
        choice.Message = "Auto Drag takes one file at a time";
        break;
    case TDropKind::RelPath:
        choice.Message = "Make paths relative to this folder";
        break;
    case TDropKind::OutFile:
        choice.Message = "Set as output file";
        break;
    case TDropKind::List: {
        const std::string files =
            std::to_string(names.size()) + (names.size() == 1 ? " file" : " files");
        const int selected = FileList().Count() > 0 ? FileList().Selected() : -1;
        if (selected >= 0) {
            choice.Message = "Add " + files + " after '%1'";
            choice.Insert = FileNameOf(FileList().Text(selected));
        } else {
            choice.Message = "Add " + files + " to the list";
        }
        break;
    }
    }
    return choice;
}

TDropChoice BaseDlg::DragAt(POINT screen, const std::vector<std::string>& names)
{
    const TDropChoice choice = DropChoiceAt(screen, names);
    // The list shows where the names will go: after the selected entry.
    if (DropKindAt(screen, names) == TDropKind::List)
        List.ShowInsertMark(FileList().Count() > 0 ? FileList().Selected() : -1);
    else
        List.ShowInsertMark(TQZListBox::NoInsertMark);
    // What the drop will do is said in the status bar too, for sources that show no description.
    if (StatusBar) {
        std::string said = choice.Message;
        if (const std::size_t mark = said.find("%1"); mark != std::string::npos)
            said.replace(mark, 2, choice.Insert);
        StatusBar->ShowHint(said.empty() ? nullptr : said.c_str());
    }
    return choice;
}

void BaseDlg::DragEnded()
{
    List.ShowInsertMark(TQZListBox::NoInsertMark);
    if (StatusBar)
        StatusBar->ShowHint(nullptr);
}

void BaseDlg::DropAt(POINT screen, std::vector<std::string> names)
{
    // The questions a drop may ask wait until the source's drag has ended.
    DroppedNames.push_back({DropKindAt(screen, names), screen, std::move(names)});
    PostMessage(WM_PERFORMDROP);
}

LRESULT BaseDlg::EvPerformDrop(TMessage&)
{
    if (DroppedNames.empty())
        return 0;
    TDroppedNames drop = std::move(DroppedNames.front());
    DroppedNames.pop_front();
    PerformDrop(drop.Kind, drop.Names, drop.Screen);
    return 0;
}

LRESULT BaseDlg::EvDropFiles(TMessage& message)
{
    DefaultProcessing(message);
    TDropInfo drop(reinterpret_cast<HDROP>(message.WParam));
    POINT point = drop.Point();
    ::ClientToScreen(Handle, &point);
    const std::vector<std::string> names = drop.Names();
    PerformDrop(DropKindAt(point, names), names, point);
    return 0;
}

void BaseDlg::PerformDrop(TDropKind kind, const std::vector<std::string>& names, POINT point)
{
    switch (kind) {
    case TDropKind::AutoDragMenu: {
        ControlsToSettings();
        ComeForward();
        PendingFile = names.front();
        TPopupMenu menu;
        menu.LoadResource(GetInstance(), "AUTODRAG_MNU");
        menu.TrackPopupMenu(TPM_RIGHTALIGN, point, Handle);
        break;
    }
    case TDropKind::AutoDragSeveral:
        // Several files on the Auto Drag button do nothing: its actions are for one file.
        ControlsToSettings();
        break;
    case TDropKind::RelPath:
    case TDropKind::OutFile: {
        ControlsToSettings();
        ComeForward();
        std::string name = names.front();
        if (kind == TDropKind::RelPath && !IsFolder(name))
            name = FolderOf(name);
        PendingFile = name;
        if (kind == TDropKind::RelPath)
            SetRelPathFromPending();
        else
            SetOutputFromPending();
        SettingsToControls();
        break;
    }
    case TDropKind::List: {
        if (names.empty())
            break;
        // With Shift held, a folder dropped alone brings its contents, as the user chooses them.
        if (names.size() == 1 && (::GetKeyState(VK_SHIFT) & 0x8000) && IsFolder(names.front())) {
            ComeForward();
            AddFolderContents(names.front());
        } else {
            Editor->InsertAfterSelection(names);
            ::MessageBeep(StandardBeep);
        }
        break;
    }
    }
    UpdateCounter();
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
