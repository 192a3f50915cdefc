#include <gtest/gtest.h>

#include "Array.h"
#include "Object.h"

namespace {

struct Base : Object {
  virtual int kind() const { return 1; }
};
struct Derived : Base {
  int kind() const override { return 2; }
};

TEST(Ref, NilAccessRaisesInsteadOfCrashing) {
  Ref<Base> nil;
  EXPECT_TRUE(nil == nullptr);
  EXPECT_THROW(nil->kind(), NilObjectException);
  EXPECT_THROW(*nil, NilObjectException);
  try {
    nil->kind();
  } catch (const FrameworkException& e) {
    SUCCEED() << e.what();
  }
}

TEST(Ref, TypeTestingCast) {
  Ref<Base> d = New<Derived>();
  EXPECT_EQ(d->kind(), 2);
  EXPECT_NE(Cast<Derived>(d), nullptr);
  Ref<Base> b = New<Base>();
  EXPECT_EQ(Cast<Derived>(b), nullptr);
  EXPECT_EQ(Cast<Derived>(Ref<Base>()), nullptr);
  Derived* raw = static_cast<Derived*>(d.get());
  EXPECT_EQ(RefTo(raw), d);
}

TEST(Array, StartsEmptyAndChecksEveryIndex) {
  Array<int> a;
  EXPECT_EQ(a.UBound(), -1);
  EXPECT_THROW(a(0), OutOfBoundsException);
  a.Redim(2);
  EXPECT_EQ(a.UBound(), 2);
  a(2) = 5;
  EXPECT_THROW(a(3), OutOfBoundsException);
  EXPECT_THROW(a(-1), OutOfBoundsException);
  a.Redim(4);  // keeps what it held
  EXPECT_EQ(a(2), 5);
  EXPECT_EQ(a(4), 0);
  a.Redim(-1);
  EXPECT_EQ(a.UBound(), -1);
}

TEST(Array, InsertAppendRemove) {
  Array<int> a;
  a.Append(1);
  a.Append(3);
  a.Insert(1, 2);
  a.Insert(3, 4);
  EXPECT_THROW(a.Insert(9, 9), OutOfBoundsException);
  EXPECT_EQ(a.UBound(), 3);
  for (int i = 0; i <= 3; ++i) EXPECT_EQ(a(i), i + 1);
  a.Remove(0);
  EXPECT_EQ(a(0), 2);
  EXPECT_THROW(a.Remove(3), OutOfBoundsException);
}

}  // namespace
