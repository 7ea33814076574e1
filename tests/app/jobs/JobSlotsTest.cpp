#include <gtest/gtest.h>

#include <memory>

#include "app/jobs/JobSlots.h"
#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/TListView.h"

namespace {

class JobSlotsTest : public ::testing::Test {
protected:
  /// Takes a slot for File as an add does: input and output records named after the file.
  int Add(const String& File) {
    TInputOptions input;
    input.FileName = File;
    TOutputOptions output;
    output.FileName = "/out/" + File;
    return Slots->Take(input, output);
  }
  std::vector<String> States(int Count) const {
    std::vector<String> states;
    for (int k = 0; k < Count; ++k) states.push_back(SlotStateText(Slots->State(k)));
    return states;
  }

  std::unique_ptr<TJobSlots> Slots { std::make_unique<TJobSlots>() };
};

// Add three, remove the first, add a fourth: it takes slot 3, and slot 0 stays out of use until all
// slots are freed; after that the next file takes slot 0 again.
TEST_F(JobSlotsTest, TakeReleaseAndFreeAll) {
  EXPECT_EQ(States(2), (std::vector<String> { "kong", "kong" }));
  EXPECT_EQ(Add("a.avi"), 0);
  EXPECT_EQ(Add("b.avi"), 1);
  EXPECT_EQ(Add("c.avi"), 2);
  Slots->Release(0);
  EXPECT_EQ(Add("d.avi"), 3);
  EXPECT_EQ(States(5), (std::vector<String> { "DELETED", "Full", "Full", "Full", "kong" }));
  EXPECT_EQ(Slots->IO1[3].FileName, "d.avi");
  EXPECT_EQ(Slots->OO1[3].FileName, "/out/d.avi");
  EXPECT_EQ(Slots->IO1[0].FileName, "a.avi");

  Slots->Release(4);  // a free slot has no row to lose
  EXPECT_EQ(SlotStateText(Slots->State(4)), "kong");

  Slots->FreeAll();
  EXPECT_EQ(States(4), (std::vector<String> { "kong", "kong", "kong", "kong" }));
  EXPECT_EQ(Slots->Generation(0), 1);
  EXPECT_EQ(Add("e.avi"), 0);
  EXPECT_EQ(Slots->IO1[0].FileName, "e.avi");
  EXPECT_EQ(Slots->Generation(0), 2) << "taken again: another file";
  EXPECT_EQ(Slots->Generation(4), 0);
}

// 501 files fill the slots; removing rows frees none of them, so the 502nd file since the last FreeAll
// is refused without touching any slot.
TEST_F(JobSlotsTest, The502ndFileSinceAClearIsRefused) {
  for (int k = 0; k < JobSlotCount; ++k) ASSERT_EQ(Add("f" + IntToStr(k)), k);
  EXPECT_FALSE(Slots->HasFree());
  Slots->Release(7);
  EXPECT_FALSE(Slots->HasFree());
  EXPECT_EQ(Add("late"), -1);
  EXPECT_EQ(Slots->IO1[7].FileName, "f7");
  EXPECT_EQ(Slots->IO1[JobSlotCount - 1].FileName, "f500");
  EXPECT_EQ(SlotStateText(Slots->State(7)), "DELETED");

  Slots->FreeAll();
  EXPECT_TRUE(Slots->HasFree());
  EXPECT_EQ(Add("again"), 0);
}

TEST_F(JobSlotsTest, IndexesOutsideTheSlotsRaise) {
  for (int k : { -1, JobSlotCount }) {
    EXPECT_THROW(Slots->State(k), EListError) << k;
    EXPECT_THROW(Slots->Release(k), EListError) << k;
  }
}

// Rows move by copying their contents (Assign), and the tie moves with them; a row tied to nothing, or
// carrying data of its own, belongs to no slot.
TEST_F(JobSlotsTest, TheTieMovesWithTheRowsContents) {
  TListView list(nullptr);
  TListItems* rows = list.Items();
  for (const char* file : { "a.avi", "b.avi", "c.avi" }) {
    TListItem* row = rows->Add();
    row->SetCaption(file);
    Slots->Tie(row, Add(file));
  }
  TListItem* spare = rows->Add();
  spare->Assign(rows->Item(0));
  rows->Item(0)->Assign(rows->Item(1));
  rows->Item(1)->Assign(spare);
  rows->Delete(3);

  for (int i = 0; i < 3; ++i) {
    int k = Slots->SlotOf(rows->Item(i));
    ASSERT_GE(k, 0);
    EXPECT_EQ(Slots->IO1[k].FileName, rows->Item(i)->Caption());
  }
  EXPECT_EQ(Slots->SlotOf(rows->Item(0)), 1);
  EXPECT_EQ(Slots->SlotOf(rows->Item(1)), 0);

  TListItem* untied = rows->Add();
  EXPECT_EQ(Slots->SlotOf(untied), -1);
  int own = 0;
  untied->SetData(&own);
  EXPECT_EQ(Slots->SlotOf(untied), -1);
  TJobSlots others;
  others.Tie(untied, 2);
  EXPECT_EQ(Slots->SlotOf(untied), -1);
  EXPECT_EQ(others.SlotOf(untied), 2);
}

}  // namespace
