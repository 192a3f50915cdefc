// The sequence-inspection panel in the Divergence window, driven by real mouse
// input: picking up, the pop-ups that follow the pointer, drops into the
// patients and the display slots, and the data card's picture.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QImage>
#include <QScrollBar>

#include <algorithm>
#include <tuple>
#include <vector>

#include "DivergenceSupport.h"
#include "Pictures.h"

namespace {

using divtest::Letters;
using divtest::MakeVirion;
using divtest::Point;

using Panel = divtest::DivergenceTest;

Ref<popupSpriteCan> Sprite(const Ref<class WindowDiverge>& w) { return w->Named<popupSpriteCan>("MyPopUpVirion"); }
Ref<popupSpriteCan> Card(const Ref<class WindowDiverge>& w) { return w->Named<popupSpriteCan>("myPopupVirionData"); }

// The letters on each line of the card's text: line k stands on the baseline
// 68 + 11k (its capitals in the rows from 9 above to 1 below), counted for
// every line that starts inside the frame, which runs along row height - 2. A
// letter is a run of columns holding dark pixels; letters stand a blank apart.
std::vector<int> LettersPerLine(const QImage& image) {
  std::vector<int> lines;
  for (int baseline = 68; baseline - 9 < image.height() - 2; baseline += 11) {
    int letters = 0, blank = 3;
    for (int x = 1; x < image.width() - 2; ++x) {
      bool dark = false;
      for (int y = baseline - 9; y <= std::min(baseline + 1, image.height() - 3); ++y) {
        dark = dark || qGray(image.pixel(x, y)) < 128;
      }
      if (dark && blank >= 3) ++letters;
      blank = dark ? 0 : blank + 1;
    }
    lines.push_back(letters);
  }
  return lines;
}

TEST_F(Panel, ADraggedVirionKeepsItsOffsetAndThePopUpsFollowThePointer) {
  Ref<class WindowDiverge> w = Open();
  Ref<driftCan> zero = Patient(w, 0), one = Patient(w, 1);
  const Ref<aniTron> t = zero->AniTrons(1);
  const auto [x, y] = On(zero, t, 3, 4);
  test::Press(w, x, y);
  EXPECT_EQ(w->DragTron, t);
  EXPECT_EQ(zero->AniTrons.UBound(), 49);
  EXPECT_FALSE(Holds(zero, t));
  EXPECT_EQ(w->sourcePop, 0);
  Ref<popupSpriteCan> sprite = Sprite(w), card = Card(w);
  ASSERT_TRUE(sprite->Visible());
  ASSERT_TRUE(card->Visible());
  EXPECT_EQ(Point(sprite->Left(), sprite->Top()), Point(x - 3 - 1, y - 4 - 1));
  EXPECT_EQ(Point(sprite->Width(), sprite->Height()), Point(14, 14));
  EXPECT_EQ(Point(card->Left(), card->Top()), Point(x + 5, y + 12));

  // The dot moves with the pointer; the card stays beside it, up to the
  // window's right edge (608 - 124 = 484).
  for (const auto& [toX, toY, cardLeft] : std::vector<std::tuple<int, int, int>>{
           {300, 100, 305}, {478, 120, 483}, {480, 110, 484}, {500, 130, 484}}) {
    test::Move(w, toX, toY);
    EXPECT_EQ(Point(sprite->Left(), sprite->Top()), Point(toX - 3 - 1, toY - 4 - 1)) << toX;
    EXPECT_EQ(Point(card->Left(), card->Top()), Point(cardLeft, toY + 12)) << toX;
    EXPECT_LE(card->Left() + card->Width(), w->Width());
  }

  test::Release(w, 500, 130);
  ASSERT_EQ(one->AniTrons.UBound(), 1);
  EXPECT_EQ(one->AniTrons(1), t);
  EXPECT_EQ(Point(t->X, t->Y), Point(500 - 326 - 3, 130 - 30 - 4));
  EXPECT_FALSE(sprite->Visible());
  EXPECT_FALSE(card->Visible());
  EXPECT_EQ(w->DragTron, nullptr);
  EXPECT_EQ(w->sourcePop, -1);
  // Dropped in, it is drawn where it now stands, without a generation.
  const QColor drawn = test::Grab(w).pixelColor(500 - 3 + 6, 130 - 4 + 6);
  EXPECT_EQ(drawn, QColor(t->myColor.red, t->myColor.green, t->myColor.blue));
}

// Row 1 shorter than row 0 counts the positions past its end; letters of row 1
// past the end of row 0 are not counted.
TEST_F(Panel, TheSlotsListTheirSequencesAndCountTheDifferences) {
  Ref<class WindowDiverge> w = Open();
  Ref<driftCan> zero = Patient(w, 0), one = Patient(w, 1);
  const Ref<virionTron> a = MakeVirion("ATGCATGCAT", 10, 10), b = MakeVirion("ATGCTTGC", 40, 10),
                        c = MakeVirion("ATGCATGCATGGGG", 70, 10);
  for (const auto& v : {a, b, c}) one->doAttach(v);

  Drag(w, On(one, a), Centre(Slot(w, 0)));
  EXPECT_EQ(Row(w, 0), "ATGCATGCAT");
  EXPECT_EQ(Text(w, "StaticTextSourcePop", 0), "Pt One");
  EXPECT_EQ(Text(w, "StaticTextNumDiffs"), "");
  Drag(w, On(one, b), Centre(Slot(w, 1)));
  EXPECT_EQ(Row(w, 1), "ATGCTTGC");
  EXPECT_EQ(Text(w, "StaticTextNumDiffs"), "3");

  // Into the occupied slot 1: what was there is gone, row and label overwritten.
  Drag(w, On(one, c), Centre(Slot(w, 1)));
  ASSERT_EQ(Slot(w, 1)->AniTrons.UBound(), 1);
  EXPECT_EQ(Slot(w, 1)->AniTrons(1), c);
  EXPECT_EQ(Row(w, 1), "ATGCATGCATGGGG");
  EXPECT_EQ(Text(w, "StaticTextNumDiffs"), "0");
  const Ref<aniTron> v = zero->AniTrons(1);
  Drag(w, On(zero, v), Centre(Slot(w, 1)));
  EXPECT_EQ(Slot(w, 1)->AniTrons(1), v);
  EXPECT_EQ(Row(w, 1), Letters(v));
  EXPECT_EQ(Text(w, "StaticTextSourcePop", 1), "Pt Zero");
  EXPECT_EQ(Len(Row(w, 1)), 100);

  // Taken out of slot 0: label, row and count are emptied at the press, and the
  // press leaves sourcePop as the last release set it.
  const auto [x, y] = Centre(Slot(w, 0));
  test::Press(w, x, y);
  EXPECT_EQ(w->DragTron, a);
  EXPECT_EQ(w->sourcePop, -1);
  EXPECT_EQ(Text(w, "StaticTextSourcePop", 0), "");
  EXPECT_EQ(Row(w, 0), "");
  EXPECT_EQ(Text(w, "StaticTextNumDiffs"), "");
  test::Release(w, x, y);
  // Back into slot 0 from a slot, it names no source.
  EXPECT_EQ(Row(w, 0), "ATGCATGCAT");
  EXPECT_EQ(Text(w, "StaticTextSourcePop", 0), "");

  // Two identical sequences differ nowhere.
  Ref<aniTron> twin;
  for (int32_t i = 2; i <= zero->AniTrons.UBound() && twin == nullptr; ++i) {
    if (Letters(zero->AniTrons(i)) == Letters(v)) twin = zero->AniTrons(i);
  }
  ASSERT_NE(twin, nullptr);
  Drag(w, On(zero, twin), Centre(Slot(w, 0)));
  EXPECT_EQ(Text(w, "StaticTextSourcePop", 0), "Pt Zero");
  EXPECT_EQ(Text(w, "StaticTextNumDiffs"), "0");
}

TEST_F(Panel, PressesAwayFromVirions) {
  Ref<class WindowDiverge> w = Open();
  Ref<driftCan> zero = Patient(w, 0), one = Patient(w, 1);
  Ref<popupSpriteCan> card = Card(w);
  // Outside every canvas: not claimed, so neither drag nor release reaches the
  // window, and the card (shown, without a picture, until the first release)
  // stays where it is.
  Drag(w, {300, 260}, {310, 270});
  EXPECT_EQ(w->sourcePop, 0);
  EXPECT_EQ(Point(w->OldMouseX, w->OldMouseY), Point(0, 0));
  EXPECT_TRUE(card->Visible());
  EXPECT_EQ(Point(card->Left(), card->Top()), Point(6, 85));

  // On the empty Patient One: claimed, with nothing picked up and no pop-up;
  // the drag steps move the card by the drag rule.
  test::Press(w, 400, 100);
  EXPECT_EQ(w->sourcePop, 1);
  EXPECT_EQ(w->DragTron, nullptr);
  EXPECT_FALSE(Sprite(w)->Visible());
  EXPECT_EQ(card->Backdrop(), nullptr);
  test::Move(w, 410, 120);
  EXPECT_EQ(Point(card->Left(), card->Top()), Point(415, 105));
  test::Release(w, 410, 120);
  EXPECT_EQ(w->sourcePop, -1);
  EXPECT_FALSE(card->Visible());
  EXPECT_EQ(one->AniTrons.UBound(), 0);

  // On an empty slot: claimed, sourcePop untouched.
  const auto [sx, sy] = Centre(Slot(w, 1));
  test::Press(w, sx, sy);
  test::Move(w, sx + 1, sy);
  EXPECT_EQ(w->OldMouseX, sx + 1);
  EXPECT_EQ(w->sourcePop, -1);
  test::Release(w, sx + 1, sy);

  // A virion released outside every canvas is gone.
  const Ref<aniTron> t = zero->AniTrons(1);
  Drag(w, On(zero, t), {300, 260});
  EXPECT_EQ(zero->AniTrons.UBound(), 49);
  for (const Ref<SpriteCanvas>& c : std::vector<Ref<SpriteCanvas>>{zero, one, Slot(w, 0), Slot(w, 1)}) {
    EXPECT_FALSE(Holds(c, t));
  }
  EXPECT_EQ(one->AniTrons.UBound() + Slot(w, 0)->AniTrons.UBound() + Slot(w, 1)->AniTrons.UBound(), 0);
}

// The card: the virion picture at (38, 8), then the letters ten a line from
// (5, 68), on a card 70 + 11 per ten letters high: every letter shows, and
// nothing below the last line.
TEST_F(Panel, TheDataCardShowsTheSequenceTenLettersALine) {
  Ref<class WindowDiverge> w = Open();
  Ref<driftCan> one = Patient(w, 1);
  std::string letters55;
  for (int i = 0; i < 55; ++i) letters55 += "ATGC"[i % 4];
  const Ref<virionTron> short55 = MakeVirion(letters55, 230, 100);
  one->doAttach(short55);
  const Ref<aniTron> long100 = Patient(w, 0)->AniTrons(1);
  Ref<popupSpriteCan> card = Card(w);

  const auto [x, y] = On(Patient(w, 0), long100);
  test::Press(w, x, y);
  ASSERT_EQ(w->DragTron, long100);
  EXPECT_EQ(card->Height(), 180);
  EXPECT_EQ(card->Width(), 124);
  const QImage image = card->Backdrop()->image();
  ASSERT_EQ(image.size(), QSize(124, 180));
  const QImage virion = HepCVirion()->image();
  int compared = 0;
  for (int py = 0; py < virion.height(); ++py) {
    for (int px = 0; px < virion.width(); ++px) {
      if (qAlpha(virion.pixel(px, py)) != 255) continue;
      ++compared;
      ASSERT_EQ(image.pixel(38 + px, 8 + py) & 0xffffff, virion.pixel(px, py) & 0xffffff) << px << "," << py;
    }
  }
  EXPECT_GT(compared, 0);
  EXPECT_EQ(QColor(image.pixel(1, 1)), QColor(254, 254, 254));
  EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(0, 0, 0));
  EXPECT_EQ(LettersPerLine(image), (std::vector<int>{10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 0}));
  test::Release(w, x, y);

