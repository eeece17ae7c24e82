#pragma once
// The main dialog's list box seen as the file list: the list box is the model itself.
#include "framework/control.h"
#include "gen/file_list.h"

#include <functional>

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

    // Bulk changes with the redraw off, the room made first and one repaint at the end.
    std::vector<std::string> ReadAll() const override;
    void ReplaceAll(std::span<const std::string_view> texts) override;
    void InsertRange(int index, std::span<const std::string_view> texts) override;
    void RemoveRange(int index, int count) override;

    // Called between pieces of a large change (the list box's redraw still off), so the window
    // can answer its messages meanwhile; none: the change runs through.
    std::function<void()> BetweenPieces;

private:
    void AddPiece(const std::string& text, int at = -1);

    // Puts texts in place of count entries from index on. The list box keeps its items in one
    // array, so every insert or delete before the end moves the whole tail: a large change takes
    // the tail out from the end (cheap), adds its new entries and puts the tail back.
    void Splice(int index, int count, std::span<const std::string_view> texts);

    const TListBox& Box;
};

// Many entries added at once: the list box makes room for them first and repaints once, at
// the end, instead of after every entry.
class TListBoxBulkChange {
public:
    explicit TListBoxBulkChange(const TListBox& box, int items = 0, std::size_t bytes = 0) : Box(box)
    {
        Box.SendMessage(WM_SETREDRAW, FALSE);
        Reserve(items, bytes);
    }
    ~TListBoxBulkChange()
    {
        Box.SendMessage(WM_SETREDRAW, TRUE);
        Box.Invalidate();
    }
    TListBoxBulkChange(const TListBoxBulkChange&) = delete;
    TListBoxBulkChange& operator=(const TListBoxBulkChange&) = delete;

    // Room for this many more items of this many bytes in all.
    void Reserve(int items, std::size_t bytes) const
    {
        if (items > 0)
            Box.SendMessage(LB_INITSTORAGE, static_cast<WPARAM>(items), static_cast<LPARAM>(bytes));
    }

private:
    const TListBox& Box;
};
