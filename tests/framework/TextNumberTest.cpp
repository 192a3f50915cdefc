#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "TextNumber.h"

static const double kInf = std::numeric_limits<double>::infinity();

TEST(StrVal, WholeNumbersArePlainDigitsAndOtherNumbersTheShortestTextThatReadsBack) {
  const std::pair<double, const char*> cases[] = {
      {0.0, "0"}, {-0.0, "0"}, {1.0, "1"}, {1000.0, "1000"}, {1001.0, "1001"}, {-1.0, "-1"},
      {2147483647.0, "2147483647"}, {-2147483648.0, "-2147483648"}, {999999999999999.0, "999999999999999"}, {1e14, "100000000000000"},
      {0.5, "0.5"}, {2.75, "2.75"}, {0.1, "0.1"}, {-12.5, "-12.5"}, {1e20, "1e+20"}, {1e-7, "1e-07"},
      {97.02990000000001, "97.02990000000001"}};
  for (const auto& [d, text] : cases) {
    EXPECT_EQ(Str(d), text);
    EXPECT_EQ(Val(text), d) << text;
  }
  for (double d : {1.0 / 3.0, 123456.789, 1e300}) EXPECT_EQ(Val(Str(d)), d) << Str(d);
  EXPECT_EQ(Str(int32_t{250}), "250");
  EXPECT_EQ(Str(std::numeric_limits<int32_t>::min()), "-2147483648");
}

TEST(Val, ReadsTheNumberAtTheStartOfATextAndNothingElse) {
  const std::pair<std::string, double> cases[] = {
      {"", 0}, {"abc", 0}, {"-", 0}, {"+", 0}, {".", 0}, {" ", 0}, {"e5", 0}, {"x12", 0}, {"--1", 0},
      {"inf", 0}, {"nan", 0}, {"Infinity", 0}, {"0x10", 0}, {"1,5", 1}, {"3 4", 3},
      {"  42", 42}, {"\t7", 7}, {"+7", 7}, {"-5", -5}, {"0.99", 0.99}, {"500.5", 500.5}, {".5", 0.5}, {"5.", 5},
      {"1e3", 1000}, {"2.5E-1", 0.25}, {"1e+2", 100}, {"42abc", 42}, {"12.5.3", 12.5}, {"1e", 1}, {"1e+", 1},
      {"1e400", kInf}, {"-1e400", -kInf}, {"1e-400", 0}, {"0." + std::string(400, '0') + "1", 0},
      {std::string(400, '9'), kInf}};
  for (const auto& [text, value] : cases) EXPECT_EQ(Val(text), value) << '"' << text << '"';
}

TEST(Numbers, ToInt32CutsTheFractionAndSaturatesAndRoundTakesHalvesAwayFromZero) {
  const std::pair<double, int32_t> cuts[] = {{2.9, 2}, {-2.9, -2}, {130.5, 130}, {38.28420166132659, 38},
                                             {254.99, 254}, {3e9, 2147483647}, {-3e9, -2147483647 - 1},
                                             {std::nan(""), 0}, {kInf, 2147483647}};
  for (const auto& [d, i] : cuts) EXPECT_EQ(ToInt32(d), i) << d;
  const std::pair<double, double> rounds[] = {{2.5, 3}, {155.5, 156}, {-2.5, -3}, {0.5, 1}, {2.6, 3}, {207.33, 207}};
  for (const auto& [d, r] : rounds) EXPECT_EQ(Round(d), r) << d;
  EXPECT_EQ(Floor(-2.5), -3.0);
  EXPECT_EQ(Abs(Floor(-2.5)), 3.0);
  EXPECT_EQ(Abs(int32_t{-4}), 4);
  EXPECT_EQ(Min(5.0, 3.0), 3.0);
  EXPECT_EQ(Min(-1.0, 3.0), -1.0);
  EXPECT_EQ(1.0 - Pow(0.9995, 100.0), 0.04878246975766576);
}

TEST(Text, MidCountsFromOneAndKeepsToTheText) {
  const std::tuple<int32_t, int32_t, const char*> cases[] = {
      {1, 1, "A"}, {3, 2, "GC"}, {5, 3, "A"}, {6, 1, ""}, {0, 2, "AT"}};
  for (const auto& [start, length, part] : cases) EXPECT_EQ(Mid("ATGCA", start, length), part) << start;
  EXPECT_EQ(Mid("ATGCA", 2), "TGCA");
  EXPECT_EQ(Mid("", 1, 1), "");
  EXPECT_EQ(Len("ATGC"), 4);
  EXPECT_EQ(Chr(13), "\r");
  EXPECT_EQ(Chr(65), "A");
  EXPECT_EQ(Chr(0x25B8), "\xE2\x96\xB8");
}
