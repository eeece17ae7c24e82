#include "gen/list_history.h"

#include "gen/file_list.h"

#include <algorithm>

// One step: it can be taken back and done again, in turn.
class TListHistory::TStep {
public:
    explicit TStep(TSelectionChange selection = {}) : Selection(selection) {}
    virtual ~TStep() = default;
    virtual void Undo(TFileList& list) = 0;
    virtual void Redo(TFileList& list) = 0;
    virtual std::size_t MemoryBytes() const = 0;

    TSelectionChange Selection;
};

namespace {

using TStep = TListHistory::TStep;

// A stretch of positions: count entries from First on.
struct TStretch {
    int First;
    int Count;
};

std::vector<TStretch> StretchesOf(std::span<const int> positions)
{
    std::vector<TStretch> stretches;
    for (int position : positions) {
        if (!stretches.empty() && stretches.back().First + stretches.back().Count == position)
            ++stretches.back().Count;
        else
            stretches.push_back({position, 1});
    }
    return stretches;
}

// Entries that went in or out. While they are in the list the step knows only where they stand;
// while they are out it holds their texts.
class TSpliceStep : public TStep {
public:
    TSpliceStep(std::vector<TStretch> stretches, bool inserted, TSelectionChange selection)
        : TStep(selection), Stretches(std::move(stretches)), Inserted(inserted)
    {
        Stretches.shrink_to_fit();
    }

    void KeepTexts(std::span<const std::string_view> texts)
    {
        for (std::string_view text : texts)
            Texts.Add(text);
        Texts.Shrink();
    }

    void Undo(TFileList& list) override
    {
        if (Inserted)
            TakeOut(list);
        else
            PutIn(list);
        list.Select(Selection.Before);
    }

    void Redo(TFileList& list) override
    {
        if (Inserted)
            PutIn(list);
        else
            TakeOut(list);
        list.Select(Selection.After);
    }

    std::size_t MemoryBytes() const override
    {
        return sizeof *this + Stretches.capacity() * sizeof(TStretch) + Texts.MemoryBytes();
    }

private:
    void TakeOut(TFileList& list)
    {
        Texts.Clear();
        if (Stretches.size() == 1) {
            const TStretch& stretch = Stretches.front();
            for (int i = 0; i < stretch.Count; ++i)
                Texts.Add(list.Text(stretch.First + i));
            list.RemoveRange(stretch.First, stretch.Count);
        } else {
            const std::vector<std::string> entries = list.ReadAll();
            std::vector<std::string_view> kept;
            kept.reserve(entries.size());
            std::size_t next = 0;
            for (const TStretch& stretch : Stretches) {
                const auto first = static_cast<std::size_t>(stretch.First);
                for (; next < first; ++next)
                    kept.push_back(entries[next]);
                for (; next < first + static_cast<std::size_t>(stretch.Count); ++next)
                    Texts.Add(entries[next]);
            }
            for (; next < entries.size(); ++next)
                kept.push_back(entries[next]);
            list.ReplaceAll(kept);
        }
        Texts.Shrink();
    }

    void PutIn(TFileList& list)
    {
        const std::vector<std::string> texts = Texts.Unpack();
        Texts.Clear();
        if (Stretches.size() == 1) {
            list.InsertRange(Stretches.front().First, TextViews(texts));
            return;
        }
        const std::vector<std::string> entries = list.ReadAll();
        std::vector<std::string_view> merged;
        merged.reserve(entries.size() + texts.size());
        std::size_t entry = 0, text = 0;
        for (const TStretch& stretch : Stretches) {
            while (merged.size() < static_cast<std::size_t>(stretch.First) && entry < entries.size())
                merged.push_back(entries[entry++]);
            for (int i = 0; i < stretch.Count && text < texts.size(); ++i)
                merged.push_back(texts[text++]);
        }
        while (entry < entries.size())
            merged.push_back(entries[entry++]);
        list.ReplaceAll(merged);
    }

    std::vector<TStretch> Stretches;   // positions in the list while the entries are in it
    bool Inserted;                     // the command put the entries in (else it took them out)
    TFrontCodedTexts Texts;
};

// Moves the entry at from to to, as one entry taken out and put back.
void MoveEntry(TFileList& list, int from, int to)
{
    const std::string text = list.Text(from);
    list.Remove(from);
    list.Insert(to, text);
}

class TMoveStep : public TStep {
public:
    TMoveStep(int from, int to, TSelectionChange selection) : TStep(selection), From(from), To(to) {}

