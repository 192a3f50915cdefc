#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cArray.h"

namespace {

Ref<cArray> Letters(const std::string& letters) {
  Ref<cArray> a = New<cArray>();
  a->Constructor();
  for (char c : letters) a->append(std::string(1, c));
  return a;
}

std::string Joined(const Ref<cArray>& a) {
  std::string s;
  for (int32_t i = 0; i <= a->ubound(); ++i) {
    const Variant v = a->get(i);
    s += v.type() == Variant::Type::Nothing ? "_" : v.StringValue();
  }
  return s;
}

TEST(cArray, NewArrayIsEmptyAndAppendStartsAtZero) {
  Ref<cArray> a = New<cArray>();
  EXPECT_EQ(a->ubound(), -1);
  a->Constructor();
  EXPECT_EQ(a->ubound(), -1);
  a->append("A");
  EXPECT_EQ(a->ubound(), 0);
  EXPECT_EQ(a->get(0).StringValue(), "A");
}

TEST(cArray, ConstructorGivesEmptyElementsZeroToN) {
  Ref<cArray> a = New<cArray>();
  a->Constructor(100);
  EXPECT_EQ(a->ubound(), 100);
  for (int32_t i = 1; i <= 100; ++i) a->set(i, "G");
  EXPECT_EQ(a->get(0).type(), Variant::Type::Nothing);
  EXPECT_EQ(a->get(100).StringValue(), "G");
}

TEST(cArray, InsertAndRemoveShiftTheLaterElements) {
  Ref<cArray> a = Letters("abd");
  a->insert(2, "c");
  EXPECT_EQ(Joined(a), "abcd");
  a->insert(4, "e");  // one past the end is an append
  EXPECT_EQ(Joined(a), "abcde");
  a->remove(0);
  EXPECT_EQ(Joined(a), "bcde");
  EXPECT_EQ(a->ubound(), 3);
}

TEST(cArray, BadIndicesRaiseOutOfBounds) {
  Ref<cArray> a = Letters("abc");
  EXPECT_THROW(a->get(3), OutOfBoundsException);
  EXPECT_THROW(a->get(-1), OutOfBoundsException);
  EXPECT_THROW(a->set(3, "x"), OutOfBoundsException);
  EXPECT_THROW(a->remove(5), OutOfBoundsException);
  EXPECT_THROW(a->insert(5, "x"), OutOfBoundsException);
  EXPECT_THROW(a->swap(0, 9), OutOfBoundsException);
  EXPECT_EQ(Joined(a), "abc");  // the failed swap read before it wrote
}

TEST(cArray, SwapExchangesTwoElements) {
  Ref<cArray> a = Letters("abc");
  a->swap(0, 2);
  EXPECT_EQ(Joined(a), "cba");
  a->swap(1, 1);
  EXPECT_EQ(Joined(a), "cba");
}

TEST(cArray, ReverseOfOddEvenSingleAndEmpty) {
  Ref<cArray> odd = Letters("abcde");
  odd->reverse();
  EXPECT_EQ(Joined(odd), "edcba");
  Ref<cArray> even = Letters("abcd");
  even->reverse();
  EXPECT_EQ(Joined(even), "dcba");
  Ref<cArray> six = Letters("abcdef");
  six->reverse();
  EXPECT_EQ(Joined(six), "fedcba");
  Ref<cArray> single = Letters("a");
  single->reverse();
  EXPECT_EQ(Joined(single), "a");
  Ref<cArray> empty = Letters("");
  EXPECT_NO_THROW(empty->reverse());
  EXPECT_EQ(empty->ubound(), -1);
}

TEST(cArray, CopyToALargerOrSmallerTargetKeepsTheTargetSize) {
  Ref<cArray> big = Letters("abcdef");    // upper bound 5
  Ref<cArray> small = Letters("wxyz");    // upper bound 3
  big->copyTo(small);
  EXPECT_EQ(small->ubound(), 3);
  EXPECT_EQ(Joined(small), "abcd");

  Ref<cArray> source = Letters("abcd");
  Ref<cArray> target = Letters("uvwxyz");
  source->copyTo(target);
  EXPECT_EQ(target->ubound(), 5);
  EXPECT_EQ(Joined(target), "abcdyz");
}

TEST(cArray, CopyToOrFromAnEmptyArrayCopiesNothing) {
  Ref<cArray> empty = Letters("");
  Ref<cArray> target = Letters("xyz");
  empty->copyTo(target);
  EXPECT_EQ(Joined(target), "xyz");
  target->copyTo(empty);
  EXPECT_EQ(empty->ubound(), -1);
}

TEST(cArray, CopyToNilRaisesNilObject) {
  Ref<cArray> a = Letters("abc");
  EXPECT_THROW(a->copyTo(nullptr), NilObjectException);
}

TEST(cArray, CloneIsIndependentForTextsAndSharesObjects) {
  Ref<cArray> source = New<cArray>();
  source->Constructor(100);
  const std::string letters = "ATGC";
  for (int32_t i = 1; i <= 100; ++i) source->set(i, letters.substr(i % 4, 1));
  Ref<cArray> copy = source->clone();
  ASSERT_EQ(copy->ubound(), 100);
  EXPECT_EQ(copy->get(0).type(), Variant::Type::Nothing);
  for (int32_t i = 1; i <= 100; ++i) ASSERT_EQ(copy->get(i), source->get(i));
  copy->set(7, "X");
  EXPECT_EQ(source->get(7).StringValue(), letters.substr(7 % 4, 1));

  Ref<cArray> inner = Letters("q");
  Ref<cArray> holder = New<cArray>();
  holder->Constructor(1);
  holder->set(1, inner);
  Ref<cArray> holderCopy = holder->clone();
  EXPECT_EQ(holderCopy->get(1).ObjectValue(), Ref<Object>(inner));
}

TEST(cArray, SortAndDisplayChangeNothing) {
  Ref<cArray> a = Letters("cab");
  a->sort();
  a->display();
  EXPECT_EQ(Joined(a), "cab");
}

}  // namespace
