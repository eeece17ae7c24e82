#include "gen/compact_order.h"
#include "gen/file_list.h"
#include "gen/list_editor.h"
#include "gen/list_history.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

// A list that knows only the one-entry operations, as the program's list box does until it
// overrides the bulk ones: the history must work through the defaults too.
class TEntryByEntryList : public TFileList {
public:
    int Count() const override { return Inner.Count(); }
    void GetText(int index, std::string& text) const override { Inner.GetText(index, text); }
    int Selected() const override { return Inner.Selected(); }
    void Select(int index) override { Inner.Select(index); }
    void Insert(int index, const std::string& text) override { Inner.Insert(index, text); }
    void Remove(int index) override { Inner.Remove(index); }
    void Clear() override { Inner.Clear(); }

private:
    TVectorFileList Inner;
};

struct TListState {
    std::vector<std::string> Entries;
    int Selected;
    bool operator==(const TListState&) const = default;
};

// Something a template replaces: the texts a user may have written by hand.
struct TTexts {
    std::string Header = "<li>", Queue = "</li>";
};

class TTextsState : public THistoryState {
public:
    TTextsState(TTexts& target, TTexts value) : Target(target), Value(std::move(value)) {}
    void Restore() const override { Target = Value; }
    std::size_t MemoryBytes() const override { return sizeof *this + Value.Header.size() + Value.Queue.size(); }

private:
    TTexts& Target;
    TTexts Value;
};

template <class List>
class ListHistory : public ::testing::Test {
protected:
    ListHistory() : Editor(List_, History) {}

    TListState State() const { return {List_.ReadAll(), List_.Selected()}; }

    void Fill(const std::vector<std::string>& names, int selected)
    {
        List_.InsertRange(0, TextViews(names));
        List_.Select(selected);
    }

    List List_;
    TListHistory History;
    TListEditor Editor;
};

using ListKinds = ::testing::Types<TVectorFileList, TPackedFileList, TEntryByEntryList>;
TYPED_TEST_SUITE(ListHistory, ListKinds);

TYPED_TEST(ListHistory, EveryKindOfStepUndoesAndRedoesWithItsSelection)
{
    this->Fill({"C:\\p\\b10.jpg", "C:\\p\\b2.jpg", "C:\\q\\a.png", "C:\\p\\B2.JPG", "C:\\p\\c.gif"}, 2);
    TTexts texts;
    std::vector<TListState> states{this->State()};
    std::vector<TTexts> textStates{texts};
    auto step = [&](auto change) {
        change();
        states.push_back(this->State());
        textStates.push_back(texts);
    };
    TListEditor& editor = this->Editor;
    step([&] { editor.InsertAfterSelection({"D:\\drop 1.jpg", "D:\\drop 2.jpg"}); });
    step([&] { editor.Append({"E:\\list\\x.jpg", "C:\\p\\b2.jpg", "E:\\list\\y.jpg"}); });
    step([&] { editor.MoveSelected(true); });
    step([&] { editor.MoveSelected(false); editor.MoveSelected(false); });   // two commands, two steps
    step([&] { editor.DeleteSelected(); });
    step([&] { EXPECT_TRUE(editor.Sort(TListOrder::Name)); });
    step([&] { EXPECT_TRUE(editor.Reverse()); });
    step([&] { EXPECT_EQ(editor.RemoveDuplicates(), 2); });
    step([&] {
        auto before = std::make_unique<TTextsState>(texts, texts);
        texts = {"<img src=\"", "\">"};
        this->History.RecordState(std::move(before), std::make_unique<TTextsState>(texts, texts));
    });
    step([&] { editor.Clear(); });
    ASSERT_EQ(this->History.UndoSteps(), states.size() - 1 + 1);   // the double move counts twice

    // Back to the start, each state on the way; then forward again.
    std::vector<TListState> seen{this->State()};
    while (editor.Undo())
        seen.push_back(this->State());
    EXPECT_EQ(seen.back(), states.front());
    EXPECT_EQ(texts.Header, "<li>");
    while (editor.Redo())
        ;
    EXPECT_EQ(this->State(), states.back());
    EXPECT_EQ(texts.Header, "<img src=\"");

    // Step by step against the states recorded (the double move is undone in two).
    for (std::size_t k = states.size() - 1; k > 0; --k) {
        ASSERT_TRUE(editor.Undo());
        if (k == 4) {
            ASSERT_TRUE(editor.Undo());
        }
        EXPECT_EQ(this->State(), states[k - 1]) << "undo of step " << k;
        EXPECT_EQ(texts.Header, textStates[k - 1].Header);
    }
    EXPECT_FALSE(editor.Undo());
    for (std::size_t k = 1; k < states.size(); ++k) {
        ASSERT_TRUE(editor.Redo());
        if (k == 4) {
            ASSERT_TRUE(editor.Redo());
        }
        EXPECT_EQ(this->State(), states[k]) << "redo of step " << k;
    }
    EXPECT_FALSE(editor.Redo());
}

