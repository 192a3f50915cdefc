// Property streams: their bytes, reading them back, and applying them to a window.
#include <gtest/gtest.h>

#include "TestSupport.h"

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
  for (size_t length = 0; length <= bytes.size(); ++length) {
    bool read = true;
    try {
      ReadPropertyStream(bytes.substr(0, length));
    } catch (const TypeMismatchException&) {
      read = false;
    }
    EXPECT_EQ(read, std::find(ends.begin(), ends.end(), length) != ends.end()) << "cut after " << length << " bytes";
  }
  EXPECT_THROW(ReadPropertyStream("Colour \x01"s), TypeMismatchException);                 // an unknown name
  EXPECT_THROW(ReadPropertyStream("Title \xFF\xFF\xFF\xFF"s), TypeMismatchException);      // a negative length
  EXPECT_THROW(PropertyStream().Int32("Visible", 1), TypeMismatchException);                // a value of another kind
  EXPECT_THROW(PropertyStream().Text("Width", "441"), TypeMismatchException);
}

class FixedWindow : public Window {
public:
  std::string ClassName() const override { return "FixedWindow.FixedWindow"; }
  void Layout() override {
    SetProperties(RefTo(this), PropertyStream().Int32("Placement", 2).Int32("Width", 441).Int32("Height", 535)
        .Int32("Frame", 2).Boolean("HasBackColor", true).Color("BackColor", RGB(0, 128, 255))
        .Text("Title", "About Trevalin").Boolean("Visible", true).Boolean("CloseButton", false)
        .Boolean("Resizeable", false).Boolean("MaximizeButton", false));
  }
};

using PropertyStreamWindowTest = test::WindowTest;

TEST_F(PropertyStreamWindowTest, AWindowTakesItsRecordsAndKeepsAFixedSize) {
  Ref<FixedWindow> w = New<FixedWindow>();
  w->Constructor();
  test::ProcessPending();
  EXPECT_TRUE(w->widget()->isVisible());
  EXPECT_EQ(w->widget()->windowTitle(), QString("About Trevalin"));
  EXPECT_FALSE(w->widget()->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(w->widget()->windowFlags() & Qt::WindowMaximizeButtonHint);
  w->widget()->resize(600, 700);
  test::ProcessPending();
  EXPECT_EQ(w->Width(), 441);
  EXPECT_EQ(w->Height(), 535);
  EXPECT_EQ(test::Grab(w).pixelColor(200, 300), QColor(0, 128, 255));
}

}  // namespace
