#include "app/jobs/TaskRoutes.h"

#include <gtest/gtest.h>

#include <memory>

#include "app/jobs/JobSlots.h"
#include "platform/ui/toolkit/TListView.h"

namespace {

/// Rows a, b, c, d tied to slots 0..3, as four adds leave them; the batch built tasks from a, c and d (b's
/// task could not be made).
class TaskRoutesTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (const char* File : { "a", "b", "c", "d" }) {
      TListItem* Row = Rows->Add();
      Row->SetCaption(File);
      TInputOptions Input;
      Input.FileName = File;
      Slots->Tie(Row, Slots->Take(Input, TOutputOptions()));
    }
    for (int Slot : { 0, 2, 3 }) Routes.Add(*Slots, Slot);
  }

  /// The caption of the row task TaskIndex reports to; "-" for none.
  String RowOf(int TaskIndex) {
    TListItem* Row = Routes.RowOf(TaskIndex, *Rows, *Slots);
    return Row ? Row->Caption() : "-";
  }

  /// Swaps the contents of rows i and i + 1, as moving a row does.
  void Swap(int i) {
    TListItem* Spare = Rows->Add();
    Spare->Assign(Rows->Item(i));
    Rows->Item(i)->Assign(Rows->Item(i + 1));
    Rows->Item(i + 1)->Assign(Spare);
    Rows->Delete(Rows->Count() - 1);
  }

  TListView List { nullptr };
  TListItems* Rows { List.Items() };
  std::unique_ptr<TJobSlots> Slots { std::make_unique<TJobSlots>() };
  TTaskRoutes Routes;
};

TEST_F(TaskRoutesTest, EachTaskReachesTheRowOfItsFileWhereverThatRowMoved) {
  EXPECT_EQ(Routes.Count(), 3);
  EXPECT_EQ(RowOf(0), "a");
  EXPECT_EQ(RowOf(1), "c") << "the row without a task takes no task's place";
  EXPECT_EQ(RowOf(2), "d");
  Swap(2);
  Swap(0);
  EXPECT_EQ(Rows->Item(0)->Caption(), "b");
  EXPECT_EQ(RowOf(0), "a");
  EXPECT_EQ(RowOf(1), "c");
  EXPECT_EQ(RowOf(2), "d");
}

TEST_F(TaskRoutesTest, NoRowForAnIndexWithoutTaskOrAGoneRow) {
  for (int TaskIndex : { -1, 3 }) EXPECT_EQ(RowOf(TaskIndex), "-") << TaskIndex;
  Rows->Delete(0);
  Slots->Release(0);
  EXPECT_EQ(RowOf(0), "-") << "removed";
  EXPECT_EQ(RowOf(1), "c");
  Rows->Clear();
  Slots->FreeAll();
  EXPECT_EQ(RowOf(1), "-") << "cleared";
  for (const char* File : { "e", "f", "g" }) {
    TListItem* Row = Rows->Add();
    Row->SetCaption(File);
    Slots->Tie(Row, Slots->Take(TInputOptions(), TOutputOptions()));
  }
  EXPECT_EQ(RowOf(1), "-") << "slot 2 holds another file now";
  Routes.Clear();
  EXPECT_EQ(Routes.Count(), 0);
}

}  // namespace
