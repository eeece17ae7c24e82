// The menu resources as the program loads them: the menu bar, the Templates
// pop-up it inserts into the bar, and the pop-ups it shows with TrackPopupMenu.
#include "res/resource.h"
#include "support/owned_handle.h"
#include "support/resources.h"
#include "text/wide_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TItem {
    std::string Text;           // empty for a separator
    UINT Id;
    std::vector<TItem> Popup;   // items of a pop-up; empty for a command
};

const TItem Separator{"", 0, {}};

TItem Command(const char* text, UINT id)
{
    return {text, id, {}};
}

TItem Popup(const char* text, std::vector<TItem> items)
{
    return {text, 0, std::move(items)};
}

struct TMenuResource {
    const char* Name;
    std::vector<TItem> Items;
};

const std::vector<TMenuResource>& MenuResources()
{
    static const std::vector<TMenuResource> menus = {
        {"MENU_PROVA",
         {Popup("&File",
                {Command("&Create output file\tCtrl+Enter", 112), Command("&View output file", 113), Separator,
                 Command("C&lear List", 1003), Command("&Open list...\tCtrl+O", 24332),
                 Command("&Save list...\tCtrl+S", 24333), Separator, Command("Set o&utput file,,,", 118),
                 Command("Set main &head...", 120), Command("Set main &queue...", 121), Separator,
                 Popup("O&ptions",
                       {Command("&Global options...", 1014), Command("Change &Font...", 1001)}),
                 Separator, Command("E&xit", 24338)}),
          Popup("&Auto", {Command("Html &images", 1015), Command("Html &link", 1016), Separator,
                          Command("&Preview\tF5", 3100)}),
          Popup("&Help", {Command("&Index\tF1", 24341), Command("&Connect to WEB page", 24343),
                          Separator, Command("&About...", 24346)})}},
        {"MENU_PLUGIN",
         {Popup("Templates", {Command("&Templates", 0), Command("&Save Template", 1301),
                              Command("&Open Template", 1302), Separator})}},
        {"MAINLIST_MNU",
         {Popup("List",
                {Command("&Copy selected item", 1004), Command("C&reate and copy selected item", 1006),
                 Separator, Command("Move &up\tAlt+Up", 109), Command("Move &down\tAlt+Down", 110), Separator,
                 Command("De&lete selected item\tDel", 111), Command("DISK DELETE selected &FILE", 1018),
                 Command("Cl&ear: delete all items", 1003), Separator,
                 Command("&Add folder contents...", 3209),
                 Popup("&Sort", {Command("By &name", 3200), Command("By full &path", 3201),
                                 Command("By e&xtension", 3202), Command("By &size", 3203),
                                 Command("By &date modified", 3204), Separator,
                                 Command("&Reverse order", 3205)}),
                 Command("Remove duplicate entr&ies", 3206), Separator, Command("U&ndo\tCtrl+Z", 3207),
                 Command("Red&o\tCtrl+Y", 3208)})}},
        {"CREATE_MNU",
         {Popup("Create",
                {Command("&Create\tCtrl+Enter", 112), Command("Create and c&opy", 1007), Separator,
                 Command("&View output file", 113), Command("&Execute output file", 1012), Separator,
                 Popup("Output &format",
                       {Command("&More variables (sizes, dates, counters)", 3000), Separator,
                        Popup("&Name escape",
                              {Command("&None", 3010), Command("&URL", 3011), Command("&HTML", 3012),
                               Command("&Batch file", 3013), Command("&CSV", 3014),
                               Command("&Quoted for command lines", 3015), Command("&PowerShell", 3016)}),
                        Popup("&Encoding",
                              {Command("UTF-&8", 3020), Command("UTF-8 with &byte-order mark", 3021),
                               Command("&ANSI", 3022), Command("UTF-1&6 LE", 3023)}),
                        Popup("&Line ends", {Command("&CR LF (Windows)", 3030), Command("&LF (Unix)", 3031)})})})}},
        {"AUTODRAG_MNU",
         {Popup("Auto Drag", {Command("&Help", 123), Separator, Command("&Copy", 1009),
                              Command("C&reate and copy", 1011), Separator,
                              Command("Set Relative &Path", 1010), Command("Set &Output File", 1008), Separator,
                              Command("&Add folder contents...", 3210)})}},
        {"PREVIEW_MNU", {Popup("Preview", {Command("Copy &all", 3103)})}},
    };
    return menus;
}

using TMenu = TOwned<HMENU, &DestroyMenu>;

struct TLoadedItem {
    std::string Text;
    UINT Id;
    UINT Type;
    UINT State;
    HMENU Popup;
};

