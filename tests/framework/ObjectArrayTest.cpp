#include <gtest/gtest.h>

#include <vector>

#include "Array.h"
#include "Object.h"
#include "TestSupport.h"

namespace {

struct Base : Object {
  virtual int kind() const { return 1; }
};
struct Derived : Base {};
struct Further : Derived {};

TEST(Ref, NilAccessRaisesAFrameworkExceptionAndCastAnswersNilForAnotherClass) {
  Ref<Base> nil;
  EXPECT_THROW(nil->kind(), NilObjectException);
  EXPECT_THROW(*nil, FrameworkException);  // what the program's entry reports
  EXPECT_THROW(RefTo<Base>(nullptr), NilObjectException);
  const Ref<Base> d = New<Derived>(), further = New<Further>();
  EXPECT_EQ(Cast<Derived>(d), d);
  EXPECT_EQ(Cast<Derived>(further), further);
  EXPECT_EQ(RefTo(static_cast<Derived*>(d.get())), d);
  EXPECT_EQ(Cast<Derived>(New<Base>()), nullptr);
  EXPECT_EQ(Cast<Derived>(nil), nullptr);
}

std::vector<int> Items(const Array<int>& a) {
  std::vector<int> v;
  for (int i = 0; i <= a.UBound(); ++i) v.push_back(a(i));
  return v;
}

TEST(Array, RedimKeepsWhatItHeldAndACopyIsUntouchedByWritesOnEitherSide) {
  Array<int> a;
  a.Redim(2);
  a(2) = 5;
  Array<int> b = a;
  a(1) = 8;
  b(0) = 7;
  a.Redim(4);
  EXPECT_EQ(Items(a), (std::vector<int>{0, 8, 5, 0, 0}));
  EXPECT_EQ(Items(b), (std::vector<int>{7, 0, 5}));
  a.Redim(-1);
  EXPECT_THROW(a(0), OutOfBoundsException);
  EXPECT_THROW(b(3), OutOfBoundsException);
}

// Some 600 integers fill several chunks of the array's storage: every change below
// crosses a chunk's edge.
TEST(Array, ChangesAcrossItsChunksMoveEveryElementAndLeaveACopyAlone) {
  Array<int> a;
  a.Redim(599);
  std::vector<int> want;
  for (int i = 0; i <= 599; ++i) want.push_back(a(i) = i);
  const Array<int> copy = a;
  const std::vector<int> copied = want;
  a.Insert(0, -1);
  a.Remove(300);
  a(599) = 7;
  want.insert(want.begin(), -1);
  want.erase(want.begin() + 300);
  want[599] = 7;
  EXPECT_EQ(Items(a), want);
  a.Redim(250);
  a.Redim(600);  // what was dropped comes back empty
  want.resize(251);
  want.resize(601);
  EXPECT_EQ(Items(a), want);
  EXPECT_EQ(Items(copy), copied);
}

}  // namespace
