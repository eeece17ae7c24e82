#pragma once
// Undo and redo of the changes a user makes to the list and to what a template replaces. One step
// per command, however many entries it touched; a step holds only what the command changed (where
// entries went in and how many, the entries that went out, a move, an old order packed small), so
// a hundred steps on a large list cost a fraction of the list. Undoing or redoing a step is one
// bulk change of the list, and the selection comes back with it.
#include "gen/compact_order.h"
#include "gen/front_coded_texts.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TFileList;

// What a command replaced outside the list (a template's texts, its path mode and options): the
// caller's own snapshot, which knows how to put itself back.
class THistoryState {
public:
    virtual ~THistoryState() = default;
    virtual void Restore() const = 0;
    virtual std::size_t MemoryBytes() const = 0;
};

// The selection before the command and after it.
struct TSelectionChange {
    int Before = -1;
    int After = -1;
};

class TListHistory {
public:
    static constexpr std::size_t DefaultSteps = 100;
    explicit TListHistory(std::size_t maxSteps = DefaultSteps);
    ~TListHistory();
    TListHistory(const TListHistory&) = delete;
    TListHistory& operator=(const TListHistory&) = delete;

    // Recording: each call is one step, made after the command changed the list. A step drops
    // the steps that were undone; past the limit the oldest step goes.

    // count entries now stand at index on (a drop, a folder's contents, a list file).
    void RecordInserted(int index, int count, TSelectionChange selection);
    // The entries at these positions (ascending, positions before the removal) went out; texts
    // are theirs, in the same order.
    void RecordRemoved(std::span<const int> positions, std::span<const std::string_view> texts,
                       TSelectionChange selection);
    // One entry went from one place to another.
    void RecordMoved(int from, int to, TSelectionChange selection);
    // The list was put in a new order: order[k] is where the entry now at k was before.
    void RecordReordered(const std::vector<int>& order, TSelectionChange selection);
    // Something outside the list changed: before is put back by Undo, after by Redo.
    void RecordState(std::unique_ptr<THistoryState> before, std::unique_ptr<THistoryState> after);

    bool CanUndo() const { return Done > 0; }
    bool CanRedo() const { return Done < Steps.size(); }
    // Takes back the last step (false when there is none); the list changes in one bulk change.
    bool Undo(TFileList& list);
    // Does again the step undone last (false when there is none).
    bool Redo(TFileList& list);
    std::size_t UndoSteps() const { return Done; }
    std::size_t RedoSteps() const { return Steps.size() - Done; }
    // Forgets every step.
    void Clear();

    // What the steps hold, in bytes.
    std::size_t MemoryBytes() const;

    class TStep;

private:
    void Add(std::unique_ptr<TStep> step);

    std::size_t MaxSteps;
    std::deque<std::unique_ptr<TStep>> Steps;
    std::size_t Done = 0;   // Steps[0, Done) can be undone, Steps[Done, end) redone
};
