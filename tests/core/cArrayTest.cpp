#include <gtest/gtest.h>

#include "CoreTestSupport.h"

using coretest::Letters;
using coretest::Text;

TEST(cArray, OperationsGiveTheirElementsInOrder) {
  EXPECT_EQ(New<cArray>()->ubound(), -1);
  const std::tuple<const char*, void (*)(cArray&), std::string> cases[] = {
      {"", [](cArray& a) { a.Constructor(), a.append("A"); }, "A"},
      {"", [](cArray& a) { a.Constructor(100), a.set(100, "G"); }, std::string(100, '_') + "G"},
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
  for (const auto& [before, operation, after] : cases) {
    Ref<cArray> a = Letters(before);
    operation(*a);
    EXPECT_EQ(Text(a), after) << "from \"" << before << '"';
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

TEST(cArray, CopyToFillsOnlyWhatBothHoldAndACloneOwnsItsTextsAndSharesItsObjects) {
  const char* const copies[][3] = {{"abcdef", "wxyz", "abcd"}, {"abcd", "uvwxyz", "abcdyz"}, {"", "xyz", "xyz"}, {"xyz", "", ""}};
  for (const auto& [source, target, after] : copies) {
    Ref<cArray> t = Letters(target);
    Letters(source)->copyTo(t);
    EXPECT_EQ(Text(t), after) << source << " into " << target;
  }
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
