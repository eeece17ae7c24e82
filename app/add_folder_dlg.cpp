#include "app/add_folder_dlg.h"

#include "res/resource.h"
#include "text/wide_text.h"

#include <shlobj.h>

namespace {

constexpr const char* NormalCursor = "CUR_NORMAL";
constexpr int PatternsRoom = 259;
constexpr int FolderRoom = 1999;

} // namespace

BEGIN_MESSAGE_TABLE(TAddFolderDlg, TWhiteCenterDlg)
    ON_COMMAND(IDOK, CmOk)
    ON_COMMAND(IDC_ADDFOLDER_BROWSE, CmBrowse)
END_MESSAGE_TABLE()

TAddFolderDlg::TAddFolderDlg(TWindow* parent, HFONT font, TFolderScan& scan)
    : TWhiteCenterDlg(parent, "ADDFOLDER_DLG", nullptr, font),
      Scan(scan),
      Folder(this, IDC_ADDFOLDER_FOLDER, FolderRoom, nullptr, NormalCursor),
      Patterns(this, IDC_ADDFOLDER_PATTERN, PatternsRoom, nullptr, NormalCursor),
      Subfolders(this, IDC_ADDFOLDER_SUBFOLDERS, NormalCursor),
      Files(this, IDC_ADDFOLDER_FILES, NormalCursor),
      Folders(this, IDC_ADDFOLDER_FOLDERS, NormalCursor),
      Both(this, IDC_ADDFOLDER_BOTH, NormalCursor),
      Hidden(this, IDC_ADDFOLDER_HIDDEN, NormalCursor)
{
}

void TAddFolderDlg::SetupWindow()
{
    TWhiteCenterDlg::SetupWindow();
    Folder.SetText(Scan.Folder);
    Patterns.SetText(Scan.Patterns);
    Subfolders.SetCheck(Scan.Subfolders ? BST_CHECKED : BST_UNCHECKED);
    switch (Scan.Items) {
    case TScanItems::Files: Files.Check(); break;
    case TScanItems::Folders: Folders.Check(); break;
    case TScanItems::FilesAndFolders: Both.Check(); break;
    }
    Hidden.SetCheck(Scan.HiddenAndSystem ? BST_CHECKED : BST_UNCHECKED);
}

void TAddFolderDlg::CmBrowse()
{
    BROWSEINFOW browse{};
    browse.hwndOwner = Handle;
    browse.lpszTitle = L"The folder whose contents go into the list";
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE chosen = ::SHBrowseForFolderW(&browse);
    if (!chosen)
        return;
    wchar_t path[MAX_PATH] = L"";
    if (::SHGetPathFromIDListW(chosen, path))
        Folder.SetText(Narrow(path));
    ::CoTaskMemFree(chosen);
}

void TAddFolderDlg::CmOk()
{
    const std::string folder = Folder.GetText(FolderRoom);
    const DWORD attributes = ::GetFileAttributesW(Wide(folder).c_str());
    if (folder.empty() || attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        const std::string text = folder.empty() ? std::string("Please write or choose the folder whose contents go into the list.")
                                                : "This folder cannot be found:\n" + folder;
        ::MessageBoxW(Handle, Wide(text).c_str(), L"Add folder contents", MB_OK | MB_ICONINFORMATION);
        ::SetFocus(Folder.GetHandle());
        return;
    }
    Scan.Folder = folder;
    std::string patterns = Patterns.GetText(PatternsRoom);
    // Nothing typed means every name, as "*" says.
    if (patterns.find_first_not_of(" ;") == std::string::npos)
        patterns = "*";
    Scan.Patterns = patterns;
    Scan.Subfolders = Subfolders.IsChecked();
    Scan.Items = Folders.IsChecked() ? TScanItems::Folders
               : Both.IsChecked()    ? TScanItems::FilesAndFolders
                                     : TScanItems::Files;
    Scan.HiddenAndSystem = Hidden.IsChecked();
    CloseWindow(IDOK);
}
