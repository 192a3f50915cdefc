#include <gtest/gtest.h>

#include <vector>

#include "Variant.h"

namespace {

struct Thing : Object {
  int value = 0;
};

TEST(Variant, HoldsEachKindOfValue) {
  EXPECT_EQ(Variant().type(), Variant::Type::Nothing);
  EXPECT_TRUE(Variant().IsNil());
  EXPECT_EQ(Variant(true).type(), Variant::Type::Boolean);
  EXPECT_EQ(Variant(int32_t{7}).Int32Value(), 7);
  EXPECT_EQ(Variant(2.5).DoubleValue(), 2.5);
  EXPECT_EQ(Variant("G").StringValue(), "G");
  EXPECT_EQ(Variant(std::string("a long text that does not fit inline")).StringValue(),
            "a long text that does not fit inline");
  Ref<Thing> t = New<Thing>();
  Variant v(t);
  EXPECT_EQ(v.type(), Variant::Type::Object);
  EXPECT_EQ(Cast<Thing>(v.ObjectValue()), t);
  EXPECT_TRUE(Variant(Ref<Thing>()).IsNil());
}

TEST(Variant, ConvertsAsDocumented) {
  EXPECT_EQ(Variant().StringValue(), "");
  EXPECT_EQ(Variant().Int32Value(), 0);
  EXPECT_EQ(Variant(2.9).Int32Value(), 2);
  EXPECT_EQ(Variant("12.5").DoubleValue(), 12.5);
  EXPECT_EQ(Variant("12.5").Int32Value(), 12);
  EXPECT_EQ(Variant(int32_t{42}).StringValue(), "42");
  EXPECT_EQ(Variant(1000.0).StringValue(), "1000");
  EXPECT_EQ(Variant(true).StringValue(), "True");
  EXPECT_EQ(Variant().ObjectValue(), nullptr);
  EXPECT_THROW(Variant("A").ObjectValue(), TypeMismatchException);
  EXPECT_THROW(Variant(New<Thing>()).StringValue(), TypeMismatchException);
}

TEST(Variant, CopiesShareObjectsAndKeepThemAlive) {
  std::weak_ptr<Thing> watch;
  {
    Variant outer;
    {
      Ref<Thing> t = New<Thing>();
      watch = t.shared();
      Variant v(t);
      outer = v;
      Variant third = outer;
      EXPECT_EQ(third, v);
    }
    EXPECT_FALSE(watch.expired());
    outer = Variant("A");
    EXPECT_TRUE(watch.expired());
  }
}

TEST(Variant, LongTextsSurviveCopiesAndAssignment) {
  std::vector<Variant> many;
  Variant long1(std::string(100, 'x'));
  for (int i = 0; i < 50; ++i) many.push_back(long1);
  many[3] = Variant("C");
  many[4] = many[4];
  long1 = Variant();
  EXPECT_EQ(many[0].StringValue(), std::string(100, 'x'));
  EXPECT_EQ(many[49].StringValue(), std::string(100, 'x'));
  EXPECT_EQ(many[3].StringValue(), "C");
  EXPECT_EQ(many[4].StringValue(), std::string(100, 'x'));
}

TEST(Variant, EqualityNeedsTheSameTypeAndValue) {
  EXPECT_EQ(Variant("A"), Variant(std::string("A")));
  EXPECT_NE(Variant("A"), Variant("T"));
  EXPECT_NE(Variant(int32_t{1}), Variant(1.0));
  EXPECT_EQ(Variant(), Variant());
  EXPECT_NE(Variant(New<Thing>()), Variant(New<Thing>()));
  EXPECT_EQ(Variant("123456"), Variant("123456"));
  EXPECT_NE(Variant("1234567"), Variant("1234568"));
}

}  // namespace
