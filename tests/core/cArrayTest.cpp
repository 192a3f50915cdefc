#include <gtest/gtest.h>

#include "CoreTestSupport.h"

namespace {

using coretest::Letters;
using coretest::Text;

TEST(cArray, StartsEmptyAndConstructorGivesEmptyElementsZeroToN) {
  Ref<cArray> a = New<cArray>();
  EXPECT_EQ(a->ubound(), -1);
  a->Constructor();
  EXPECT_EQ(a->ubound(), -1);
  a->append("A");
  EXPECT_EQ(Text(a), "A");
  Ref<cArray> b = New<cArray>();
  b->Constructor(100);
  b->set(100, "G");
  EXPECT_EQ(Text(b), std::string(100, '_') + "G");
}

TEST(cArray, EditsMoveTheLaterElements) {
  const std::tuple<const char*, void (*)(cArray&), const char*> cases[] = {
      {"abd", [](cArray& a) { a.insert(2, "c"); }, "abcd"},
      {"abc", [](cArray& a) { a.insert(3, "d"); }, "abcd"},  // one past the end
      {"abc", [](cArray& a) { a.append("d"); }, "abcd"},
      {"abc", [](cArray& a) { a.remove(0); }, "bc"},
      {"abc", [](cArray& a) { a.swap(0, 2); }, "cba"},
      {"abc", [](cArray& a) { a.swap(1, 1); }, "abc"},
      {"abcde", [](cArray& a) { a.reverse(); }, "edcba"},
      {"abcd", [](cArray& a) { a.reverse(); }, "dcba"},
      {"a", [](cArray& a) { a.reverse(); }, "a"},
      {"", [](cArray& a) { a.reverse(); }, ""},
      {"cab", [](cArray& a) { a.sort(), a.display(); }, "cab"},
  };
  for (const auto& [before, edit, after] : cases) {
    Ref<cArray> a = Letters(before);
    edit(*a);
    EXPECT_EQ(Text(a), after) << "from " << before;
  }
}

TEST(cArray, BadIndicesAndNilTargetsRaiseAndChangeNothing) {
  Ref<cArray> a = Letters("abc");
  EXPECT_THROW(a->get(3), OutOfBoundsException);
  EXPECT_THROW(a->get(-1), OutOfBoundsException);
  EXPECT_THROW(a->set(3, "x"), OutOfBoundsException);
  EXPECT_THROW(a->remove(5), OutOfBoundsException);
  EXPECT_THROW(a->insert(5, "x"), OutOfBoundsException);
  EXPECT_THROW(a->swap(0, 9), OutOfBoundsException);
  EXPECT_THROW(a->copyTo(nullptr), NilObjectException);
  EXPECT_EQ(Text(a), "abc");
}

TEST(cArray, CopyToFillsOnlyWhatBothHoldAndNeverResizesTheTarget) {
  const char* const cases[][3] = {
      {"abcdef", "wxyz", "abcd"}, {"abcd", "uvwxyz", "abcdyz"}, {"", "xyz", "xyz"}, {"xyz", "", ""}};
  for (const auto& [source, target, after] : cases) {
    Ref<cArray> t = Letters(target);
    Letters(source)->copyTo(t);
    EXPECT_EQ(Text(t), after) << source << " into " << target;
  }
}

TEST(cArray, AClonesTextsAreItsOwnAndItsObjectsShared) {
  const std::string letters = std::string(25, 'A') + std::string(25, 'T') + std::string(50, 'G');
  Ref<cArray> source = Letters(letters, 1);
  Ref<cArray> copy = source->clone();
  EXPECT_EQ(Text(copy), "_" + letters);
  copy->set(7, "X");
  source->set(8, "Y");
  EXPECT_EQ(Text(source, 7), "AY" + letters.substr(8));
  EXPECT_EQ(Text(copy, 7), "XA" + letters.substr(8));
  Ref<cArray> holder = Letters("_");
  holder->set(0, source);
  EXPECT_EQ(holder->clone()->get(0).ObjectValue(), Ref<Object>(source));
}

}  // namespace
