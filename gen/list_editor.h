#pragma once
// The list's commands that can be taken back. Each changes the list in one bulk change (a list box
// repaints once) and records one step in the history; a command that changes nothing records none.
#include "gen/list_order.h"

#include <string>
#include <vector>

class TFileList;
class TListHistory;

class TListEditor {
public:
    TListEditor(TFileList& list, TListHistory& history) : List(list), History(history) {}

    // A drop or a folder's contents: the names right after the selection (first when none), the
    // last of them selected.
    void InsertAfterSelection(const std::vector<std::string>& names);
    // A list file: the names at the end; the selection stays.
    void Append(const std::vector<std::string>& names);
    // Move up or down one place, the entry staying selected; without a selection the first entry
    // is selected and nothing moves.
    void MoveSelected(bool up);
    // Removes the selected entry and selects the one now in its place, else the one before.
    void DeleteSelected();
    // Removes every entry.
    void Clear();
    // Sorts the list; the selected entry stays selected. False when the order was already so.
    bool Sort(TListOrder order);
    // Turns the order round; the selected entry stays selected. False when there was nothing to turn.
    bool Reverse();
    // Removes the entries that name a file named before them (case ignored); a selected entry
    // that goes leaves the selection on the first entry of its name. The number removed.
    int RemoveDuplicates();

    bool Undo();
    bool Redo();

private:
    // Puts the entries in the new order (order[k]: where the entry now at k was) and records it.
    void Reorder(const std::vector<std::string>& entries, const std::vector<int>& order);

    TFileList& List;
    TListHistory& History;
};
