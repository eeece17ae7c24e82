#pragma once
// A pop-up menu of the program's own, holding a copy of a menu resource's items.
#include <windows.h>

class TPopupMenu {
public:
    TPopupMenu();
    ~TPopupMenu();
    TPopupMenu(const TPopupMenu&) = delete;
    TPopupMenu& operator=(const TPopupMenu&) = delete;

    // Copies the items of the named menu resource (of a resource that wraps its items in one
    // pop-up, the items of that pop-up); false, and the menu left empty, when there is none.
    bool LoadResource(HINSTANCE instance, const char* menuName);
    // Adds copies of the menu's items, sub-menus included, after the items already there.
    void AppendCopyOf(HMENU menu);

    HMENU GetHandle() const { return Menu; }
    int GetItemCount() const { return ::GetMenuItemCount(Menu); }
    // Shows the menu at a point of the screen; its commands go to the owner window.
    BOOL TrackPopupMenu(UINT flags, POINT screenPoint, HWND owner, const RECT* exclude = nullptr) const;

private:
    HMENU Menu;
};
