// The inspection panel in the Divergence window, driven by real mouse input.
#include <QAbstractScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <tuple>
#include <vector>

#include "DivergenceSupport.h"
#include "Pictures.h"

namespace {

using namespace simtest;
using Panel = test::ProgramTest;

// A pop-up's size, place and visibility, named.
std::string Box(const std::string& name, int x, int y, int width, int height, bool shown) {
  return name + " " + Join(width) + "x" + Join(height) + " at " + Join(x) + "," + Join(y) +
         (shown ? " shown" : " hidden");
}
// The sprite's and then the card's.
std::string PopUps(const Ref<Window>& w) {
  const Ref<popupSpriteCan> s = w->Named<popupSpriteCan>("MyPopUpVirion"),
                            c = w->Named<popupSpriteCan>("myPopupVirionData");
  return Box("sprite", s->Left(), s->Top(), s->Width(), s->Height(), s->Visible()) + " | " +
         Box("card", c->Left(), c->Top(), c->Width(), c->Height(), c->Visible());
}
// The letters on each line of the card that starts inside its frame, line k on the baseline
// 68 + 11k: runs of columns holding dark pixels from 9 above to 1 below, a blank apart.
std::vector<int> LettersPerLine(const QImage& image) {
  std::vector<int> lines;
  for (int baseline = 68; baseline - 9 < image.height() - 2; baseline += 11) {
    int letters = 0, blank = 3;
    for (int x = 1; x < image.width() - 2; ++x) {
      bool dark = false;
      for (int y = baseline - 9; y <= std::min(baseline + 1, image.height() - 3); ++y)
        dark = dark || qGray(image.pixel(x, y)) < 128;
      letters += dark && blank >= 3;
      blank = dark ? 0 : blank + 1;
    }
    lines.push_back(letters);
  }
  return lines;
}

// Off a virion: outside every canvas a press is not claimed (the card, shown without a picture
// until the first release, stays); on the empty Patient One or an empty slot (sourcePop left
// alone) it is. A held virion keeps its offset, the card beside it up to the edge (608 - 124).
TEST_F(Panel, PressesClaimOnlyOverCanvasesAndThePopUpsFollowTheHeldVirion) {
  Ref<class WindowDiverge> w = Open(WindowDiverge());
  Ref<driftCan> zero = Pop(w, 0), one = Pop(w, 1);
  Drag(w, {300, 260}, {310, 270});
  EXPECT_EQ(w->sourcePop, 0);
  EXPECT_EQ(w->OldMouseX, 0);
  EXPECT_EQ(w->OldMouseY, 0);
  EXPECT_EQ(PopUps(w), "sprite 18x16 at 6,57 hidden | card 124x100 at 6,85 shown");
  test::Press(w, 400, 100);
  test::Move(w, 410, 120);
  EXPECT_EQ(w->sourcePop, 1);
  EXPECT_EQ(w->DragTron, nullptr);
  EXPECT_EQ(PopUps(w), "sprite 18x16 at 6,57 hidden | card 124x100 at 415,105 shown");
  test::Release(w, 410, 120);
  const auto [sx, sy] = Centre(Slot(w, 1));
  test::Press(w, sx, sy);
  test::Move(w, sx + 1, sy);
  EXPECT_EQ(w->sourcePop, -1);
  EXPECT_EQ(w->OldMouseX, sx + 1);
  EXPECT_EQ(PopUps(w), "sprite 18x16 at 6,57 hidden | card 124x100 at 415,105 hidden");
  test::Release(w, sx + 1, sy);

  const Ref<aniTron> t = zero->AniTrons(1);
  const auto [x, y] = On(zero, t);
  test::Press(w, x, y);
  EXPECT_EQ(w->DragTron, t);
  EXPECT_FALSE(Holds(zero, t));
  EXPECT_EQ(zero->AniTrons.UBound(), 49);
  EXPECT_EQ(w->sourcePop, 0);
  EXPECT_EQ(PopUps(w), Box("sprite", x - 3, y - 3, 14, 14, true) + " | " + Box("card", x + 5, y + 12, 124, 180, true));
  for (const auto& [toX, toY, cardLeft] :
       std::vector<std::tuple<int, int, int>>{{300, 100, 305}, {478, 120, 483}, {480, 110, 484}, {500, 130, 484}}) {
    test::Move(w, toX, toY);
    EXPECT_EQ(PopUps(w), Box("sprite", toX - 3, toY - 3, 14, 14, true) + " | " +
                             Box("card", cardLeft, toY + 12, 124, 180, true));
  }
  test::Release(w, 500, 130);
  EXPECT_EQ(one->AniTrons.UBound(), 1);
  EXPECT_TRUE(Holds(one, t));
  EXPECT_EQ(t->X, 172);
  EXPECT_EQ(t->Y, 98);
  EXPECT_EQ(w->DragTron, nullptr);
  EXPECT_EQ(w->sourcePop, -1);
  EXPECT_EQ(PopUps(w), "sprite 14x14 at 497,127 hidden | card 124x180 at 484,142 hidden");
  const QColor drawn = test::Grab(w).pixelColor(500 - 2 + 6, 130 - 2 + 6);  // at once, without a generation
  EXPECT_EQ(drawn, QColor(t->myColor.red, t->myColor.green, t->myColor.blue));
  const Ref<aniTron> u = zero->AniTrons(1);
  Drag(w, On(zero, u), {300, 260});
  EXPECT_EQ(zero->AniTrons.UBound(), 48);
  EXPECT_EQ(one->AniTrons.UBound(), 1);
  EXPECT_EQ(Slot(w, 0)->AniTrons.UBound(), 0);
  EXPECT_EQ(Slot(w, 1)->AniTrons.UBound(), 0);
  EXPECT_FALSE(Holds(zero, u));
  EXPECT_FALSE(Holds(one, u));
}

// Positions past the end of row 1 count, letters of row 1 past row 0 do not. A press empties
// a slot's label, row and count and leaves sourcePop -1: from a slot, a virion names no source.
TEST_F(Panel, TheSlotsListTheirSequencesAndCountTheDifferences) {
  Ref<class WindowDiverge> w = Open(WindowDiverge());
  Ref<driftCan> zero = Pop(w, 0), one = Pop(w, 1);
  using coretest::Virion;
  const Ref<virionTron> a = Virion(10, 10, {}, 100, "ATGCATGCAT"), b = Virion(40, 10, {}, 100, "CTGCTTGC"),
                        c = Virion(70, 10, {}, 100, "ATGCATGCATGGGG"), v = Cast<virionTron>(zero->AniTrons(1));
  for (const auto& made : {a, b, c}) one->doAttach(made);
  Drag(w, On(one, a), Centre(Slot(w, 0)));
  EXPECT_EQ(Slots(w), "ATGCATGCAT/Pt One / #");
  Drag(w, On(one, b), Centre(Slot(w, 1)));
  EXPECT_EQ(Slots(w), "ATGCATGCAT/Pt One CTGCTTGC/Pt One #4");
  Drag(w, On(one, c), Centre(Slot(w, 1)));  // into the occupied slot: what was there is gone
  EXPECT_EQ(Slot(w, 1)->AniTrons.UBound(), 1);
  EXPECT_TRUE(Holds(Slot(w, 1), c));
  EXPECT_EQ(Slots(w), "ATGCATGCAT/Pt One ATGCATGCATGGGG/Pt One #0");
  Drag(w, On(zero, v), Centre(Slot(w, 1)));
  EXPECT_EQ(Slots(w), "ATGCATGCAT/Pt One " + Letters(v) + "/Pt Zero #8");
  const auto [x, y] = Centre(Slot(w, 0));
  test::Press(w, x, y);
  EXPECT_EQ(w->DragTron, a);
  EXPECT_EQ(w->sourcePop, -1);
  EXPECT_EQ(Slots(w), "/ " + Letters(v) + "/Pt Zero #");
  test::Release(w, x, y);
  EXPECT_EQ(Slots(w), "ATGCATGCAT/ " + Letters(v) + "/Pt Zero #8");
  for (int32_t i = zero->AniTrons.UBound(); i >= 1; --i)  // a twin differs nowhere
    if (Letters(zero->AniTrons(i)) == Letters(v)) Drag(w, On(zero, zero->AniTrons(i)), Centre(Slot(w, 0)));
  EXPECT_EQ(Slots(w), Letters(v) + "/Pt Zero " + Letters(v) + "/Pt Zero #0");
  EXPECT_EQ(Letters(v).size(), 100u);
}

// The picture at (38, 8), ten letters a line on a card 70 + 11 per ten letters high (130.5 is
// stored as 130): every letter shows. Near the right edge the card sits flush.
TEST_F(Panel, TheDataCardShowsTheSequenceTenLettersALine) {
  Ref<class WindowDiverge> w = Open(WindowDiverge());
  const Ref<virionTron> short55 = coretest::Virion(230, 100, {}, 100, std::string(55, 'T'));
  Pop(w, 1)->doAttach(short55);
  Ref<popupSpriteCan> card = w->Named<popupSpriteCan>("myPopupVirionData");
  Drag(w, On(Pop(w, 0), Pop(w, 0)->AniTrons(1)), {300, 260});
  const QImage image = card->Backdrop()->image().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(image.copy(38, 8, 48, 48), HepCVirion()->image().convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(image.size(), QSize(124, 180));
  EXPECT_EQ(QColor(image.pixel(1, 1)), QColor(254, 254, 254));
  EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(0, 0, 0));
  EXPECT_EQ(LettersPerLine(image), (std::vector<int>{10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 0}));
  const auto [x, y] = On(Pop(w, 1), short55);
  test::Press(w, x, y);
  EXPECT_EQ(card->Left(), 484);
  EXPECT_EQ(card->Top() - y, 12);
  EXPECT_EQ(card->Height(), 130);
  EXPECT_EQ(LettersPerLine(card->Backdrop()->image()), (std::vector<int>{10, 10, 10, 10, 10, 5, 0}));
}

// Pressed low in the window, the card reaches past its bottom edge: it is shown whole at the same place on
// screen, by a layer above the window that takes neither the focus nor the activation. Dragged back inside, it
// is in the window again. Another window coming to the front ends the press where the pointer was, over the
// slot: the virion is back in it and listed, nothing is left on screen, and the release that comes late changes
// nothing. So in the Tree window, minimised while a population's virion is held.
TEST_F(Panel, ACardReachingPastTheWindowIsShownWholeAboveItAndAPressEndsWhenItsWindowIsLeft) {
  Ref<class WindowDiverge> w = Open(WindowDiverge());
  ASSERT_TRUE(test::ProcessUntil([&] { return QApplication::activeWindow() == w->widget(); }));
  const Ref<popupSpriteCan> card = w->Named<popupSpriteCan>("myPopupVirionData");
  auto shownAt = [&]() -> std::string {
    if (card->layer() == nullptr) return card->widget()->isVisible() ? "window" : "hidden";
    const QPoint at = w->content()->mapFromGlobal(card->layer()->pos());
    return Box("layer", at.x(), at.y(), card->layer()->width(), card->layer()->height(), true) +
           (card->widget()->isVisible() ? ", in the window too" : "");
  };
  const Ref<aniTron> t = Pop(w, 0)->AniTrons(1);
  Drag(w, On(Pop(w, 0), t), Centre(Slot(w, 0)));
  EXPECT_EQ(shownAt(), "hidden");
  const auto [x, y] = Centre(Slot(w, 0));
  QWidget* const focused = QApplication::focusWidget();
  test::Press(w, x, y);  // 180 high from y + 12: 105 past the bottom
  EXPECT_EQ(shownAt(), Box("layer", x + 5, y + 12, 124, 180, true));
  QWidget* layer = card->layer();
  EXPECT_TRUE(layer->windowFlags().testFlags(Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus));
  EXPECT_EQ(layer->grab().toImage().convertToFormat(QImage::Format_RGB32),
            card->Backdrop()->image().convertToFormat(QImage::Format_RGB32));
  test::ProcessPending();
  EXPECT_EQ(QApplication::activeWindow(), w->widget());
  EXPECT_EQ(QApplication::focusWidget(), focused);
  test::Move(w, 300, 200);
  EXPECT_EQ(shownAt(), "window");
  test::Move(w, 600, 300);
  EXPECT_EQ(shownAt(), Box("layer", 608 - 124, 312, 124, 180, true));
  test::Move(w, x, y);
  const Ref<class WindowTree> tree = Open(WindowTree());
  ASSERT_TRUE(test::ProcessUntil([&] { return QApplication::activeWindow() == tree->widget(); }));
  test::Release(w, 600, 300);
  EXPECT_EQ(shownAt(), "hidden");
  EXPECT_TRUE(Holds(Slot(w, 0), t));
  EXPECT_EQ(Slots(w), Letters(t) + "/ / #");
  // The Tree window's card, shown at first without a picture, reaches past its right edge: with nothing to
  // show there, it stays in its window.
  EXPECT_EQ(tree->Named<popupSpriteCan>("myPopupVirionData")->layer(), nullptr);
  const Ref<driftCan> pop = Pop(tree, 0);
  const Ref<aniTron> u = pop->AniTrons(1);
  Press(tree, On(pop, u));
  tree->widget()->showMinimized();
  EXPECT_EQ(pop->AniTrons.UBound(), 50);
  EXPECT_TRUE(Holds(pop, u));
  EXPECT_EQ(tree->DragTron, nullptr);
  EXPECT_FALSE(tree->Named<popupSpriteCan>("MyPopUpVirion")->Visible());
}

// Scrolled fully right, a 500-letter row ends further right than a 499-letter one, inside the
// list. Rows are 37 high; letters leave some rows of pixels blank, a grid line none.
TEST_F(Panel, TheSequenceListScrollsToTheLastLetterOfALongRow) {
  Ref<Listbox> list = Open(WindowDiverge())->Named<Listbox>("ListBoxSequence");
  list->SetCell(0, 0, std::string(500, 'G'));
  list->SetCell(1, 0, std::string(499, 'G'));
  test::ProcessPending();
  auto* view = static_cast<QAbstractScrollArea*>(list->widget());
  view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
  const QImage shown = view->viewport()->grab().toImage();
  auto rightmostInk = [&](int top, int bottom) {
    int right = -1;
    for (int x = 0, dark = 0; x < shown.width(); ++x, dark = 0) {
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

}  // namespace
