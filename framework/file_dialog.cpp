#include "framework/file_dialog.h"

#include "framework/window.h"
#include "text/wide_text.h"

#include <commdlg.h>

#include <cstring>
#include <vector>

namespace {

// A filter's pairs of zero-ended texts, the last followed by a second zero, as wide text.
std::wstring WideFilter(const char* filter)
{
    const char* end = filter;
    while (*end)
        end += std::strlen(end) + 1;
    return Wide(std::string_view(filter, static_cast<std::size_t>(end - filter) + 1));
}

// A text the dialog only reads: null stays null.
const wchar_t* OrNull(const std::wstring& text, const void* given)
{
    return given ? text.c_str() : nullptr;
}

} // namespace

bool TOpenSaveDialog::Execute()
{
    // The name the dialog starts with fits its room, cut between characters.
    std::vector<wchar_t> name(Data.NameRoom > 1 ? Data.NameRoom : 2, L'\0');
    Wide(CutToUtf16Units(Data.FileName, name.size() - 1)).copy(name.data(), name.size() - 1);
    const std::wstring filter = Data.Filter ? WideFilter(Data.Filter) : std::wstring();
    const std::wstring initialDir = Wide(Data.InitialDir);
    const std::wstring title = Wide(Data.Title ? Data.Title : "");
    const std::wstring defExt = Wide(Data.DefExt ? Data.DefExt : "");

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Parent ? Parent->GetHandle() : nullptr;
    dialog.lpstrFilter = OrNull(filter, Data.Filter);
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = Data.InitialDir.empty() ? nullptr : initialDir.c_str();
    dialog.lpstrTitle = OrNull(title, Data.Title);
    dialog.lpstrDefExt = OrNull(defExt, Data.DefExt);
    dialog.Flags = Data.Flags;
    BOOL chosen = Kind == TKind::Save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog);
    if (!chosen)
        return false;
    Data.FileName = Narrow(name.data());
    return true;
}