TYPED_TEST(ListHistory, ANewChangeDropsTheRedoStepsAndNothingChangedIsNoStep)
{
    this->Fill({"b", "a", "c"}, 0);
    TListEditor& editor = this->Editor;
    editor.MoveSelected(true);           // first already: nothing moves
    EXPECT_EQ(editor.RemoveDuplicates(), 0);
    EXPECT_FALSE(this->History.CanUndo());
    EXPECT_TRUE(editor.Sort(TListOrder::Name));
    EXPECT_FALSE(editor.Sort(TListOrder::Name));   // already in that order
    EXPECT_EQ(this->State(), (TListState{{"a", "b", "c"}, 1}));   // the selection went with "b"
    editor.DeleteSelected();
    editor.Undo();
    editor.Undo();
    EXPECT_EQ(this->History.RedoSteps(), 2u);
    editor.InsertAfterSelection({"d"});
    EXPECT_FALSE(this->History.CanRedo());
    EXPECT_EQ(this->State(), (TListState{{"b", "d", "a", "c"}, 1}));
    editor.Undo();
    EXPECT_EQ(this->State(), (TListState{{"b", "a", "c"}, 0}));
}

TYPED_TEST(ListHistory, KeepsTheLastHundredSteps)
{
    std::vector<std::string> names;
    for (int i = 0; i < 200; ++i)
        names.push_back("C:\\n" + std::to_string(i));
    this->Fill(names, 0);
    for (int i = 0; i < 150; ++i)
        this->Editor.MoveSelected(false);
    EXPECT_EQ(this->History.UndoSteps(), TListHistory::DefaultSteps);
    while (this->Editor.Undo())
        ;
    EXPECT_EQ(this->List_.Selected(), 50);
    EXPECT_EQ(this->List_.Text(50), "C:\\n0");
}

TEST(ListHistoryMemory, StepsHoldWhatChangedNotTheList)
{
    TPackedFileList list;
    std::vector<std::string> names;
    for (int i = 0; i < 20000; ++i)
        names.push_back("C:\\Pictures\\Holiday 2023\\Day " + std::to_string(i / 100) + "\\photo " +
                        std::to_string(i) + ".jpg");
    std::mt19937 random(7);
    std::shuffle(names.begin(), names.end(), random);
    list.InsertRange(0, TextViews(names));
    list.Select(5);
    TListHistory history;
    TListEditor editor(list, history);

    auto growth = [&](auto change) {
        const std::size_t before = history.MemoryBytes();
        change();
        return history.MemoryBytes() - before;
    };
    EXPECT_LT(growth([&] { editor.MoveSelected(false); }), 100u);
    EXPECT_LT(growth([&] { editor.InsertAfterSelection({"a", "b", "c"}); }), 200u);
    EXPECT_LT(growth([&] { editor.Reverse(); }), 200u);
    EXPECT_LT(growth([&] { editor.Sort(TListOrder::Name); }), 20000u * 15 / 8 + 200);   // 15 bits a position
    EXPECT_LT(growth([&] { editor.Clear(); }), list.MemoryBytes() / 2);   // names from one folder share it
    EXPECT_TRUE(editor.Undo());
    EXPECT_EQ(list.Count(), 20003);
}

TEST(CompactOrder, GivesBackEveryOrder)
{
    std::vector<int> shuffled(1000);
    std::iota(shuffled.begin(), shuffled.end(), 0);
    std::mt19937 random(3);
    std::shuffle(shuffled.begin(), shuffled.end(), random);
    std::vector<int> reversed(70000);
    std::iota(reversed.rbegin(), reversed.rend(), 0);
    const std::vector<std::vector<int>> orders = {
        {}, {0}, {1, 0}, {0, 1, 2}, {3, 4, 5, 0, 1, 2}, {2, 1, 0, 3, 4, 5}, shuffled, reversed,
    };
    for (const std::vector<int>& order : orders)
        EXPECT_EQ(TCompactOrder(order).Unpack(), order);
    EXPECT_LE(TCompactOrder(reversed).MemoryBytes(), 16u);
    EXPECT_LE(TCompactOrder(shuffled).MemoryBytes(), 1000u * 10 / 8 + 8);
}

} // namespace
