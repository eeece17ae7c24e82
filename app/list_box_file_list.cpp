#include "app/list_box_file_list.h"

#include <algorithm>

namespace {

// Changes of at most this many entries insert or delete in place: moving the tail a few times
// costs less than reading it.
constexpr int InPlaceLimit = 64;
// Entries added between two calls of BetweenPieces.
constexpr int PieceSize = 2048;

// The room the list box's strings take: UTF-16 units and their ends, counted from UTF-8 bytes
// (never fewer units than bytes would give).
std::size_t WideBytes(std::span<const std::string_view> texts)
{
    std::size_t bytes = 0;
    for (std::string_view text : texts)
        bytes += (text.size() + 1) * sizeof(wchar_t);
    return bytes;
}

} // namespace

std::vector<std::string> TListBoxFileList::ReadAll() const
{
    const int count = Count();
    std::vector<std::string> entries(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        Box.GetString(i, entries[static_cast<std::size_t>(i)]);
    return entries;
}

void TListBoxFileList::ReplaceAll(std::span<const std::string_view> texts)
{
    TListBoxBulkChange change(Box);
    Box.ClearList();
    change.Reserve(static_cast<int>(texts.size()), WideBytes(texts));
    std::string text;
    for (std::string_view entry : texts) {
        text.assign(entry);
        AddPiece(text);
    }
}

void TListBoxFileList::AddPiece(const std::string& text, int at)
{
    const int index = at < 0 ? Box.AddString(text) : Box.InsertString(text, at);
    if (BetweenPieces && index > 0 && index % PieceSize == 0)
        BetweenPieces();
}

void TListBoxFileList::InsertRange(int index, std::span<const std::string_view> texts)
{
    if (texts.empty())
        return;
    Splice(std::clamp(index, 0, Count()), 0, texts);
}

void TListBoxFileList::RemoveRange(int index, int count)
{
    if (!ClampRange(index, count))
        return;
    Splice(index, count, {});
}

void TListBoxFileList::Splice(int index, int count, std::span<const std::string_view> texts)
{
    const int total = Count();
    const int added = static_cast<int>(texts.size());
    const int selected = Selected();
    TListBoxBulkChange change(Box);
    change.Reserve(added, WideBytes(texts));
    std::string text;
    const bool inPlace = index + count == total || (count <= InPlaceLimit && added <= InPlaceLimit);
    if (inPlace) {
        for (int i = index + count - 1; i >= index; --i)
            Box.DeleteString(i);
        for (int i = 0; i < added; ++i) {
            text.assign(texts[static_cast<std::size_t>(i)]);
            AddPiece(text, index + i == Count() ? -1 : index + i);
        }
    } else {
        std::vector<std::string> tail(static_cast<std::size_t>(total - index - count));
        for (std::size_t i = 0; i < tail.size(); ++i)
            Box.GetString(index + count + static_cast<int>(i), tail[i]);
        for (int i = total - 1; i >= index; --i)
            Box.DeleteString(i);
        for (std::string_view entry : texts) {
            text.assign(entry);
            AddPiece(text);
        }
        for (const std::string& entry : tail)
            AddPiece(entry);
    }
    // The selection follows its entry; one among the removed is cleared.
    int selectedAfter = selected;
    if (selected >= index + count)
        selectedAfter = selected - count + added;
    else if (selected >= index)
        selectedAfter = count > 0 ? -1 : selected + added;
    if (Selected() != selectedAfter)
        Select(selectedAfter);
}
