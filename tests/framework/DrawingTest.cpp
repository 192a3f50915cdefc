// Pictures and drawing: every pixel where the rules put it.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "TextNumber.h"

namespace {

const QColor kWhite(255, 255, 255), kRed(255, 0, 0), kBlue(0, 0, 255);

// How many pixels of image have colour c, and the rectangle around them.
std::pair<int, QRect> Find(const QImage& image, const QColor& c) {
  std::pair<int, QRect> found;
  for (int i = 0; i < image.width() * image.height(); ++i) {
    const int x = i % image.width(), y = i / image.width();
    if (image.pixelColor(x, y) == c) ++found.first, found.second |= QRect(x, y, 1, 1);
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
  EXPECT_EQ(Find(p->image(), kRed), std::make_pair(5 * 4, QRect(2, 3, 5, 4)));
  EXPECT_EQ(Find(p->image(), kBlue), std::make_pair(2 * 6 + 2 * 5 - 4, QRect(10, 8, 6, 5)));  // a frame one pixel wide
  EXPECT_EQ(Find(p->image(), kWhite).first, 400 - 20 - 18);
  for (const int32_t transparent : {0, 1}) {
    p->SetTransparent(transparent);
    Ref<Picture> page = NewPicture(30, 30, 32);
    page->Graphics()->FillRect(0, 0, 30, 30);  // black
    page->Graphics()->DrawPicture(p, 5, 6);
    EXPECT_EQ(Find(page->image(), kRed), std::make_pair(5 * 4, QRect(7, 9, 5, 4)));
    EXPECT_EQ(Find(page->image(), kWhite).first, transparent ? 0 : 400 - 20 - 18);
  }
  // Cut at the edges: a fill over the left and bottom, a frame over the top and
  // right, and the picture drawn over a page's top and right.
  g->SetForeColor(RGB(0, 255, 0));
  g->FillRect(-3, 17, 5, 10);
  g->SetForeColor(RGB(0, 0, 0));
  g->DrawRect(17, -2, 5, 5);
  EXPECT_EQ(Find(p->image(), QColor(0, 255, 0)), std::make_pair(2 * 3, QRect(0, 17, 2, 3)));
  EXPECT_EQ(Find(p->image(), QColor(0, 0, 0)), std::make_pair(3 + 2, QRect(17, 0, 3, 3)));
  Ref<Picture> page = NewPicture(30, 30, 32);
  page->Graphics()->DrawPicture(p, 25, -3);
  EXPECT_EQ(Find(page->image(), kRed), std::make_pair(3 * 4, QRect(27, 0, 3, 4)));
  EXPECT_THROW(NewPicture(7, 5, 8), FrameworkException);
}

// The oval rule worked pixel by pixel: a pixel is inked when its centre lies
// inside or on the ellipse inscribed in box.
QImage OvalByHand(const QSize& page, const QRect& box, const QColor& c) {
  QImage image(page, QImage::Format_ARGB32_Premultiplied);
  image.fill(kWhite);
  const int64_t w = box.width(), h = box.height();
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      const int64_t dx = 2 * i + 1 - w, dy = 2 * j + 1 - h;
      const QPoint at = box.topLeft() + QPoint(i, j);
      if (dx * dx * h * h + dy * dy * w * w <= w * w * h * h && image.rect().contains(at)) image.setPixelColor(at, c);
    }
  }
  return image;
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
    EXPECT_EQ(p->image(), OvalByHand(page, box, ink));
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
  EXPECT_EQ(Find(drawn({{"HE", 30}}).copy(0, 31, 200, 69), kWhite).first, 200 * 69);
  EXPECT_LT(Find(drawn({{"HE", 30}}).copy(0, 21, 200, 10), kWhite).first, 200 * 10);
  EXPECT_EQ(drawn({{"HE" + Chr(13) + "HE", 30}}), drawn({{"HE", 30}, {"HE", 45}}));
}

}  // namespace
