#pragma once
// The ordered list of file names a script is made from. The program's list box and
// the plain containers below implement the same small interface, so the list
// operations are written once.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Entries are at most this long; list files are read in pieces of this size.
constexpr std::size_t EntryMax = 1999;

class TFileList {
public:
    virtual ~TFileList() = default;

    virtual int Count() const = 0;
    // The entry's text into text (its capacity reused); empty when there is no such entry.
    virtual void GetText(int index, std::string& text) const = 0;
    virtual int Selected() const = 0;                        // -1 when none
    virtual void Select(int index) = 0;                      // -1 clears the selection
    virtual void Insert(int index, const std::string& text) = 0;  // index == Count() appends
    virtual void Remove(int index) = 0;
    virtual void Clear() = 0;

    std::string Text(int index) const
    {
        std::string text;
        GetText(index, text);
        return text;
    }

    // Bulk changes: many entries in one call, so a list box reads or fills itself in one pass and
    // repaints once. The defaults go entry by entry; a list that can do better overrides them.

    // Every entry in order.
    virtual std::vector<std::string> ReadAll() const;
    // The texts in place of every entry; no entry is selected after it.
    virtual void ReplaceAll(std::span<const std::string_view> texts);
    // The texts in their order from index on (index == Count() appends); the selection follows
    // its entry.
    virtual void InsertRange(int index, std::span<const std::string_view> texts);
    // Removes count entries from index on; a selection among them is cleared, one after them follows.
    virtual void RemoveRange(int index, int count);

protected:
    // Narrows count entries from index on to those the list has; false when none is left.
    bool ClampRange(int& index, int& count) const;
};

// Views of the texts, for the bulk changes above (valid while the texts live).
std::vector<std::string_view> TextViews(const std::vector<std::string>& texts);

// Inserts the name right after the selected entry (at 0 when none) and selects it.
void InsertAfterSelection(TFileList& list, const std::string& name);
// The same for each name in turn: they follow the selection in their order, the last selected.
void InsertAfterSelection(TFileList& list, const std::vector<std::string>& names);
// Adds the name at the end; the selection stays.
void AppendEntry(TFileList& list, const std::string& name);
// Moves the selected entry one place, keeping it selected; without a selection the
// first entry is selected and nothing moves.
void MoveSelected(TFileList& list, bool up);
// Removes the selected entry and selects the one now in its place, else the one before.
void DeleteSelected(TFileList& list);
// The check every command that needs files makes first.
bool HasEntries(const TFileList& list);
// Selects the first entry when the list has entries and none is selected.
void EnsureSelection(TFileList& list);
// "2/5": the selected position counted from 1 and the number of entries; "0/0" when empty.
std::string CounterText(const TFileList& list);

// The selected entry of a list kept in memory, followed through inserts and removals.
class TSelectionMark {
public:
    int Index() const { return Selected; }
    // index, when it is one of count entries; else none.
    void Select(int index, int count) { Selected = index >= 0 && index < count ? index : -1; }
    void Clear() { Selected = -1; }
    // count entries came in at index: a selection from there on moves with its entry.
    void Inserted(int index, int count)
    {
        if (Selected >= index)
            Selected += count;
    }
    // count entries went from index on: a selection among them is cleared, one after them follows.
    void Removed(int index, int count)
    {
        if (Selected >= index)
            Selected = Selected < index + count ? -1 : Selected - count;
    }

private:
    int Selected = -1;
};

// A list kept in this process's memory, which keeps its selection itself.
class TMemoryFileList : public TFileList {
public:
    int Selected() const override { return Selection.Index(); }
    void Select(int index) override { Selection.Select(index, Count()); }

protected:
    TSelectionMark Selection;
};

// A list in a vector of strings: tests and small lists.
class TVectorFileList : public TMemoryFileList {
public:
    TVectorFileList() = default;
    explicit TVectorFileList(std::vector<std::string> entries) : Entries(std::move(entries)) {}

    int Count() const override { return static_cast<int>(Entries.size()); }
    void GetText(int index, std::string& text) const override;
    void Insert(int index, const std::string& text) override;
    void Remove(int index) override;
    void Clear() override;
    std::vector<std::string> ReadAll() const override { return Entries; }
    void ReplaceAll(std::span<const std::string_view> texts) override;
    void InsertRange(int index, std::span<const std::string_view> texts) override;
    void RemoveRange(int index, int count) override;

    const std::vector<std::string>& Items() const { return Entries; }

private:
    std::vector<std::string> Entries;
};

// A list kept as one block of text with the offsets of its entries: a million names
// cost little more than their bytes. Appending is cheap; inserting elsewhere moves the tail.
class TPackedFileList : public TMemoryFileList {
public:
    int Count() const override { return static_cast<int>(Starts.size()); }
    void GetText(int index, std::string& text) const override;
    void Insert(int index, const std::string& text) override;
    void Remove(int index) override;
    void Clear() override;
    void ReplaceAll(std::span<const std::string_view> texts) override;
    void InsertRange(int index, std::span<const std::string_view> texts) override;
    void RemoveRange(int index, int count) override;

    std::string_view View(int index) const;
    // The bytes the list holds (its text and its offsets), for measuring.
    std::size_t MemoryBytes() const { return Block.capacity() + Starts.capacity() * sizeof(std::size_t); }
    // Room for this many bytes of text, so a large list grows its block once.
    void Reserve(std::size_t bytes) { Block.reserve(bytes); }

private:
    std::string Block;
    std::vector<std::size_t> Starts;  // entry i is Block[Starts[i], Starts[i+1] or Block.size())
};
