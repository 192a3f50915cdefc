// Property streams: their bytes, reading them back, and applying them to a window.
#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {

using namespace std::string_literals;

TEST(PropertyStream, EachKindHasItsByteFormat) {
  EXPECT_EQ(PropertyStream().Boolean("Visible", true).Bytes(), "Visible \x01"s);
  EXPECT_EQ(PropertyStream().Boolean("Composite", false).Bytes(), "Composite \0"s);
  EXPECT_EQ(PropertyStream().Color("BackColor", RGB(255, 0, 128)).Bytes(), "BackColor \xFF\0\x80"s);
  EXPECT_EQ(PropertyStream().Text("Title", "Hi there").Bytes(), "Title \0\0\0\x08Hi there"s);
  EXPECT_EQ(PropertyStream().Text("BalloonHelp", "").Bytes(), "BalloonHelp \0\0\0\0"s);
  EXPECT_EQ(PropertyStream().Int32("Width", 441).Bytes(), "Width \0\0\x01\xB9"s);
  EXPECT_EQ(PropertyStream().Int32("MaxWidth", 32000).Bytes(), "MaxWidth \0\0\x7D\x00"s);
  EXPECT_EQ(PropertyStream().Int32("Left", -2).Bytes(), "Left \xFF\xFF\xFF\xFE"s);
  // Records follow one another with nothing between them.
  EXPECT_EQ(PropertyStream().Int32("Frame", 2).Boolean("Visible", false).Bytes(), "Frame \0\0\0\x02Visible \0"s);
  // A value of another kind than its name's is refused.
  EXPECT_THROW(PropertyStream().Int32("Visible", 1), TypeMismatchException);
  EXPECT_THROW(PropertyStream().Text("Width", "441"), TypeMismatchException);
}

PropertyRecord Int(const std::string& name, int32_t v) {
  PropertyRecord r{name, {}};
  r.value.kind = PropertyValue::Kind::Int32;
  r.value.int32 = v;
  return r;
}
PropertyRecord Bool(const std::string& name, bool v) {
  PropertyRecord r{name, {}};
  r.value.kind = PropertyValue::Kind::Boolean;
  r.value.boolean = v;
  return r;
}
PropertyRecord Text(const std::string& name, const std::string& v) {
  PropertyRecord r{name, {}};
  r.value.kind = PropertyValue::Kind::Text;
  r.value.text = v;
  return r;
}
PropertyRecord Colour(const std::string& name, Color v) {
  PropertyRecord r{name, {}};
  r.value.kind = PropertyValue::Kind::Color;
  r.value.color = v;
  return r;
}

// The About window's own record.
const std::vector<PropertyRecord>& AboutRecords() {
  static const std::vector<PropertyRecord> records = {
      Int("Placement", 2),        Int("Width", 441),         Int("Height", 535),
      Int("MinWidth", 64),        Int("MinHeight", 64),      Int("MaxWidth", 32000),
      Int("MaxHeight", 32000),    Int("Frame", 2),           Bool("Composite", false),
      Bool("HasBackColor", true), Colour("BackColor", RGB(255, 255, 255)),
      Text("Title", "About Trevalin"), Bool("Visible", true), Bool("FullScreen", false),
      Bool("MenuBarVisible", true), Bool("CloseButton", false), Bool("Resizeable", false),
      Bool("LiveResize", true),   Bool("MaximizeButton", false), Bool("MinimizeButton", false),
      Int("MacProcID", 0),        Text("BalloonHelp", "")};
  return records;
}

// Appends one record to a stream, as a layout writes it.
void Put(PropertyStream& s, const PropertyRecord& r) {
  switch (r.value.kind) {
    case PropertyValue::Kind::Boolean: s.Boolean(r.name, r.value.boolean); break;
    case PropertyValue::Kind::Color: s.Color(r.name, r.value.color); break;
    case PropertyValue::Kind::Text: s.Text(r.name, r.value.text); break;
    case PropertyValue::Kind::Int32: s.Int32(r.name, r.value.int32); break;
  }
}

std::string AboutStream() {
  PropertyStream s;
  for (const PropertyRecord& r : AboutRecords()) Put(s, r);
  return s.Bytes();
}

TEST(PropertyStream, TheAboutRecordReadsBackAsItWasWritten) {
  const std::string bytes = AboutStream();
  EXPECT_EQ(bytes.substr(0, 20), "Placement \0\0\0\x02Width "s);
  EXPECT_EQ(ReadPropertyStream(bytes), AboutRecords());
  EXPECT_TRUE(ReadPropertyStream("").empty());
}

TEST(PropertyStream, UnknownNamesAndTruncatedStreamsAreRefused) {
  EXPECT_THROW(ReadPropertyStream("Colour \x01"s), TypeMismatchException);
  EXPECT_THROW(ReadPropertyStream("Visible"s), TypeMismatchException);
  EXPECT_THROW(ReadPropertyStream("Title \xFF\xFF\xFF\xFF"s), TypeMismatchException);  // a negative length

  // Every cut that is not between two records is refused.
  std::vector<size_t> ends = {0};
  for (const PropertyRecord& r : AboutRecords()) {
    PropertyStream one;
    Put(one, r);
    ends.push_back(ends.back() + one.Bytes().size());
  }
  const std::string bytes = AboutStream();
  ASSERT_EQ(ends.back(), bytes.size());
  size_t read = 0;
  for (size_t length = 0; length <= bytes.size(); ++length) {
    const bool whole = std::find(ends.begin(), ends.end(), length) != ends.end();
    try {
      read = ReadPropertyStream(bytes.substr(0, length)).size();
      EXPECT_TRUE(whole) << "a stream cut at " << length << " was read";
    } catch (const TypeMismatchException&) {
      EXPECT_FALSE(whole) << "a stream of " << length << " whole bytes was refused";
    }
  }
  EXPECT_EQ(read, AboutRecords().size());
}

class AboutLike : public Window {
public:
  std::string ClassName() const override { return "AboutLike.AboutLike"; }
  void Layout() override { SetProperties(RefTo(this), AboutStream()); }
};

using PropertyStreamWindowTest = test::WindowTest;

TEST_F(PropertyStreamWindowTest, TheAboutRecordMakesAFixedWindow) {
  Ref<AboutLike> w = New<AboutLike>();
  w->Constructor();
  test::ProcessPending();
  EXPECT_TRUE(w->Visible());
  EXPECT_EQ(w->Title(), "About Trevalin");
  EXPECT_EQ(w->widget()->windowTitle(), QString("About Trevalin"));
  EXPECT_EQ(w->Width(), 441);
  EXPECT_EQ(w->Height(), 535);
  EXPECT_EQ(w->widget()->minimumSize(), w->widget()->maximumSize());
  EXPECT_FALSE(w->widget()->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(w->widget()->windowFlags() & Qt::WindowMaximizeButtonHint);

  w->widget()->resize(600, 700);
  test::ProcessPending();
  EXPECT_EQ(w->Width(), 441);
  EXPECT_EQ(w->Height(), 535);
  EXPECT_EQ(test::Grab(w).pixelColor(200, 300), QColor(255, 255, 255));
}

}  // namespace
