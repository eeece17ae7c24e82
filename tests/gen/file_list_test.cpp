#include "gen/file_list.h"

#include <gtest/gtest.h>

namespace {

template <class List>
class FileListOperations : public ::testing::Test {
protected:
    void Fill(std::initializer_list<const char*> names, int selected)
    {
        for (const char* name : names)
            AppendEntry(List_, name);
        List_.Select(selected);
    }

    std::vector<std::string> Entries() const
    {
        std::vector<std::string> entries;
        for (int i = 0; i < List_.Count(); ++i)
            entries.push_back(List_.Text(i));
        return entries;
    }

    List List_;
};

using ListKinds = ::testing::Types<TVectorFileList, TPackedFileList>;
TYPED_TEST_SUITE(FileListOperations, ListKinds);

using Names = std::vector<std::string>;

TYPED_TEST(FileListOperations, DropsLandAfterTheSelectionInOrderAndSelectTheLast)
{
    this->Fill({"1", "2", "3", "4", "5"}, 1);
    for (const char* name : {"a", "b", "c"})
        InsertAfterSelection(this->List_, name);
    EXPECT_EQ(this->Entries(), (Names{"1", "2", "a", "b", "c", "3", "4", "5"}));
    EXPECT_EQ(this->List_.Selected(), 4);
    EXPECT_EQ(CounterText(this->List_), "5/8");

    // A whole drop at once lands the same way.
    TypeParam once;
    for (const char* name : {"1", "2", "3", "4", "5"})
        AppendEntry(once, name);
    once.Select(1);
    InsertAfterSelection(once, Names{"a", "b", "c"});
    EXPECT_EQ(once.Selected(), 4);
    for (int i = 0; i < once.Count(); ++i)
        EXPECT_EQ(once.Text(i), this->List_.Text(i));
}

TYPED_TEST(FileListOperations, InsertWithoutSelectionGoesFirstAndDuplicatesStay)
{
    this->Fill({"x", "y"}, -1);
    InsertAfterSelection(this->List_, "y");
    EXPECT_EQ(this->Entries(), (Names{"y", "x", "y"}));
    EXPECT_EQ(this->List_.Selected(), 0);
}

TYPED_TEST(FileListOperations, AppendKeepsTheSelection)
{
    this->Fill({"a", "b"}, 0);
    AppendEntry(this->List_, "c");
    EXPECT_EQ(this->Entries(), (Names{"a", "b", "c"}));
    EXPECT_EQ(this->List_.Selected(), 0);
}

TYPED_TEST(FileListOperations, MoveTradesPlacesWithTheNeighbourAndStaysSelected)
{
    this->Fill({"a", "b", "c"}, 1);
    MoveSelected(this->List_, true);
    EXPECT_EQ(this->Entries(), (Names{"b", "a", "c"}));
    EXPECT_EQ(this->List_.Selected(), 0);
    MoveSelected(this->List_, false);
    MoveSelected(this->List_, false);
    EXPECT_EQ(this->Entries(), (Names{"a", "c", "b"}));
    EXPECT_EQ(this->List_.Selected(), 2);
}

TYPED_TEST(FileListOperations, MoveAtTheEndsOrWithoutSelectionMovesNothing)
{
    this->Fill({"a", "b", "c"}, 0);
    MoveSelected(this->List_, true);
    EXPECT_EQ(this->Entries(), (Names{"a", "b", "c"}));
    this->List_.Select(2);
    MoveSelected(this->List_, false);
    EXPECT_EQ(this->Entries(), (Names{"a", "b", "c"}));
    EXPECT_EQ(this->List_.Selected(), 2);

    this->List_.Select(-1);
    MoveSelected(this->List_, false);
    EXPECT_EQ(this->Entries(), (Names{"a", "b", "c"}));
    EXPECT_EQ(this->List_.Selected(), 0);
}

TYPED_TEST(FileListOperations, DeleteSelectsTheNextElseThePrevious)
{
    this->Fill({"a", "b", "c"}, 1);
    DeleteSelected(this->List_);
    EXPECT_EQ(this->Entries(), (Names{"a", "c"}));
    EXPECT_EQ(this->List_.Selected(), 1);
    DeleteSelected(this->List_);
    EXPECT_EQ(this->Entries(), (Names{"a"}));
    EXPECT_EQ(this->List_.Selected(), 0);
    DeleteSelected(this->List_);
    EXPECT_EQ(this->List_.Count(), 0);
    EXPECT_EQ(this->List_.Selected(), -1);
    EXPECT_EQ(CounterText(this->List_), "0/0");
}

TYPED_TEST(FileListOperations, EmptyListCommandsChangeNothing)
{
    EXPECT_FALSE(HasEntries(this->List_));
    MoveSelected(this->List_, true);
    MoveSelected(this->List_, false);
    DeleteSelected(this->List_);
    EnsureSelection(this->List_);
    EXPECT_EQ(this->List_.Count(), 0);
    EXPECT_EQ(this->List_.Selected(), -1);
}

TYPED_TEST(FileListOperations, ClearEmptiesAndEnsureSelectionPicksTheFirst)
{
    this->Fill({"a", "b"}, 1);
    this->List_.Clear();
    EXPECT_EQ(this->List_.Count(), 0);
    EXPECT_EQ(this->List_.Selected(), -1);

    this->Fill({"p", "q"}, -1);
    EXPECT_TRUE(HasEntries(this->List_));
    EnsureSelection(this->List_);
    EXPECT_EQ(CounterText(this->List_), "1/2");
}

TEST(PackedFileList, InsertAndRemoveInTheMiddleKeepOtherEntriesIntact)
{
    TPackedFileList list;
    for (const char* name : {"alpha", "beta", "gamma"})
        AppendEntry(list, name);
    list.Insert(1, "inserted");
    list.Remove(3);
    list.Insert(3, "");
    EXPECT_EQ(list.Text(0), "alpha");
    EXPECT_EQ(list.Text(1), "inserted");
    EXPECT_EQ(list.Text(2), "beta");
    EXPECT_EQ(list.Text(3), "");
    EXPECT_EQ(list.Text(9), "");
}

} // namespace
