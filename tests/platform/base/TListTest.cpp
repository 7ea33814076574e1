#include <gtest/gtest.h>

#include <vector>

#include "platform/base/Exception.h"
#include "platform/base/TList.h"

namespace {

int A = 1, B = 2, C = 3, D = 4;

std::vector<void*> ItemsOf(const TList& List) { return std::vector<void*>(List.begin(), List.end()); }

TEST(TListTest, AddInsertDeleteRemoveAndSearch) {
  TList list;
  EXPECT_EQ(list.Add(&A), 0);
  EXPECT_EQ(list.Add(&C), 1);
  list.Insert(1, &B);
  list.Insert(3, &D);
  EXPECT_EQ(ItemsOf(list), (std::vector<void*> { &A, &B, &C, &D }));
  EXPECT_EQ(list.IndexOf(&C), 2);
  EXPECT_EQ(list.IndexOf(nullptr), -1);
  EXPECT_EQ(list.First(), &A);
  EXPECT_EQ(list.Last(), &D);
  list.Delete(0);
  EXPECT_EQ(list.Remove(&D), 2);
  EXPECT_EQ(list.Remove(&D), -1);
  EXPECT_EQ(list.Extract(&B), &B);
  EXPECT_EQ(list.Extract(&B), nullptr);
  EXPECT_EQ(ItemsOf(list), (std::vector<void*> { &C }));
  list.SetItems(0, &A);
  EXPECT_EQ(list[0], &A);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(TListTest, ReorderingPackingAndSorting) {
  TList list;
  for (void* p : { (void*)&A, (void*)&B, (void*)&C, (void*)&D }) list.Add(p);
  list.Exchange(0, 3);
  EXPECT_EQ(ItemsOf(list), (std::vector<void*> { &D, &B, &C, &A }));
  list.Move(0, 2);
  EXPECT_EQ(ItemsOf(list), (std::vector<void*> { &B, &C, &D, &A }));
  list.Move(3, 0);
  EXPECT_EQ(ItemsOf(list), (std::vector<void*> { &A, &B, &C, &D }));
  list.SetCount(6);
  list.Insert(1, nullptr);
  list.Pack();
  EXPECT_EQ(ItemsOf(list), (std::vector<void*> { &A, &B, &C, &D }));
  list.Sort([](void* x, void* y) { return *static_cast<int*>(y) - *static_cast<int*>(x); });
  EXPECT_EQ(ItemsOf(list), (std::vector<void*> { &D, &C, &B, &A }));
  list.SetCapacity(100);
  EXPECT_GE(list.Capacity(), 100);
  EXPECT_THROW(list.SetCapacity(3), EListError);
}

TEST(TListTest, BadIndexesRaiseTheListIndexError) {
  TList list;
  list.Add(&A);
  auto message = [&](auto call) {
    try {
      call();
    } catch (const EListError& e) {
      return String(e.what());
    }
    return String("no exception");
  };
  EXPECT_EQ(message([&] { list.Items(1); }), "List index out of bounds (1)");
  EXPECT_EQ(message([&] { list.Items(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(message([&] { list.Delete(5); }), "List index out of bounds (5)");
  EXPECT_EQ(message([&] { list.Insert(2, &B); }), "List index out of bounds (2)");
  EXPECT_EQ(message([&] { list.SetItems(1, &B); }), "List index out of bounds (1)");
  EXPECT_EQ(message([&] { list.Exchange(0, 1); }), "List index out of bounds (1)");
  EXPECT_EQ(message([&] { list.Move(0, 1); }), "List index out of bounds (1)");
  list.Clear();
  EXPECT_EQ(message([&] { list.First(); }), "List index out of bounds (0)");
  EXPECT_EQ(message([&] { list.Last(); }), "List index out of bounds (-1)");
}

TEST(TListTest, TypedListReturnsTypedItems) {
  TListOf<int> list;
  list.Add(&A);
  list.Add(&B);
  int* first = list.First();
  EXPECT_EQ(*first + *list[1] + *list.Last(), 5);
  EXPECT_EQ(list.Extract(&A), &A);
  EXPECT_EQ(list.Count(), 1);
}

} // namespace
