#include "framework/popup_menu.h"

#include "framework/gdi.h"
#include "framework/resource_name.h"

#include <string>

namespace {

// A copy of every item of source, sub-menus copied in depth, appended to target.
void CopyItems(HMENU source, HMENU target)
{
    int count = ::GetMenuItemCount(source);
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = L"";
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = static_cast<UINT>(std::size(text));
        if (!::GetMenuItemInfoW(source, static_cast<UINT>(i), TRUE, &item))
            continue;
        if (item.hSubMenu) {
            HMENU copy = ::CreatePopupMenu();
            CopyItems(item.hSubMenu, copy);
            item.hSubMenu = copy;
        }
        item.dwTypeData = text;
        ::InsertMenuItemW(target, static_cast<UINT>(::GetMenuItemCount(target)), TRUE, &item);
    }
}

} // namespace

TPopupMenu::TPopupMenu() : Menu(::CreatePopupMenu())
{
}

TPopupMenu::~TPopupMenu()
{
    if (Menu)
        ::DestroyMenu(Menu);
}

bool TPopupMenu::LoadResource(HINSTANCE instance, const char* menuName)
{
    TMenuHandle resource(::LoadMenuW(instance, TResourceName(menuName)));
    if (!resource)
        return false;
    HMENU items = resource;
    // A resource of one pop-up only is a wrapper around the items that matter.
    if (::GetMenuItemCount(resource) == 1 && ::GetSubMenu(resource, 0))
        items = ::GetSubMenu(resource, 0);
    AppendCopyOf(items);
    return GetItemCount() > 0;
}

void TPopupMenu::AppendCopyOf(HMENU menu)
{
    CopyItems(menu, Menu);
}

BOOL TPopupMenu::TrackPopupMenu(UINT flags, POINT screenPoint, HWND owner, const RECT* exclude) const
{
    TPMPARAMS params{sizeof params, exclude ? *exclude : RECT{}};
    return ::TrackPopupMenuEx(Menu, flags, screenPoint.x, screenPoint.y, owner, exclude ? &params : nullptr);
}
