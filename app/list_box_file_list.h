#pragma once
// The main dialog's list box seen as the file list: the list box is the model itself.
#include "framework/control.h"
#include "gen/file_list.h"

class TListBoxFileList : public TFileList {
public:
    explicit TListBoxFileList(const TListBox& box) : Box(box) {}

    int Count() const override { return Box.GetCount(); }
    void GetText(int index, std::string& text) const override { Box.GetString(index, text); }
    int Selected() const override
    {
        int index = Box.GetSelIndex();
        return index == LB_ERR ? -1 : index;
    }
    void Select(int index) override { Box.SetSelIndex(index); }
    void Insert(int index, const std::string& text) override
    {
        Box.InsertString(text, index >= Count() ? -1 : index);
    }
    void Remove(int index) override { Box.DeleteString(index); }
    void Clear() override { Box.ClearList(); }

private:
    const TListBox& Box;
};

// Many entries added at once: the list box makes room for them first and repaints once, at
// the end, instead of after every entry.
class TListBoxBulkChange {
public:
    explicit TListBoxBulkChange(const TListBox& box, int items = 0, std::size_t bytes = 0) : Box(box)
    {
        Box.SendMessage(WM_SETREDRAW, FALSE);
        if (items > 0)
            Box.SendMessage(LB_INITSTORAGE, static_cast<WPARAM>(items), static_cast<LPARAM>(bytes));
    }
    ~TListBoxBulkChange()
    {
        Box.SendMessage(WM_SETREDRAW, TRUE);
        Box.Invalidate();
    }
    TListBoxBulkChange(const TListBoxBulkChange&) = delete;
    TListBoxBulkChange& operator=(const TListBoxBulkChange&) = delete;

private:
    const TListBox& Box;
};
