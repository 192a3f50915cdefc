// Pictures and drawing: every pixel where the rules put it.
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "TextNumber.h"

namespace {

const QColor kWhite(255, 255, 255), kRed(255, 0, 0), kBlue(0, 0, 255);

// The pixels of image that have colour c: how many, and the rectangle around them.
struct Pixels {
  int count = 0;
  QRect box;
};
Pixels Find(const QImage& image, const QColor& c) {
  Pixels found;
  for (int i = 0; i < image.width() * image.height(); ++i) {
    const int x = i % image.width(), y = i / image.width();
    if (image.pixelColor(x, y) == c) ++found.count, found.box |= QRect(x, y, 1, 1);
  }
  return found;
}

// A picture is opaque white when made, and drawn whole at its own size.
TEST(Drawing, RectanglesCoverExactlyTheirPixelsAndATransparentPictureLeavesItsWhiteOut) {
  Ref<Picture> p = NewPicture(20, 20, 32);
  Ref<Graphics> g = p->Graphics();
  g->SetForeColor(RGB(255, 0, 0));
  g->FillRect(2, 3, 5, 4);
  g->SetForeColor(RGB(0, 0, 255));
  g->DrawRect(10, 8, 6, 5);
  g->FillRect(0, 0, 0, 3);  // nothing
  const Pixels red = Find(p->image(), kRed), blue = Find(p->image(), kBlue);
  EXPECT_EQ(red.count, 5 * 4);
  EXPECT_EQ(red.box, QRect(2, 3, 5, 4));
  EXPECT_EQ(blue.count, 2 * 6 + 2 * 5 - 4);  // a frame one pixel wide
  EXPECT_EQ(blue.box, QRect(10, 8, 6, 5));
  EXPECT_EQ(Find(p->image(), kWhite).count, 400 - 20 - 18);
  for (const int32_t transparent : {0, 1}) {
    p->SetTransparent(transparent);
    Ref<Picture> page = NewPicture(30, 30, 32);
    page->Graphics()->FillRect(0, 0, 30, 30);  // black
    page->Graphics()->DrawPicture(p, 5, 6);
    EXPECT_EQ(Find(page->image(), kRed).count, 5 * 4);
    EXPECT_EQ(Find(page->image(), kRed).box, QRect(7, 9, 5, 4));
    EXPECT_EQ(Find(page->image(), kWhite).count, transparent ? 0 : 400 - 20 - 18);
  }
  // Cut at the edges: a fill over the left and bottom, a frame over the top and
  // right, and the picture drawn over a page's top and right.
  g->SetForeColor(RGB(0, 255, 0));
  g->FillRect(-3, 17, 5, 10);
  g->SetForeColor(RGB(0, 0, 0));
  g->DrawRect(17, -2, 5, 5);
  const Pixels green = Find(p->image(), QColor(0, 255, 0)), black = Find(p->image(), QColor(0, 0, 0));
  EXPECT_EQ(green.count, 2 * 3);
  EXPECT_EQ(green.box, QRect(0, 17, 2, 3));
  EXPECT_EQ(black.count, 3 + 2);
  EXPECT_EQ(black.box, QRect(17, 0, 3, 3));
  Ref<Picture> page = NewPicture(30, 30, 32);
  page->Graphics()->DrawPicture(p, 25, -3);
  EXPECT_EQ(Find(page->image(), kRed).count, 3 * 4);
  EXPECT_EQ(Find(page->image(), kRed).box, QRect(27, 0, 3, 4));
  EXPECT_THROW(NewPicture(7, 5, 8), FrameworkException);
}

TEST(Drawing, OvalsInkExactlyThePixelsOfTheRuleAndAreCutAtEveryEdge) {
  const QSize page(40, 30);
  std::vector<QRect> boxes = {QRect(5, 7, 15, 11), QRect(1, 1, 8, 5), QRect(3, 4, 4, 4), QRect(2, 2, 2, 2),
                              QRect(2, 2, 1, 1), QRect(20, 3, 1, 6), QRect(-50, 3, 12, 12), QRect(40, 3, 12, 12)};
  // The dot sizes of the program, whole and across each edge and corner.
  for (const int d : {12, 8, 5}) {
    for (const QPoint at : {QPoint(9, 8), QPoint(-3, 8), QPoint(9, -4), QPoint(40 - d + 3, 8), QPoint(9, 30 - d + 4),
                            QPoint(-2, -3), QPoint(40 - d + 2, 30 - d + 1)}) {
      boxes.push_back(QRect(at, QSize(d, d)));
    }
  }
  const QColor ink(200, 30, 90);
  for (const QRect& box : boxes) {
    SCOPED_TRACE(testing::Message() << box.x() << "," << box.y() << " " << box.width() << "x" << box.height());
    Ref<Picture> p = NewPicture(page.width(), page.height(), 32);
    p->Graphics()->SetForeColor(RGB(ink.red(), ink.green(), ink.blue()));
    p->Graphics()->FillOval(box.x(), box.y(), box.width(), box.height());
    EXPECT_EQ(p->image(), test::OvalByHand(page, box, ink));
  }
}

// At a device pixel ratio r, logical v falls on device pixel floor(v r + 1/2), and each drawing covers the
// device box of its logical one: at 2 a frame is two pixels wide and a 12-pixel dot the 24-pixel oval; at
// 1.25 the edges round half up, so the frame's rows are two pixels high and its columns one wide.
TEST(Drawing, AtOtherRatiosEveryDrawingCoversTheDeviceBoxOfItsLogicalOne) {
  struct Case { double ratio; QSize pixels; QRect fill; int framePixels; QRect frame, oval; };
  for (const Case& c : {Case{2, QSize(60, 40), QRect(4, 6, 10, 8), 12 * 10 - 8 * 6, QRect(20, 2, 12, 10), QRect(2, 16, 24, 24)},
                        Case{1.25, QSize(38, 25), QRect(3, 4, 6, 5), 7 * 7 - 5 * 3, QRect(13, 1, 7, 7), QRect(1, 10, 15, 15)}}) {
    SCOPED_TRACE(c.ratio);
    Ref<Picture> p = New<Picture>(30, 20, c.ratio);
    EXPECT_EQ(p->Width(), 30);
    EXPECT_EQ(p->Height(), 20);
    EXPECT_EQ(p->image().size(), c.pixels);
    Ref<Graphics> g = p->Graphics();
    g->SetForeColor(RGB(255, 0, 0));
    g->FillRect(2, 3, 5, 4);
    g->SetForeColor(RGB(0, 0, 255));
    g->DrawRect(10, 1, 6, 5);
    const Pixels red = Find(p->image(), kRed), blue = Find(p->image(), kBlue);
    EXPECT_EQ(red.count, c.fill.width() * c.fill.height());
    EXPECT_EQ(red.box, c.fill);
    EXPECT_EQ(blue.count, c.framePixels);
    EXPECT_EQ(blue.box, c.frame);
    Ref<Picture> dot = New<Picture>(30, 20, c.ratio);
    dot->Graphics()->SetForeColor(RGB(200, 30, 90));
    dot->Graphics()->FillOval(1, 8, 12, 12);
    EXPECT_EQ(dot->image().convertToFormat(QImage::Format_RGB32),
              test::OvalByHand(c.pixels, c.oval, QColor(200, 30, 90)).convertToFormat(QImage::Format_RGB32));
  }
  // A picture of the same ratio is copied pixel for pixel; one of another is scaled smoothly into the
  // device box of its logical size: a red and a blue half meet through colours of their own.
  Ref<Picture> halves = New<Picture>(4, 4, 1.0);
  halves->Graphics()->SetForeColor(RGB(255, 0, 0));
  halves->Graphics()->FillRect(0, 0, 2, 4);
  halves->Graphics()->SetForeColor(RGB(0, 0, 255));
  halves->Graphics()->FillRect(2, 0, 2, 4);
  Ref<Picture> dot = New<Picture>(6, 6, 2.0);
  dot->Graphics()->FillOval(0, 0, 6, 6);
  // At 1.25 too, wherever its corner falls; a picture far beyond the page leaves it alone.
  Ref<Picture> odd = New<Picture>(14, 14, 1.25);
  odd->Graphics()->FillOval(1, 2, 12, 11);
  for (const int32_t x : {0, 1, 2, 3, 2147483647, -2147483647 - 1}) {
    Ref<Picture> page = New<Picture>(40, 20, 1.25);
    page->Graphics()->DrawPicture(odd, x, 0);
    const int left = static_cast<int>(std::floor(x * 1.25 + 0.5));
    if (x >= 0 && x < 4) EXPECT_EQ(page->image().copy(left, 0, 18, 18), odd->image()) << x;
    else EXPECT_EQ(Find(page->image(), kWhite).count, 50 * 25) << x;
  }
  for (const Ref<Picture>& drawn : {halves, dot}) {
    Ref<Picture> page = New<Picture>(10, 10, 2.0);
    page->Graphics()->SetForeColor(RGB(0, 255, 0));
    page->Graphics()->FillRect(0, 0, 10, 10);
    page->Graphics()->DrawPicture(drawn, 1, 2);
    const QImage inside = page->image().copy(2, 4, drawn->Width() * 2, drawn->Height() * 2);
    EXPECT_EQ(Find(page->image(), QColor(0, 255, 0)).count, 400 - inside.width() * inside.height());
    if (drawn == dot) {
      EXPECT_EQ(inside.convertToFormat(QImage::Format_RGB32), dot->image().convertToFormat(QImage::Format_RGB32));
    } else {
      const int red = Find(inside, kRed).count, blue = Find(inside, kBlue).count;
      EXPECT_GE(red, 8 * 3);
      EXPECT_GE(blue, 8 * 3);
      EXPECT_LT(red + blue, 8 * 8) << "pixels of neither colour where the halves meet";
    }
  }
}

// Whatever the face, the first line stands on y and each return starts a line
// 1.1 times the text size lower.
TEST(Drawing, TextStandsOnItsBaselineAndAReturnStartsALineOnePitchLower) {
  auto drawn = [](const std::vector<std::pair<std::string, int>>& lines) {
    Ref<Picture> p = NewPicture(200, 100, 32);
    p->Graphics()->SetTextSize(14);
    for (const auto& [text, y] : lines) p->Graphics()->DrawString(text, 5, y);
    return p->image();
  };
  EXPECT_EQ(Find(drawn({{"HE", 30}}).copy(0, 31, 200, 69), kWhite).count, 200 * 69);
  EXPECT_LT(Find(drawn({{"HE", 30}}).copy(0, 21, 200, 10), kWhite).count, 200 * 10);
  EXPECT_EQ(drawn({{"HE" + Chr(13) + "HE", 30}}), drawn({{"HE", 30}, {"HE", 45}}));
}

}  // namespace