  // 55 letters: 130.5 stored as 130; five full lines and one of five letters.
  // Near the window's right edge the card sits flush with it.
  const auto [sx, sy] = On(one, short55);
  test::Press(w, sx, sy);
  ASSERT_EQ(w->DragTron, short55);
  EXPECT_EQ(card->Height(), 130);
  EXPECT_EQ(Point(card->Left(), card->Top()), Point(608 - 124, sy + 12));
  EXPECT_EQ(LettersPerLine(card->Backdrop()->image()), (std::vector<int>{10, 10, 10, 10, 10, 5, 0}));
  test::Release(w, sx, sy);
}

// Scrolled fully right, the list shows where a 500-letter row ends: one letter
// further right than a row of its first 499 letters, short of the list's edge.
TEST_F(Panel, TheSequenceListScrollsToTheLastLetterOfALongRow) {
  Ref<class WindowDiverge> w = Open();
  Ref<Listbox> list = w->Named<Listbox>("ListBoxSequence");
  std::string letters;
  for (int i = 0; i < 500; ++i) letters += "ATGC"[i % 4];
  list->SetCell(0, 0, letters);
  list->SetCell(1, 0, letters.substr(0, 499));
  test::ProcessPending();
  auto* view = static_cast<QAbstractScrollArea*>(list->widget());
  view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
  const QImage shown = view->viewport()->grab().toImage();
  // Rows 37 high, seen away from the grid lines between them: letters leave some
  // rows blank, a grid line between columns darkens them all.
  auto rightmostInk = [&](int top, int bottom) {
    int right = -1;
    for (int x = 0; x < shown.width(); ++x) {
      int dark = 0;
      for (int y = top; y < bottom; ++y) dark += qGray(shown.pixel(x, y)) < 96;
      if (dark > 0 && dark < bottom - top) right = x;
    }
    return right;
  };
  const int end500 = rightmostInk(5, 32), end499 = rightmostInk(42, std::min(69, shown.height()));
  EXPECT_GT(end499, 0);
  EXPECT_GT(end500, end499 + 3);
  EXPECT_LT(end500, shown.width() - 3);
}

