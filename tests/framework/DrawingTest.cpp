// Pictures and drawing: every pixel where the rules put it.
#include <gtest/gtest.h>

#include "Layout.h"
#include "TestSupport.h"
#include "TextNumber.h"

namespace {

const QColor kWhite(255, 255, 255), kRed(255, 0, 0), kGreen(0, 255, 0), kBlue(0, 0, 255), kBlack(0, 0, 0);

// The pixels of image that have colour c: their number and the rectangle around them.
struct Pixels {
  int count = 0;
  QRect extent;
};

Pixels Find(const QImage& image, const QColor& c) {
  Pixels found;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) != c) continue;
      ++found.count;
      found.extent |= QRect(x, y, 1, 1);
    }
  }
  return found;
}

Ref<Picture> Painted(int32_t width, int32_t height, Color c) {
  Ref<Picture> p = NewPicture(width, height, 32);
  p->Graphics()->SetForeColor(c);
  p->Graphics()->FillRect(0, 0, width, height);
  return p;
}

TEST(Drawing, ANewPictureIsWhiteAndOpaque) {
  Ref<Picture> p = NewPicture(7, 5, 32);
  EXPECT_EQ(p->Width(), 7);
  EXPECT_EQ(p->Height(), 5);
  EXPECT_EQ(Find(p->image(), kWhite).count, 35);
  EXPECT_EQ(p->image().pixel(3, 2), 0xFFFFFFFFu);
  EXPECT_THROW(NewPicture(7, 5, 8), FrameworkException);
}

TEST(Drawing, RectanglesCoverExactlyTheirPixels) {
  Ref<Picture> p = NewPicture(20, 20, 32);
  Ref<Graphics> g = p->Graphics();
  g->SetForeColor(RGB(255, 0, 0));
  g->FillRect(2, 3, 5, 4);
  g->SetForeColor(RGB(0, 0, 255));
  g->DrawRect(10, 8, 6, 5);
  g->FillRect(0, 0, 0, 3);  // nothing

  const Pixels red = Find(p->image(), kRed);
  EXPECT_EQ(red.extent, QRect(2, 3, 5, 4));
  EXPECT_EQ(red.count, 5 * 4);
  const Pixels blue = Find(p->image(), kBlue);
  EXPECT_EQ(blue.extent, QRect(10, 8, 6, 5));
  EXPECT_EQ(blue.count, 2 * 6 + 2 * 5 - 4);  // a frame one pixel wide
  EXPECT_EQ(p->image().pixelColor(12, 10), kWhite);
  EXPECT_EQ(Find(p->image(), kWhite).count, 400 - red.count - blue.count);
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

TEST(Drawing, APictureIsDrawnAtItsOwnSizeAndTransparentLeavesWhiteOut) {
  Ref<Picture> stamp = NewPicture(4, 3, 32);
  stamp->Graphics()->SetForeColor(RGB(255, 0, 0));
  stamp->Graphics()->FillRect(1, 1, 2, 1);

  Ref<Picture> opaque = Painted(10, 10, RGB(0, 0, 0));
  opaque->Graphics()->DrawPicture(stamp, 3, 2);
  EXPECT_EQ(Find(opaque->image(), kRed).extent, QRect(4, 3, 2, 1));
  const Pixels white = Find(opaque->image(), kWhite);
  EXPECT_EQ(white.extent, QRect(3, 2, 4, 3));
  EXPECT_EQ(white.count, 12 - 2);
  EXPECT_EQ(Find(opaque->image(), kBlack).count, 100 - 12);

  stamp->SetTransparent(1);
  Ref<Picture> see = Painted(10, 10, RGB(0, 0, 0));
  see->Graphics()->DrawPicture(stamp, 3, 2);
  EXPECT_EQ(Find(see->image(), kRed).extent, QRect(4, 3, 2, 1));
  EXPECT_EQ(Find(see->image(), kWhite).count, 0);
  EXPECT_EQ(Find(see->image(), kBlack).count, 100 - 2);
}

// The rows of image that hold a pixel other than white, as runs of rows.
std::vector<std::pair<int, int>> InkedBands(const QImage& image) {
  std::vector<std::pair<int, int>> bands;
  for (int y = 0; y < image.height(); ++y) {
    bool inked = false;
    for (int x = 0; x < image.width() && !inked; ++x) inked = image.pixelColor(x, y) != kWhite;
    if (!inked) continue;
    if (!bands.empty() && bands.back().second == y - 1) bands.back().second = y;
    else bands.push_back({y, y});
  }
  return bands;
}

TEST(Drawing, AReturnInATextStartsANewLine) {
  Ref<Picture> one = NewPicture(200, 100, 32);
  one->Graphics()->SetTextSize(14);
  one->Graphics()->DrawString("HE", 5, 30);
  const auto oneLine = InkedBands(one->image());
  ASSERT_EQ(oneLine.size(), 1u);
  EXPECT_LE(oneLine[0].second, 30);  // capitals stand on the baseline
  EXPECT_GT(oneLine[0].second, 20);

  Ref<Picture> two = NewPicture(200, 100, 32);
  two->Graphics()->SetTextSize(14);
  two->Graphics()->DrawString("HE" + Chr(13) + "HE", 5, 30);
  const auto twoLines = InkedBands(two->image());
  ASSERT_EQ(twoLines.size(), 2u);
  EXPECT_EQ(twoLines[0], oneLine[0]);
  EXPECT_EQ(twoLines[1].first, twoLines[0].first + 15);  // 1.1 times the size, whatever the face
  EXPECT_EQ(twoLines[1].second - twoLines[1].first, twoLines[0].second - twoLines[0].first);
}

class Easel : public Window {
public:
  std::string ClassName() const override { return "Easel.Easel"; }
  void Layout() override {
    SetProperties(RefTo(this), PropertyStream().Int32("Width", 100).Int32("Height", 80).Boolean("HasBackColor", true)
                                   .Color("BackColor", RGB(0, 0, 0)));
  }
  void CreateControls() override {
    CreateControlsFromTable(RefTo<Window>(this), {
      {Make<Canvas>(), "Can", kNoIndex,
       PropertyStream().Int32("Left", 10).Int32("Top", 20).Int32("Width", 40).Int32("Height", 30), {}, {}},
    });
  }
};

using CanvasTest = test::WindowTest;

TEST_F(CanvasTest, ACanvasShowsItsBackdropAndWhatWasDrawnOverIt) {
  Ref<Easel> w = New<Easel>();
  w->Constructor();
  Ref<Canvas> can = ControlNamed<Canvas>(w, "Can");
  Ref<Picture> backdrop = Painted(40, 30, RGB(0, 0, 255));
  backdrop->Graphics()->SetForeColor(RGB(255, 0, 0));
  backdrop->Graphics()->FillRect(0, 0, 10, 10);
  can->SetBackdrop(backdrop);
  can->Graphics()->SetForeColor(RGB(0, 255, 0));
  can->Graphics()->FillRect(20, 10, 10, 10);

  const QImage shot = test::Grab(w);
  EXPECT_EQ(Find(shot, kRed).extent, QRect(10, 20, 10, 10));
  EXPECT_EQ(Find(shot, kGreen).extent, QRect(30, 30, 10, 10));
  EXPECT_EQ(Find(shot, kBlue).extent, QRect(10, 20, 40, 30));
  EXPECT_EQ(Find(shot, kBlue).count, 40 * 30 - 100 - 100);
  EXPECT_EQ(Find(shot, kBlack).count, 100 * 80 - 40 * 30);  // the window's own colour around it
}

}  // namespace