TLoadedItem ReadItem(HMENU menu, int position)
{
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = static_cast<UINT>(std::size(text));
    GetMenuItemInfoW(menu, position, TRUE, &info);
    return {Narrow(text), info.wID, info.fType, info.fState, info.hSubMenu};
}

void ExpectItems(HMENU menu, const std::vector<TItem>& expected, const std::string& path)
{
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(expected.size())) << path;
    for (size_t i = 0; i < expected.size(); ++i) {
        const TItem& want = expected[i];
        const TLoadedItem item = ReadItem(menu, static_cast<int>(i));
        const std::string where = path + " item " + std::to_string(i) + " \"" + want.Text + "\"";
        if (want.Text.empty()) {
            EXPECT_TRUE(item.Type & MFT_SEPARATOR) << where;
            continue;
        }
        EXPECT_FALSE(item.Type & MFT_SEPARATOR) << where;
        // No command is ever disabled, greyed or checked.
        EXPECT_EQ(item.State & (MFS_DISABLED | MFS_CHECKED), 0u) << where;
        EXPECT_EQ(item.Text, want.Text) << where;
        if (want.Popup.empty()) {
            EXPECT_EQ(item.Popup, nullptr) << where;
            EXPECT_EQ(item.Id, want.Id) << where;
        } else {
            ASSERT_NE(item.Popup, nullptr) << where;
            ExpectItems(item.Popup, want.Popup, path + " > " + want.Text);
        }
    }
}

void ForEachCommand(HMENU menu, const std::string& path,
                    void (*visit)(UINT id, const std::string& text, const std::string& path))
{
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        const TLoadedItem item = ReadItem(menu, i);
        if (item.Popup)
            ForEachCommand(item.Popup, path + " > " + item.Text, visit);
        else if (!(item.Type & MFT_SEPARATOR))
            visit(item.Id, item.Text, path);
    }
}

TEST(MenuResource, EveryMenuHasItsItemsInOrder)
{
    for (const TMenuResource& resource : MenuResources()) {
        SCOPED_TRACE(resource.Name);
        TMenu menu(LoadMenuW(Module(), Wide(resource.Name).c_str()));
        ASSERT_NE(menu.get(), nullptr);
        ExpectItems(menu.get(), resource.Items, resource.Name);
    }
}

// The program shows these with TrackPopupMenu on GetSubMenu(menu, 0), and builds
// the Templates pop-up from MENU_PLUGIN's first pop-up.
TEST(MenuResource, PopupMenusAreOnePopupEach)
{
    for (const char* name : {"MENU_PLUGIN", "MAINLIST_MNU", "CREATE_MNU", "AUTODRAG_MNU"}) {
        SCOPED_TRACE(name);
        TMenu menu(LoadMenuW(Module(), Wide(name).c_str()));
        ASSERT_NE(menu.get(), nullptr);
        EXPECT_EQ(GetMenuItemCount(menu.get()), 1);
        HMENU popup = GetSubMenu(menu.get(), 0);
        ASSERT_NE(popup, nullptr);
        EXPECT_GT(GetMenuItemCount(popup), 1);
    }
}

TEST(MenuResource, TemplatesTitleComesOffAndLeavesTheFixedItems)
{
    TMenu menu(LoadMenuW(Module(), Wide("MENU_PLUGIN").c_str()));
    HMENU templates = GetSubMenu(menu.get(), 0);
    ASSERT_NE(templates, nullptr);

    wchar_t title[31] = {};
    GetMenuStringW(templates, 0, title, static_cast<int>(std::size(title)), MF_BYPOSITION);
    EXPECT_STREQ(title, L"&Templates");
    ASSERT_TRUE(DeleteMenu(templates, 0, MF_BYPOSITION));

    ASSERT_EQ(GetMenuItemCount(templates), 3);
    EXPECT_EQ(GetMenuItemID(templates, 0), static_cast<UINT>(IDM_SAVETEMPLATE));
    EXPECT_EQ(GetMenuItemID(templates, 1), static_cast<UINT>(IDM_OPENTEMPLATE));
    EXPECT_TRUE(ReadItem(templates, 2).Type & MFT_SEPARATOR);
}

// The status bar shows the string of the highlighted item's id.
TEST(MenuResource, EveryCommandHasAHint)
{
    for (const TMenuResource& resource : MenuResources()) {
        TMenu menu(LoadMenuW(Module(), Wide(resource.Name).c_str()));
        ForEachCommand(menu.get(), resource.Name,
                       [](UINT id, const std::string& text, const std::string& path) {
                           if (id == IDM_TEMPLATES_TITLE)
                               return;
                           EXPECT_FALSE(StringResource(id).empty())
                               << path << " > " << text << " (" << id << ") has no hint";
                       });
    }
}

} // namespace