    void Undo(TFileList& list) override
    {
        MoveEntry(list, To, From);
        list.Select(Selection.Before);
    }
    void Redo(TFileList& list) override
    {
        MoveEntry(list, From, To);
        list.Select(Selection.After);
    }
    std::size_t MemoryBytes() const override { return sizeof *this; }

private:
    int From, To;
};

class TReorderStep : public TStep {
public:
    TReorderStep(const std::vector<int>& order, TSelectionChange selection) : TStep(selection), Order(order) {}

    void Undo(TFileList& list) override
    {
        const std::vector<std::string> entries = list.ReadAll();
        const std::vector<int> order = Order.Unpack();
        std::vector<std::string_view> before(entries.size());
        for (std::size_t k = 0; k < order.size() && k < entries.size(); ++k)
            before[static_cast<std::size_t>(order[k])] = entries[k];
        list.ReplaceAll(before);
        list.Select(Selection.Before);
    }

    void Redo(TFileList& list) override
    {
        const std::vector<std::string> entries = list.ReadAll();
        const std::vector<int> order = Order.Unpack();
        std::vector<std::string_view> after;
        after.reserve(order.size());
        for (int from : order)
            after.push_back(entries[static_cast<std::size_t>(from)]);
        list.ReplaceAll(after);
        list.Select(Selection.After);
    }

    std::size_t MemoryBytes() const override { return sizeof *this + Order.MemoryBytes(); }

private:
    TCompactOrder Order;
};

class TStateStep : public TStep {
public:
    TStateStep(std::unique_ptr<THistoryState> before, std::unique_ptr<THistoryState> after)
        : Before(std::move(before)), After(std::move(after))
    {
    }

    void Undo(TFileList&) override { Before->Restore(); }
    void Redo(TFileList&) override { After->Restore(); }
    std::size_t MemoryBytes() const override
    {
        return sizeof *this + Before->MemoryBytes() + After->MemoryBytes();
    }

private:
    std::unique_ptr<THistoryState> Before, After;
};

} // namespace

TListHistory::TListHistory(std::size_t maxSteps) : MaxSteps(std::max<std::size_t>(maxSteps, 1)) {}

TListHistory::~TListHistory() = default;

void TListHistory::Add(std::unique_ptr<TStep> step)
{
    Steps.erase(Steps.begin() + static_cast<std::ptrdiff_t>(Done), Steps.end());
    Steps.push_back(std::move(step));
    if (Steps.size() > MaxSteps)
        Steps.pop_front();
    Done = Steps.size();
}

void TListHistory::RecordInserted(int index, int count, TSelectionChange selection)
{
    if (count > 0)
        Add(std::make_unique<TSpliceStep>(std::vector<TStretch>{{index, count}}, true, selection));
}

void TListHistory::RecordRemoved(std::span<const int> positions, std::span<const std::string_view> texts,
                                 TSelectionChange selection)
{
    if (positions.empty())
        return;
    auto step = std::make_unique<TSpliceStep>(StretchesOf(positions), false, selection);
    step->KeepTexts(texts);
    Add(std::move(step));
}

void TListHistory::RecordMoved(int from, int to, TSelectionChange selection)
{
    if (from != to)
        Add(std::make_unique<TMoveStep>(from, to, selection));
}

void TListHistory::RecordReordered(const std::vector<int>& order, TSelectionChange selection)
{
    Add(std::make_unique<TReorderStep>(order, selection));
}

void TListHistory::RecordState(std::unique_ptr<THistoryState> before, std::unique_ptr<THistoryState> after)
{
    if (before && after)
        Add(std::make_unique<TStateStep>(std::move(before), std::move(after)));
}

bool TListHistory::Undo(TFileList& list)
{
    if (!CanUndo())
        return false;
    Steps[--Done]->Undo(list);
    return true;
}

bool TListHistory::Redo(TFileList& list)
{
    if (!CanRedo())
        return false;
    Steps[Done++]->Redo(list);
    return true;
}

void TListHistory::Clear()
{
    Steps.clear();
    Done = 0;
}

std::size_t TListHistory::MemoryBytes() const
{
    std::size_t bytes = 0;
    for (const auto& step : Steps)
        bytes += step->MemoryBytes();
    return bytes;
}
