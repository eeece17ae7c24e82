#include "app/templates_menu.h"

#include "res/resource.h"
#include "framework/handles.h"
#include "settings/template_file.h"
#include "framework/message_box.h"
#include "text/ascii_text.h"
#include "text/wide_text.h"

#include <algorithm>

// What one folder holds, read once: its template entries (title, separator, full file name)
// and its subfolders, each list sorted by its entries' whole text as the menu shows them.
struct TTemplateFolder {
    std::string Path;
    std::vector<std::string> Templates;
    std::vector<TTemplateFolder> Subfolders;
    bool HasAnyFolder = false;   // before pruning: a folder that holds only folders stays
};

namespace {

bool IsFolder(const WIN32_FIND_DATAW& found)
{
    // A folder of the user's (archive, read-only or not-indexed bits aside), not a hidden
    // or system one, and not "." or "..".
    const DWORD other = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_REPARSE_POINT;
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !(found.dwFileAttributes & other) &&
           found.cFileName[0] != L'.';
}

bool HasExtension(std::string_view name, std::string_view extension)
{
    return name.size() > extension.size() && EqualsNoCase(name.substr(name.size() - extension.size()), extension);
}

TTemplateFolder ReadFolder(const std::string& path, const std::string& extension)
{
    TTemplateFolder folder{path, {}, {}, false};
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    const TFindHandle search(::FindFirstFileW(Wide(path + "\\*").c_str(), &found));
    if (!search.IsOpen())
        return folder;
    do {
        const std::string name = Narrow(found.cFileName);
        if (IsFolder(found)) {
            names.push_back(name);
        } else if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && HasExtension(name, extension)) {
            std::string title = name;
            if (HasExtension(title, ".lnk"))
                title.resize(title.size() - 4);
            folder.Templates.push_back(title + TTemplatesMenu::Separator + path + "\\" + name);
        }
    } while (::FindNextFileW(search, &found));

    folder.HasAnyFolder = !names.empty();
    // A folder's entry is its name, the separator and a number, sorted as a whole like the
    // templates': "Web pages" comes before "Web", the separator being the highest code.
    for (std::string& name : names)
        name += TTemplatesMenu::Separator + std::string("0");
    std::sort(names.begin(), names.end());
    std::sort(folder.Templates.begin(), folder.Templates.end());
    for (std::string name : names) {
        name.resize(name.find(TTemplatesMenu::Separator));
        TTemplateFolder sub = ReadFolder(path + "\\" + name, extension);
        // A folder with neither a template nor a folder of its own gives no submenu.
        if (!sub.Templates.empty() || sub.HasAnyFolder)
            folder.Subfolders.push_back(std::move(sub));
    }
    return folder;
}

std::string NameOf(const std::string& path)
{
    return path.substr(path.rfind('\\') + 1);
}

} // namespace

bool TTemplatesMenu::AddFolderToMenu(std::string folder, HMENU parentMenu, const std::string& extension, UINT firstId)
{
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    return AddToMenu(ReadFolder(folder, extension), parentMenu ? parentMenu : Popup, firstId);
}

bool TTemplatesMenu::AddToMenu(const TTemplateFolder& folder, HMENU target, UINT firstId)
{
    NextId = firstId;
    for (const std::string& entry : folder.Templates) {
        const std::size_t separator = entry.find(Separator);
        const std::string file = entry.substr(separator + 1);
        // Beyond the template range an item shows but sends nothing that could mean another command.
        const UINT id = NextId <= IDM_TEMPLATE_LAST ? NextId : 0;
        ::AppendMenuW(target, MF_STRING, id, Wide(entry.substr(0, separator)).c_str());
        TemplateItems.push_back(file + Separator + file);
        ++NextId;
    }

    std::vector<HMENU> submenus;
    for (const TTemplateFolder& sub : folder.Subfolders) {
        HMENU submenu = ::CreatePopupMenu();
        if (!submenu) {
            // This folder's part ends here; the folders beside it and above it still come.
            MessageBoxText(nullptr, "Error", "Unable to create Popup menu", MB_OK);
            return false;
        }
        ::AppendMenuW(target, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), Wide(NameOf(sub.Path)).c_str());
        submenus.push_back(submenu);
    }
    bool whole = true;
    for (std::size_t i = 0; i < folder.Subfolders.size(); ++i)
        whole = AddToMenu(folder.Subfolders[i], submenus[i], NextId) && whole;
    return whole;
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

std::string TTemplatesMenu::HelpOf(UINT id) const
{
    const std::string file = FileOf(id);
    if (file.empty())
        return {};
    std::string description = Describe ? Describe(file) : std::string();
    // Save Template gives a new template its own name as description: that says less than the file.
    if (description.empty() || description == TemplateTitle(file))
        return file;
    return description;
}

const std::string& TTemplatesMenu::ItemText(UINT id) const
{
    static const std::string none;
    if (id < FirstId || id - FirstId >= TemplateItems.size())
        return none;
    return TemplateItems[id - FirstId];
}

std::string TTemplatesMenu::FileOf(UINT id) const
{
    const std::string& text = ItemText(id);
    return text.substr(0, text.find(Separator));
}
