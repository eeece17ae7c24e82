#include "framework/file_dialog.h"

#include "framework/window.h"
#include "text/wide_text.h"

#include <commdlg.h>

#include <cstring>
#include <cwchar>
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

// What the dialog's hook needs to ask about a new name.
struct TCreateQuestion {
    std::wstring Title;
};

// A text the dialog gives through one of its CDM_ messages.
std::wstring DialogText(HWND dialog, UINT message)
{
    const auto length = ::SendMessageW(dialog, message, 0, 0);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    ::SendMessageW(dialog, message, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::wcslen(text.c_str()));
    return text;
}

// The full name of what the user typed or picked: the name field as it stands when it holds a
// whole path, else the dialog's folder and that name (Wine's CDM_GETFILEPATH puts the folder
// before a whole path too).
std::wstring ChosenPath(HWND dialog)
{
    const std::wstring name = DialogText(dialog, CDM_GETSPEC);
    const bool whole = (name.size() > 2 && name[1] == L':' && (name[2] == L'\\' || name[2] == L'/')) ||
                       (name.size() > 1 && name[0] == L'\\' && name[1] == L'\\');
    if (name.empty() || whole)
        return name;
    std::wstring folder = DialogText(dialog, CDM_GETFOLDERPATH);
    if (folder.empty())
        return name;
    if (folder.back() != L'\\')
        folder += L'\\';
    return folder + name;
}

// An open dialog that may create its file asks, as Windows does, whether to create a name that
// does not exist yet, instead of refusing it as a missing file (as Wine's dialog does).
UINT_PTR CALLBACK AskToCreate(HWND child, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        const auto* dialog = reinterpret_cast<const OPENFILENAMEW*>(lParam);
        ::SetWindowLongPtrW(child, GWLP_USERDATA, static_cast<LONG_PTR>(dialog->lCustData));
        return 0;
    }
    if (message != WM_NOTIFY || reinterpret_cast<const NMHDR*>(lParam)->code != CDN_FILEOK)
        return 0;
    HWND dialog = ::GetParent(child);
    const std::wstring path = ChosenPath(dialog);
    if (path.empty())
        return 0;
    if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return 0;
    const auto* question = reinterpret_cast<const TCreateQuestion*>(::GetWindowLongPtrW(child, GWLP_USERDATA));
    const std::wstring text = path + L"\nThis file does not exist.\nDo you want to create it?";
    const int answer = ::MessageBoxW(dialog, text.c_str(), question ? question->Title.c_str() : L"",
                                     MB_YESNO | MB_ICONQUESTION);
    // No: the dialog stays open for another name.
    ::SetWindowLongPtrW(child, DWLP_MSGRESULT, answer == IDYES ? 0 : 1);
    return answer == IDYES ? 0 : 1;
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
    TCreateQuestion question{Data.Title ? title : std::wstring(Kind == TKind::Save ? L"Save As" : L"Open")};
    const DWORD mayCreate = OFN_CREATEPROMPT | OFN_FILEMUSTEXIST;
    if (Kind == TKind::Open && (Data.Flags & mayCreate) == mayCreate) {
        // The dialog asks through its hook; the folder must still exist.
        dialog.Flags = (Data.Flags & ~mayCreate) | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
        dialog.lpfnHook = AskToCreate;
        dialog.lCustData = reinterpret_cast<LPARAM>(&question);
    }
    BOOL chosen = Kind == TKind::Save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog);
    if (!chosen)
        return false;
    Data.FileName = Narrow(name.data());
    return true;
}
