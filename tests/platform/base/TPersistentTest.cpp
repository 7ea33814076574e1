#include <gtest/gtest.h>

#include "platform/base/Exception.h"
#include "platform/base/TPersistent.h"
#include "platform/base/TSet.h"

namespace {

class TThing : public TPersistent {
public:
  int Value { 0 };
  void Assign(TPersistent* Source) override {
    if (auto* other = dynamic_cast<TThing*>(Source)) Value = other->Value;
    else TPersistent::Assign(Source);
  }
};

class TOtherThing : public TPersistent {
protected:
  void AssignTo(TPersistent* Dest) override {
    if (auto* thing = dynamic_cast<TThing*>(Dest)) thing->Value = 42;
    else TPersistent::AssignTo(Dest);
  }
};

TEST(TPersistentTest, AssignCopiesKnownClassesAndAsksTheSourceOtherwise) {
  TThing a, b;
  a.Value = 7;
  b.Assign(&a);
  EXPECT_EQ(b.Value, 7);
  TOtherThing other;
  b.Assign(&other);
  EXPECT_EQ(b.Value, 42);
}

TEST(TPersistentTest, AssignFromAnUnknownClassRaisesConvertError) {
  TThing thing;
  TPersistent plain;
  try {
    thing.Assign(&plain);
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TPersistent to a TThing");
  }
}

enum TColour { red, green, blue };

TEST(TSetTest, IncludeExcludeAndOperators) {
  TSet<TColour> s { red };
  s.Include(blue);
  EXPECT_TRUE(s.Contains(red));
  EXPECT_FALSE(s.Contains(green));
  EXPECT_EQ(s - TSet<TColour>({ red }), TSet<TColour>({ blue }));
  EXPECT_EQ(s * TSet<TColour>({ blue, green }), TSet<TColour>({ blue }));
  EXPECT_TRUE((s - s).Empty());
}

}  // namespace
