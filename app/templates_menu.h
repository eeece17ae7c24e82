#pragma once
// The Templates menu: every template file of a folder and its subfolders, the folder tree
// mirrored by submenus, templates before submenus in every menu, each level in the order of
// its entries' character codes (a template's title, a folder's name, each followed by the
// separator), numbered depth-first from the first template id.
#include "res/resource.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct TTemplateFolder;

// A command id of the Templates menu's range (an item of the menu or one beyond its end).
constexpr bool IsTemplateItem(UINT id)
{
    return id >= IDM_TEMPLATE_FIRST && id <= IDM_TEMPLATE_LAST;
}

class TTemplatesMenu {
public:
    // The menu's text of one template: its full file name, the separator, its help text.
    static constexpr char Separator = '\xFF';

    // A template's own description (its h_menuhelp), empty when it has none.
    using TDescriptionReader = std::function<std::string(const std::string& file)>;

    // popup: the menu filled; firstId: the id of the first item, whose text is kept at index 0.
    // describe: where an item's help comes from; without it, or where it gives nothing, the
    // help is the template's file.
    TTemplatesMenu(HMENU popup, UINT firstId, TDescriptionReader describe = {})
        : Popup(popup), FirstId(firstId), NextId(firstId), Describe(std::move(describe))
    {
    }

    // Appends the templates (files ending in extension) of folder and its subfolders to
    // parentMenu (null: the popup). Items get ids from firstId on (the next free one) while
    // the template range lasts; items beyond it show but do nothing. False when a submenu
    // could not be made.
    bool AddFolderToMenu(std::string folder, HMENU parentMenu, const std::string& extension, UINT firstId);
    // Deletes the submenus left without items, deepest first.
    void RemoveEmptySubmenus() { RemoveEmptySubmenus(Popup); }

    // The text kept for an item id: full file name, Separator, the file again; empty for none.
    const std::string& ItemText(UINT id) const;
    // The template file of an item id; empty for an id no template has.
    std::string FileOf(UINT id) const;
    // The help an item shows: its template's description, else its file. Read when asked, so
    // the menu of a thousand templates is made as fast as before.
    std::string HelpOf(UINT id) const;
    std::size_t ItemCount() const { return TemplateItems.size(); }
    HMENU Menu() const { return Popup; }

private:
    bool AddToMenu(const TTemplateFolder& folder, HMENU target, UINT firstId);
    static void RemoveEmptySubmenus(HMENU menu);

    HMENU Popup;
    std::vector<std::string> TemplateItems;   // the text of id FirstId + i at index i
    UINT FirstId;
    UINT NextId;
    TDescriptionReader Describe;
};
