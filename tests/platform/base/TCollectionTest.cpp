#include <gtest/gtest.h>

#include <vector>

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TTypedCollection.h"

namespace {

// An item that, like the stored skins and images, takes its default name from its index at creation.
class TNamedItem : public TCollectionItem {
public:
  explicit TNamedItem(TCollection* Collection)
      : TCollectionItem(Collection), Name(Format("Item%d", Index())) {}

  void Assign(TPersistent* Source) override {
    if (auto* source = dynamic_cast<TNamedItem*>(Source)) {
      Name = source->Name;
      Value = source->Value;
      Changed(false);
    } else {
      TCollectionItem::Assign(Source);
    }
  }

  String Name;
  int Value { 0 };
};

// A collection that records what its owner would be told.
class TRecordingCollection : public TTypedCollection<TNamedItem> {
public:
  std::vector<String> Updates;

protected:
  void Update(TCollectionItem* Item) override {
    Updates.push_back(Item ? static_cast<TNamedItem*>(Item)->Name : String("all"));
  }
};

std::vector<String> NamesOf(const TRecordingCollection& Collection) {
  std::vector<String> names;
  for (int i = 0; i < Collection.Count(); ++i) names.push_back(Collection.Items(i)->Name);
  return names;
}

TEST(TCollectionTest, AddInsertDeleteAndClearReportEachChangeToTheOwner) {
  TRecordingCollection items;
  items.Add();
  items.Add();
  TNamedItem* inserted = items.Insert(1);
  EXPECT_EQ(inserted->Name, "Item2");  // named from the index it had while being built
  EXPECT_EQ(inserted->Index(), 1);
  EXPECT_EQ(NamesOf(items), (std::vector<String> { "Item0", "Item2", "Item1" }));
  items.Delete(0);
  EXPECT_EQ(NamesOf(items), (std::vector<String> { "Item2", "Item1" }));
  delete items.Items(1);  // an item freed directly leaves its collection
  EXPECT_EQ(NamesOf(items), (std::vector<String> { "Item2" }));
  items.Clear();
  EXPECT_EQ(items.Count(), 0);
  EXPECT_EQ(items.Updates, (std::vector<String> { "all", "all", "all", "all", "all", "all" }));
}

TEST(TCollectionTest, IdsAreUniqueAndNeverReused) {
  TRecordingCollection items;
  int first = items.Add()->ID();
  int second = items.Add()->ID();
  items.Delete(1);
  int third = items.Add()->ID();
  EXPECT_LT(first, second);
  EXPECT_LT(second, third);
}

TEST(TCollectionTest, SetIndexMovesTheItem) {
  TRecordingCollection items;
  for (int i = 0; i < 4; ++i) items.Add();
  items.Items(0)->SetIndex(2);
  EXPECT_EQ(NamesOf(items), (std::vector<String> { "Item1", "Item2", "Item0", "Item3" }));
  items.Items(3)->SetIndex(0);
  EXPECT_EQ(NamesOf(items), (std::vector<String> { "Item3", "Item1", "Item2", "Item0" }));
  items.Updates.clear();
  items.Items(1)->SetIndex(1);  // no move, no notice
  EXPECT_TRUE(items.Updates.empty());
}

TEST(TCollectionTest, BadIndexesRaiseTheListIndexErrorAndChangeNothing) {
  TRecordingCollection items;
  items.Add();
  items.Add();
  auto expectError = [](auto Action, int Index) {
    try {
      Action();
      FAIL() << Index;
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message, Format("List index out of bounds (%d)", Index));
    }
  };
  expectError([&] { items.Items(-1); }, -1);
  expectError([&] { items.Items(2); }, 2);
  expectError([&] { items.Delete(2); }, 2);
  expectError([&] { items.Insert(3); }, 3);
  expectError([&] { items.Items(0)->SetIndex(2); }, 2);
  EXPECT_EQ(NamesOf(items), (std::vector<String> { "Item0", "Item1" }));
}

TEST(TCollectionTest, AnUpdateBracketReportsOnceAtItsEnd) {
  TRecordingCollection items;
  items.Add();
  items.Updates.clear();
  items.BeginUpdate();
  items.BeginUpdate();
  items.Add();
  items.Items(0)->Assign(items.Items(1));
  items.EndUpdate();
  EXPECT_TRUE(items.Updates.empty());
  items.EndUpdate();
  EXPECT_EQ(items.Updates, std::vector<String> { "all" });
  items.Items(1)->Value = 5;
  items.Items(0)->Assign(items.Items(1));  // one item changed: the owner is told which
  EXPECT_EQ(items.Updates, (std::vector<String> { "all", "Item1" }));
}

TEST(TCollectionTest, AssignReplacesTheItemsWithCopies) {
  TRecordingCollection source, target;
  source.Add()->Value = 1;
  source.Add()->Value = 2;
  source.Items(1)->Name = "Second";
  target.Add();
  target.Add();
  target.Add();
  target.Updates.clear();
  target.Assign(&source);
  ASSERT_EQ(target.Count(), 2);
  EXPECT_EQ(NamesOf(target), (std::vector<String> { "Item0", "Second" }));
  EXPECT_EQ(target.Items(1)->Value, 2);
  EXPECT_NE(target.Items(1), source.Items(1));
  EXPECT_EQ(target.Updates, std::vector<String> { "all" });

  target.Assign(&target);  // a collection assigned to itself keeps its items
  EXPECT_EQ(target.Count(), 2);
  TPersistent unrelated;
  EXPECT_THROW(target.Assign(&unrelated), EConvertError);
}

TEST(TCollectionTest, DisplayNameDefaultsToTheClassName) {
  TRecordingCollection items;
  EXPECT_EQ(items.Add()->DisplayName(), "TNamedItem");
  EXPECT_EQ(items.Owner(), nullptr);
}

}  // namespace
