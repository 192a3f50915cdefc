#include <gtest/gtest.h>

#include <vector>

#include "Variant.h"

namespace {

struct Thing : Object {};

TEST(Variant, ConvertsAsDocumented) {
  const std::pair<Variant, std::string> texts[] = {
      {Variant(), ""}, {int32_t{42}, "42"}, {1000.0, "1000"}, {true, "True"}, {std::string(40, 'x'), std::string(40, 'x')}};
  for (const auto& [v, text] : texts) EXPECT_EQ(v.StringValue(), text);
  const std::pair<Variant, int32_t> numbers[] = {{Variant(), 0}, {2.9, 2}, {"12.5", 12}};
  for (const auto& [v, number] : numbers) EXPECT_EQ(v.Int32Value(), number) << v.StringValue();
  EXPECT_EQ(Variant("12.5").DoubleValue(), 12.5);
  Ref<Thing> t = New<Thing>();
  EXPECT_EQ(Cast<Thing>(Variant(t).ObjectValue()), t);
  EXPECT_EQ(Variant().ObjectValue(), nullptr);
  EXPECT_TRUE(Variant(Ref<Thing>()).IsNil());
  EXPECT_THROW(Variant("A").ObjectValue(), TypeMismatchException);
  EXPECT_THROW(Variant(t).StringValue(), TypeMismatchException);
}

TEST(Variant, EqualityNeedsTheSameTypeAndValue) {
  EXPECT_EQ(Variant("A"), Variant(std::string("A")));
  EXPECT_NE(Variant("A"), Variant("T"));
  EXPECT_EQ(Variant("123456"), Variant("123456"));
  EXPECT_NE(Variant("1234567"), Variant("1234568"));
  EXPECT_NE(Variant(int32_t{1}), Variant(1.0));
  EXPECT_EQ(Variant(), Variant());
  EXPECT_NE(Variant(New<Thing>()), Variant(New<Thing>()));
}

TEST(Variant, CopiesShareObjectsAndLongTextsAndKeepThemAlive) {
  std::weak_ptr<Thing> watch;
  Variant outer;
  {
    Ref<Thing> t = New<Thing>();
    watch = t.shared();
    outer = Variant(t);
  }
  EXPECT_FALSE(watch.expired());
  outer = Variant("A");
  EXPECT_TRUE(watch.expired());

  std::vector<Variant> many(50, Variant(std::string(100, 'x')));
  many[3] = Variant("C");
  many[4] = many[4];
  for (int i : {0, 4, 49}) EXPECT_EQ(many[i].StringValue(), std::string(100, 'x'));
  EXPECT_EQ(many[3].StringValue(), "C");
}

}  // namespace