// A held virion belongs to no patient: ticks between press and release run
// their generations without it, and nothing else is disturbed.
TEST_F(Panel, PickingUpWhileFastFwdRuns) {
  Ref<class WindowDiverge> w = Open();
  Ref<driftCan> zero = Patient(w, 0), one = Patient(w, 1);
  auto everySpriteIsAVirion = [&] {
    for (const Ref<driftCan>& p : {zero, one}) {
      for (int32_t i = 1; i <= p->AniTrons.UBound(); ++i) {
        if (Cast<virionTron>(p->AniTrons(i)) == nullptr) return false;
      }
      if (p->processingClick) return false;
    }
    return true;
  };
  EXPECT_TRUE(FastFwd(w, "10").empty());
  Tick(w);

  const Ref<virionTron> t = Cast<virionTron>(zero->AniTrons(5));
  const auto [x, y] = On(zero, t);
  test::Press(w, x, y);
  const double xLoc = t->xLoc, yLoc = t->yLoc;
  const Point offset(t->X, t->Y);
  EXPECT_EQ(zero->AniTrons.UBound(), 49);
  Tick(w);
  test::Move(w, 400, 100);
  Tick(w);
  EXPECT_EQ(zero->AniTrons.UBound(), 50);
  EXPECT_FALSE(Holds(zero, t));
  EXPECT_EQ(one->AniTrons.UBound(), 0);
  EXPECT_EQ(Point(t->X, t->Y), offset);
  EXPECT_EQ(t->xLoc, xLoc);
  EXPECT_EQ(t->yLoc, yLoc);
  EXPECT_TRUE(everySpriteIsAVirion());
  test::Release(w, 400, 100);
  ASSERT_EQ(one->AniTrons.UBound(), 1);
  EXPECT_EQ(one->AniTrons(1), t);

  Tick(w);
  EXPECT_EQ(one->AniTrons.UBound(), 50);
  EXPECT_EQ(Generations(w, 1), "1");
  const Ref<aniTron> u = one->AniTrons(50);
  const auto [ux, uy] = On(one, u);
  test::Press(w, ux, uy);
  ASSERT_EQ(w->DragTron, u);
  EXPECT_EQ(one->AniTrons.UBound(), 49);
  Tick(w);
  EXPECT_EQ(one->AniTrons.UBound(), 50);
  EXPECT_FALSE(Holds(one, u));
  test::Move(w, 100, 100);
  test::Release(w, 100, 100);
  EXPECT_EQ(zero->AniTrons.UBound(), 51);
  EXPECT_EQ(zero->AniTrons(51), u);
  EXPECT_TRUE(everySpriteIsAVirion());
  EXPECT_EQ(Generations(w, 0), "5");
  EXPECT_EQ(Generations(w, 1), "2");
}

}  // namespace
