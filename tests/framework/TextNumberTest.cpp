#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "TextNumber.h"

namespace {

TEST(StrVal, WholeDoublesAreWrittenAsPlainDigitsAndReadBackExactly) {
  for (double d : {0.0, 1.0, 1000.0, -1.0, 2147483647.0, -2147483648.0, 1001.0, 999999999999999.0}) {
    const std::string s = Str(d);
    EXPECT_EQ(s.find_first_of(".eE"), std::string::npos) << s;
    EXPECT_EQ(Val(s), d) << s;
  }
  EXPECT_EQ(Str(0.0), "0");
  EXPECT_EQ(Str(-0.0), "0");
  EXPECT_EQ(Str(1.0), "1");
  EXPECT_EQ(Str(1000.0), "1000");
  EXPECT_EQ(Str(-1.0), "-1");
  EXPECT_EQ(Str(2147483647.0), "2147483647");
}

TEST(StrVal, CountingThroughTextIsExact) {
  std::string text = "0";
  for (int i = 0; i < 1001; ++i) text = Str(Val(text) + 1);
  EXPECT_EQ(text, "1001");
  text = "0";
  text = Str(Val(text) - 1);
  EXPECT_EQ(text, "-1");
}

TEST(StrVal, FractionsAreWrittenInTheShortestFormThatReadsBack) {
  EXPECT_EQ(Str(0.5), "0.5");
  EXPECT_EQ(Str(2.75), "2.75");
  EXPECT_EQ(Str(0.1), "0.1");
  EXPECT_EQ(Str(-12.5), "-12.5");
  EXPECT_EQ(Str(1e20), "1e+20");
  for (double d : {0.1, 1.0 / 3.0, 97.02990000000001, 1e-7, 123456.789, 1e300}) {
    EXPECT_EQ(Val(Str(d)), d) << Str(d);
  }
}

TEST(StrVal, IntegersAsText) {
  EXPECT_EQ(Str(int32_t{0}), "0");
  EXPECT_EQ(Str(int32_t{250}), "250");
  EXPECT_EQ(Str(int32_t{-7}), "-7");
  EXPECT_EQ(Str(std::numeric_limits<int32_t>::min()), "-2147483648");
}

TEST(Val, EmptyOrNonNumericTextIsZero) {
  for (const char* s : {"", "abc", "-", "+", ".", " ", "e5", "inf", "nan", "Infinity", "x12", "--1", "0x10"}) {
    EXPECT_EQ(Val(s), 0.0) << '"' << s << '"';
  }
}

TEST(Val, AcceptsBlanksSignsFractionsAndExponents) {
  EXPECT_EQ(Val("  42"), 42.0);
  EXPECT_EQ(Val("\t7"), 7.0);
  EXPECT_EQ(Val("+7"), 7.0);
  EXPECT_EQ(Val("-5"), -5.0);
  EXPECT_EQ(Val("0.99"), 0.99);
  EXPECT_EQ(Val("500.0"), 500.0);
  EXPECT_EQ(Val("500.5"), 500.5);
  EXPECT_EQ(Val(".5"), 0.5);
  EXPECT_EQ(Val("5."), 5.0);
  EXPECT_EQ(Val("1e3"), 1000.0);
  EXPECT_EQ(Val("2.5E-1"), 0.25);
  EXPECT_EQ(Val("1e+2"), 100.0);
}

TEST(Val, StopsAtTheFirstCharacterThatDoesNotFit) {
  EXPECT_EQ(Val("42abc"), 42.0);
  EXPECT_EQ(Val("12.5.3"), 12.5);
  EXPECT_EQ(Val("1e"), 1.0);
  EXPECT_EQ(Val("1e+"), 1.0);
  EXPECT_EQ(Val("3 4"), 3.0);
  EXPECT_EQ(Val("1,5"), 1.0);
  EXPECT_EQ(Val("0x10"), 0.0);
}

TEST(Val, HugeAndTinyValues) {
  EXPECT_EQ(Val("1e400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(Val("-1e400"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(Val("1e-400"), 0.0);
  EXPECT_EQ(Val("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(Val(std::string(400, '9')), std::numeric_limits<double>::infinity());
}

TEST(ToInt32, CutsTheFractionAndSaturates) {
  EXPECT_EQ(ToInt32(2.9), 2);
  EXPECT_EQ(ToInt32(-2.9), -2);
  EXPECT_EQ(ToInt32(130.5), 130);
  EXPECT_EQ(ToInt32(38.28420166132659), 38);
  EXPECT_EQ(ToInt32(254.99), 254);
  EXPECT_EQ(ToInt32(3e9), 2147483647);
  EXPECT_EQ(ToInt32(-3e9), -2147483647 - 1);
  EXPECT_EQ(ToInt32(std::nan("")), 0);
  EXPECT_EQ(ToInt32(std::numeric_limits<double>::infinity()), 2147483647);
}

TEST(Round, HalvesGoAwayFromZero) {
  EXPECT_EQ(Round(2.5), 3.0);
  EXPECT_EQ(Round(155.5), 156.0);
  EXPECT_EQ(Round(-2.5), -3.0);
  EXPECT_EQ(Round(2.6), 3.0);
  EXPECT_EQ(Round(1.2), 1.0);
  EXPECT_EQ(Round(207.33), 207.0);
}

TEST(Numbers, FloorAbsPowMinSinCos) {
  EXPECT_EQ(Floor(-2.5), -3.0);
  EXPECT_EQ(Abs(Floor(-2.5)), 3.0);
  EXPECT_EQ(Abs(int32_t{-4}), 4);
  EXPECT_EQ(1.0 - Pow(0.9995, 100.0), 0.04878246975766576);
  EXPECT_EQ(Min(5.0, 3.0), 3.0);
  EXPECT_EQ(Min(-1.0, 3.0), -1.0);
  EXPECT_EQ(Sin(0.0), 0.0);
  EXPECT_EQ(Cos(0.0), 1.0);
}

TEST(Text, MidLenChr) {
  EXPECT_EQ(Mid("ATGCA", 1, 1), "A");
  EXPECT_EQ(Mid("ATGCA", 3, 2), "GC");
  EXPECT_EQ(Mid("ATGCA", 5, 3), "A");
  EXPECT_EQ(Mid("ATGCA", 6, 1), "");
  EXPECT_EQ(Mid("ATGCA", 0, 2), "AT");
  EXPECT_EQ(Mid("ATGCA", 2), "TGCA");
  EXPECT_EQ(Mid("", 1, 1), "");
  EXPECT_EQ(Len(""), 0);
  EXPECT_EQ(Len("ATGC"), 4);
  EXPECT_EQ(Chr(13), "\r");
  EXPECT_EQ(Chr(65), "A");
  EXPECT_EQ(Chr(0x25B8), "\xE2\x96\xB8");
}

}  // namespace
