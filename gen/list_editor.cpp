#include "gen/list_editor.h"

#include "gen/file_list.h"
#include "gen/file_name_case.h"
#include "gen/list_history.h"

#include <algorithm>
#include <numeric>

void TListEditor::InsertAfterSelection(const std::vector<std::string>& names)
{
    if (names.empty())
        return;
    const int selected = List.Selected();
    const int at = selected < 0 ? 0 : selected + 1;
    List.InsertRange(at, TextViews(names));
    const int last = at + static_cast<int>(names.size()) - 1;
    List.Select(last);
    History.RecordInserted(at, static_cast<int>(names.size()), {selected, last});
}

void TListEditor::Append(const std::vector<std::string>& names)
{
    if (names.empty())
        return;
    const int selected = List.Selected();
    const int at = List.Count();
    List.InsertRange(at, TextViews(names));
    History.RecordInserted(at, static_cast<int>(names.size()), {selected, List.Selected()});
}

void TListEditor::MoveSelected(bool up)
{
    const int from = List.Selected();
    if (from < 0) {
        if (List.Count() > 0)
            List.Select(0);
        return;
    }
    const int to = up ? from - 1 : from + 1;
    if (to < 0 || to >= List.Count())
        return;
    const std::string text = List.Text(from);
    List.Remove(from);
    List.Insert(to, text);
    List.Select(to);
    History.RecordMoved(from, to, {from, to});
}

void TListEditor::DeleteSelected()
{
    const int index = List.Selected();
    if (index < 0)
        return;
    const std::string text = List.Text(index);
    List.RemoveRange(index, 1);
    const int count = List.Count();
    const int after = index < count ? index : count - 1;
    List.Select(after);
    const int position[] = {index};
    const std::string_view texts[] = {text};
    History.RecordRemoved(position, texts, {index, List.Selected()});
}

void TListEditor::Clear()
{
    const int count = List.Count();
    if (count == 0)
        return;
    const int selected = List.Selected();
    const std::vector<std::string> entries = List.ReadAll();
    List.Clear();
    std::vector<int> positions(static_cast<std::size_t>(count));
    std::iota(positions.begin(), positions.end(), 0);
    History.RecordRemoved(positions, TextViews(entries), {selected, -1});
}

void TListEditor::Reorder(const std::vector<std::string>& entries, const std::vector<int>& order)
{
    const int selected = List.Selected();
    std::vector<std::string_view> ordered;
    ordered.reserve(order.size());
    int selectedAfter = -1;
    for (std::size_t k = 0; k < order.size(); ++k) {
        ordered.push_back(entries[static_cast<std::size_t>(order[k])]);
        if (order[k] == selected)
            selectedAfter = static_cast<int>(k);
    }
    List.ReplaceAll(ordered);
    List.Select(selectedAfter);
    History.RecordReordered(order, {selected, selectedAfter});
}

bool TListEditor::Sort(TListOrder order)
{
    const std::vector<std::string> entries = List.ReadAll();
    const std::vector<int> sorted = SortedOrder(entries, order);
    if (std::is_sorted(sorted.begin(), sorted.end()))
        return false;
    Reorder(entries, sorted);
    return true;
}

bool TListEditor::Reverse()
{
    if (List.Count() < 2)
        return false;
    const std::vector<std::string> entries = List.ReadAll();
    std::vector<int> reversed(entries.size());
    std::iota(reversed.rbegin(), reversed.rend(), 0);
    Reorder(entries, reversed);
    return true;
}

int TListEditor::RemoveDuplicates()
{
    const std::vector<std::string> entries = List.ReadAll();
    const std::vector<int> duplicates = DuplicatePositions(entries);
    if (duplicates.empty())
        return 0;
    const int selected = List.Selected();
    std::vector<std::string_view> kept, removed;
    kept.reserve(entries.size() - duplicates.size());
    removed.reserve(duplicates.size());
    int selectedAfter = -1;
    std::size_t next = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (next < duplicates.size() && duplicates[next] == static_cast<int>(i)) {
            removed.push_back(entries[i]);
            ++next;
            continue;
        }
        if (static_cast<int>(i) == selected)
            selectedAfter = static_cast<int>(kept.size());
        kept.push_back(entries[i]);
    }
    if (selected >= 0 && selectedAfter < 0) {
        // The selected entry was a later copy: the selection goes to the first of its name.
        const std::u16string key = FileNameKey(entries[static_cast<std::size_t>(selected)]);
        for (std::size_t k = 0; k < kept.size() && selectedAfter < 0; ++k)
            if (FileNameKey(kept[k]) == key)
                selectedAfter = static_cast<int>(k);
    }
    List.ReplaceAll(kept);
    List.Select(selectedAfter);
    History.RecordRemoved(duplicates, removed, {selected, selectedAfter});
    return static_cast<int>(duplicates.size());
}

bool TListEditor::Undo()
{
    return History.Undo(List);
}

bool TListEditor::Redo()
{
    return History.Redo(List);
}
