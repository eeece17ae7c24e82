#include "gen/file_list.h"

#include <algorithm>

void InsertAfterSelection(TFileList& list, const std::string& name)
{
    int selected = list.Selected();
    int at = selected < 0 ? 0 : selected + 1;
    list.Insert(at, name);
    list.Select(at);
}

void InsertAfterSelection(TFileList& list, const std::vector<std::string>& names)
{
    if (names.empty())
        return;
    int selected = list.Selected();
    int at = selected < 0 ? 0 : selected + 1;
    for (const std::string& name : names)
        list.Insert(at++, name);
    list.Select(at - 1);
}

void AppendEntry(TFileList& list, const std::string& name)
{
    list.Insert(list.Count(), name);
}

void MoveSelected(TFileList& list, bool up)
{
    int index = list.Selected();
    if (index < 0) {
        if (list.Count() > 0)
            list.Select(0);
        return;
    }
    if ((up && index == 0) || (!up && index == list.Count() - 1))
        return;
    std::string text = list.Text(index);
    list.Remove(index);
    int to = up ? index - 1 : index + 1;
    list.Insert(to, text);
    list.Select(to);
}

void DeleteSelected(TFileList& list)
{
    int index = list.Selected();
    if (index < 0)
        return;
    list.Remove(index);
    int count = list.Count();
    if (index < count)
        list.Select(index);
    else if (index - 1 >= 0)
        list.Select(index - 1);
    EnsureSelection(list);
}

bool HasEntries(const TFileList& list)
{
    return list.Count() > 0;
}

void EnsureSelection(TFileList& list)
{
    if (list.Selected() < 0 && list.Count() > 0)
        list.Select(0);
}

std::string CounterText(const TFileList& list)
{
    int count = list.Count();
    if (count == 0)
        return "0/0";
    return std::to_string(list.Selected() + 1) + "/" + std::to_string(count);
}

// ---- Bulk changes, entry by entry ----

std::vector<std::string> TFileList::ReadAll() const
{
    std::vector<std::string> texts(static_cast<std::size_t>(Count()));
    for (int i = 0; i < Count(); ++i)
        GetText(i, texts[static_cast<std::size_t>(i)]);
    return texts;
}

void TFileList::ReplaceAll(std::span<const std::string_view> texts)
{
    Clear();
    for (std::string_view text : texts)
        Insert(Count(), std::string(text));
}

void TFileList::InsertRange(int index, std::span<const std::string_view> texts)
{
    index = std::clamp(index, 0, Count());
    for (std::string_view text : texts)
        Insert(index++, std::string(text));
}

bool TFileList::ClampRange(int& index, int& count) const
{
    index = std::max(index, 0);
    count = std::min(count, Count() - index);
    return count > 0;
}

void TFileList::RemoveRange(int index, int count)
{
    if (!ClampRange(index, count))
        return;
    // From the end: nothing after the removed entries moves more than once.
    for (int i = index + count - 1; i >= index; --i)
        Remove(i);
}

std::vector<std::string_view> TextViews(const std::vector<std::string>& texts)
{
    return std::vector<std::string_view>(texts.begin(), texts.end());
}

// ---- TVectorFileList ----

void TVectorFileList::GetText(int index, std::string& text) const
{
    if (index >= 0 && index < Count())
        text.assign(Entries[static_cast<std::size_t>(index)]);
    else
        text.clear();
}

void TVectorFileList::Insert(int index, const std::string& text)
{
    if (index < 0 || index > Count())
        index = Count();
    Entries.insert(Entries.begin() + index, text);
    Selection.Inserted(index, 1);
}

void TVectorFileList::Remove(int index)
{
    if (index < 0 || index >= Count())
        return;
    Entries.erase(Entries.begin() + index);
    Selection.Removed(index, 1);
}

void TVectorFileList::Clear()
{
    Entries.clear();
    Selection.Clear();
}

void TVectorFileList::ReplaceAll(std::span<const std::string_view> texts)
{
    Entries.assign(texts.begin(), texts.end());
    Selection.Clear();
}

void TVectorFileList::InsertRange(int index, std::span<const std::string_view> texts)
{
    index = std::clamp(index, 0, Count());
    Entries.insert(Entries.begin() + index, texts.begin(), texts.end());
    Selection.Inserted(index, static_cast<int>(texts.size()));
}

void TVectorFileList::RemoveRange(int index, int count)
{
    if (!ClampRange(index, count))
        return;
    Entries.erase(Entries.begin() + index, Entries.begin() + index + count);
    Selection.Removed(index, count);
}

// ---- TPackedFileList ----

std::string_view TPackedFileList::View(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    std::size_t i = static_cast<std::size_t>(index);
    std::size_t end = i + 1 < Starts.size() ? Starts[i + 1] : Block.size();
    return std::string_view(Block).substr(Starts[i], end - Starts[i]);
}

void TPackedFileList::GetText(int index, std::string& text) const
{
    text.assign(View(index));
}

void TPackedFileList::Insert(int index, const std::string& text)
{
    if (index < 0 || index > Count())
        index = Count();
    std::size_t i = static_cast<std::size_t>(index);
    std::size_t at = i < Starts.size() ? Starts[i] : Block.size();
    Block.insert(at, text);
    Starts.insert(Starts.begin() + index, at);
    for (std::size_t k = i + 1; k < Starts.size(); ++k)
        Starts[k] += text.size();
    Selection.Inserted(index, 1);
}

void TPackedFileList::Remove(int index)
{
    if (index < 0 || index >= Count())
        return;
    std::size_t i = static_cast<std::size_t>(index);
    std::size_t length = View(index).size();
    Block.erase(Starts[i], length);
    Starts.erase(Starts.begin() + index);
    for (std::size_t k = i; k < Starts.size(); ++k)
        Starts[k] -= length;
    Selection.Removed(index, 1);
}

void TPackedFileList::Clear()
{
    Block.clear();
    Starts.clear();
    Selection.Clear();
}

void TPackedFileList::ReplaceAll(std::span<const std::string_view> texts)
{
    Clear();
    InsertRange(0, texts);
}

void TPackedFileList::InsertRange(int index, std::span<const std::string_view> texts)
{
    index = std::clamp(index, 0, Count());
    if (texts.empty())
        return;
    const std::size_t i = static_cast<std::size_t>(index);
    const std::size_t at = i < Starts.size() ? Starts[i] : Block.size();
    std::string added;
    std::vector<std::size_t> starts;
    starts.reserve(texts.size());
    for (std::string_view text : texts) {
        starts.push_back(at + added.size());
        added.append(text);
    }
    Block.insert(at, added);
    for (std::size_t k = i; k < Starts.size(); ++k)
        Starts[k] += added.size();
    Starts.insert(Starts.begin() + index, starts.begin(), starts.end());
    Selection.Inserted(index, static_cast<int>(texts.size()));
}

void TPackedFileList::RemoveRange(int index, int count)
{
    if (!ClampRange(index, count))
        return;
    const std::size_t first = static_cast<std::size_t>(index);
    const std::size_t end = first + static_cast<std::size_t>(count);
    const std::size_t from = Starts[first];
    const std::size_t to = end < Starts.size() ? Starts[end] : Block.size();
    Block.erase(from, to - from);
    Starts.erase(Starts.begin() + index, Starts.begin() + index + count);
    for (std::size_t k = first; k < Starts.size(); ++k)
        Starts[k] -= to - from;
    Selection.Removed(index, count);
}
