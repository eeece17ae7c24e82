#include "app/templates_menu.h"

#include "res/resource.h"
#include "text/ascii_text.h"

#include <algorithm>

namespace {

// What a folder scan finds; each list sorted by its entries' whole text, as the menu shows them.
struct TFolderScan {
    std::vector<std::string> Subfolders;   // folder names
    std::vector<std::string> Templates;    // title, separator, full file name
};

bool IsFolder(const WIN32_FIND_DATAA& found)
{
    // A folder of the user's (archive, read-only or not-indexed bits aside), not a hidden
    // or system one, and not "." or "..".
    const DWORD other = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_REPARSE_POINT;
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !(found.dwFileAttributes & other) &&
           found.cFileName[0] != '.';
}

bool HasExtension(const std::string& name, const std::string& extension)
{
    return name.size() > extension.size() && EqualsNoCase(std::string_view(name).substr(name.size() - extension.size()), extension);
}

template <class TVisit>
void ForEachEntry(const std::string& folder, TVisit visit)
{
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        visit(found);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
}

// Whether a subfolder is worth a submenu: it holds a folder or a template.
bool MayHoldTemplates(const std::string& folder, const std::string& extension)
{
    bool found = false;
    ForEachEntry(folder, [&](const WIN32_FIND_DATAA& entry) {
        if (!found)
            found = IsFolder(entry) ||
                    (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && HasExtension(entry.cFileName, extension));
    });
    return found;
}

TFolderScan ScanFolder(const std::string& folder, const std::string& extension)
{
    TFolderScan scan;
    ForEachEntry(folder, [&](const WIN32_FIND_DATAA& entry) {
        std::string name = entry.cFileName;
        if (IsFolder(entry)) {
            if (MayHoldTemplates(folder + "\\" + name, extension))
                scan.Subfolders.push_back(name);
        } else if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && HasExtension(name, extension)) {
            std::string title = name;
            if (HasExtension(title, ".lnk"))
                title.resize(title.size() - 4);
            scan.Templates.push_back(title + TTemplatesMenu::Separator + folder + "\\" + name);
        }
    });
    std::sort(scan.Subfolders.begin(), scan.Subfolders.end());
    std::sort(scan.Templates.begin(), scan.Templates.end());
    return scan;
}

} // namespace

bool TTemplatesMenu::AddFolderToMenu(std::string folder, HMENU parentMenu, const std::string& extension, UINT firstId)
{
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    HMENU target = parentMenu ? parentMenu : Popup;
    NextId = firstId;
    const TFolderScan scan = ScanFolder(folder, extension);

    for (const std::string& entry : scan.Templates) {
        const std::size_t separator = entry.find(Separator);
        const std::string title = entry.substr(0, separator);
        const std::string file = entry.substr(separator + 1);
        // Beyond the template range an item shows but sends nothing that could mean another command.
        const UINT id = NextId <= IDM_TEMPLATE_LAST ? NextId : 0;
        ::AppendMenuA(target, MF_STRING, id, title.c_str());
        Items.push_back(file + Separator + file);
        ++NextId;
    }

    std::vector<HMENU> submenus;
    for (const std::string& name : scan.Subfolders) {
        HMENU submenu = ::CreatePopupMenu();
        if (!submenu) {
            ::MessageBoxA(nullptr, "Error", "Unable to create Popup menu", MB_OK);
            return false;
        }
        ::AppendMenuA(target, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), name.c_str());
        submenus.push_back(submenu);
    }
    for (std::size_t i = 0; i < scan.Subfolders.size(); ++i)
        if (!AddFolderToMenu(folder + "\\" + scan.Subfolders[i], submenus[i], extension, NextId))
            return false;
    return true;
}

void TTemplatesMenu::RemoveEmptySubmenus(HMENU menu)
{
    for (int i = ::GetMenuItemCount(menu) - 1; i >= 0; --i) {
        HMENU submenu = ::GetSubMenu(menu, i);
        if (!submenu)
            continue;
        RemoveEmptySubmenus(submenu);
        if (::GetMenuItemCount(submenu) == 0)
            ::DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
    }
}

const std::string& TTemplatesMenu::ItemText(UINT id) const
{
    static const std::string none;
    if (id < FirstId || id - FirstId >= Items.size())
        return none;
    return Items[id - FirstId];
}

std::string TTemplatesMenu::FileOf(UINT id) const
{
    const std::string& text = ItemText(id);
    return text.substr(0, text.find(Separator));
}
