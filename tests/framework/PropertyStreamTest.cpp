// Property streams: their bytes, and reading them back.
#include <gtest/gtest.h>

#include "PropertyStream.h"

namespace {

using namespace std::string_literals;

TEST(PropertyStream, EachKindHasItsByteFormatAndAStreamReadsBackWholeRecordsOnly) {
  const std::string bytes = PropertyStream().Boolean("Visible", true).Boolean("Composite", false)
      .Color("BackColor", RGB(255, 0, 128)).Text("Title", "Hi there").Text("BalloonHelp", "")
      .Int32("Width", 441).Int32("MaxWidth", 32000).Int32("Left", -2).Bytes();
  const std::string records[] = {"Visible \x01"s, "Composite \0"s, "BackColor \xFF\0\x80"s, "Title \0\0\0\x08Hi there"s,
                                 "BalloonHelp \0\0\0\0"s, "Width \0\0\x01\xB9"s, "MaxWidth \0\0\x7D\x00"s, "Left \xFF\xFF\xFF\xFE"s};
  std::string joined;
  std::vector<size_t> ends = {0};
  for (const std::string& r : records) ends.push_back((joined += r).size());
  EXPECT_EQ(bytes, joined);  // one record after another, nothing between them

  using K = PropertyValue::Kind;
  EXPECT_EQ(ReadPropertyStream(bytes), (std::vector<PropertyRecord>{
      {"Visible", {K::Boolean, true, {}, "", 0}}, {"Composite", {K::Boolean, false, {}, "", 0}},
      {"BackColor", {K::Color, false, RGB(255, 0, 128), "", 0}}, {"Title", {K::Text, false, {}, "Hi there", 0}},
      {"BalloonHelp", {K::Text, false, {}, "", 0}}, {"Width", {K::Int32, false, {}, "", 441}},
      {"MaxWidth", {K::Int32, false, {}, "", 32000}}, {"Left", {K::Int32, false, {}, "", -2}}}));
  auto reads = [](const std::string& s) {
    try { ReadPropertyStream(s); } catch (const TypeMismatchException&) { return false; }
    return true;
  };
  for (size_t length = 0; length <= bytes.size(); ++length) {
    EXPECT_EQ(reads(bytes.substr(0, length)), std::count(ends.begin(), ends.end(), length) == 1) << "cut at " << length;
  }
  EXPECT_FALSE(reads("Colour \x01"s));             // an unknown name
  EXPECT_FALSE(reads("Title \xFF\xFF\xFF\xFF"s));  // a negative length
  EXPECT_THROW(PropertyStream().Int32("Visible", 1), TypeMismatchException);  // a value of another kind
  EXPECT_THROW(PropertyStream().Text("Width", "441"), TypeMismatchException);
}

}  // namespace
