#include "controls/qz_list_box.h"

TQZListBox::TQZListBox(TWindow* parent, int resourceId, const char* cursorName, HINSTANCE module,
                       const char* menuName)
    : TQZControl({TMouseLumen::FrameBesideScrollBar}, cursorName, module, menuName, parent, resourceId)
{
}

void TQZListBox::MoveItem(TMoveDirection direction, int index)
{
    if (index < 0) {
        index = GetSelIndex();
        if (index < 0) {
            SetSelIndex(0);
            return;
        }
    }
    const int count = GetCount();
    const bool up = direction == TMoveDirection::Up;
    if (index >= count || (up && index == 0) || (!up && index == count - 1))
        return;

    std::string text;
    GetString(index, text);
    const LPARAM data = GetItemData(index);
    // An owner-drawn list would hand the data to WM_DELETEITEM; the item keeps it instead.
    if (data != 0)
        SetItemData(index, 0);
    DeleteString(index);

    const int target = up ? index - 1 : index + 1;
    const LONG_PTR style = ::GetWindowLongPtrW(Handle, GWL_STYLE);
    // A list box that is not owner-drawn keeps strings whether or not the style says so.
    const bool hasStrings =
        (style & LBS_HASSTRINGS) || !(style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE));
    int inserted;
    if (hasStrings || data == 0)
        inserted = InsertString(text, target);
    else
        inserted = static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(target), data));
    if (inserted < 0)
        return;
    if (data != 0)
        SetItemData(inserted, data);
    SetSelIndex(inserted);
}
