#include "framework/file_dialog.h"

#include "framework/window.h"

#include <commdlg.h>

#include <vector>

bool TOpenSaveDialog::Execute()
{
    std::vector<char> name(Data.NameRoom > 1 ? Data.NameRoom : 2, '\0');
    Data.FileName.copy(name.data(), name.size() - 1);

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Parent ? Parent->GetHandle() : nullptr;
    dialog.lpstrFilter = Data.Filter;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = Data.InitialDir.empty() ? nullptr : Data.InitialDir.c_str();
    dialog.lpstrTitle = Data.Title;
    dialog.lpstrDefExt = Data.DefExt;
    dialog.Flags = Data.Flags;
    BOOL chosen = Kind == TKind::Save ? ::GetSaveFileNameA(&dialog) : ::GetOpenFileNameA(&dialog);
    if (!chosen)
        return false;
    Data.FileName = name.data();
    return true;
}
