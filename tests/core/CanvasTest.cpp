// Sprite canvases, the pop-up and a generation, in a window logging each event as its handler sees it.
#include <gtest/gtest.h>

#include <sstream>

#include "CoreTestSupport.h"
#include "Layout.h"
#include "TestSupport.h"
#include "driftCan.h"
#include "popupSpriteCan.h"

namespace {

using namespace coretest;

using test::Box;
class CanvasWindow : public Window {
public:
  std::vector<std::string> log;

  std::string ClassName() const override { return "CanvasWindow.CanvasWindow"; }
  void Layout() override { SetProperties(RefTo(this), PropertyStream().Int32("Width", 608).Int32("Height", 436)); }
  void CreateControls() override {
    using W = CanvasWindow;
    const EventRecord pulled = On<W>("PulledAnitron", &W::Pulled, "(  )");
    const EventRecord dropped = On<W>("DroppedAniTron", &W::Dropped, "( aniTron )");
    CreateControlsFromTable(RefTo<Window>(this), {
      {Make<driftCan>(), "Pop0", kNoIndex, Box(20, 30, 256, 192), {On<W>("SetProperties", &W::Opened, "(  )"), pulled, dropped}, {}},
      {Make<driftCan>(), "Pop1", kNoIndex, Box(326, 30, 256, 192), {pulled, dropped}, {}},
      {Make<displayCan>(), "Slot", kNoIndex, Box(75, 339, 20, 20), {pulled, dropped}, {}},
      {Make<popupSpriteCan>(), "PopUp", kNoIndex, Box(6, 57, 18, 16).Boolean("Visible", false),
       {On<W>("LoadImage", &W::LoadImage, "( Int32, Int32, Variant, Window )"), On<W>("Vanished", &W::Vanished, "(  )")}, {}},
    });
  }
  // Each line: the event, then what its handler sees, as numbers (1 for true).
  void Opened(const Ref<driftCan>& Me) { Note("opened", Me->Name(), Me->Cache->Width(), Me->Cache->Height()); }
  void Pulled(const Ref<SpriteCanvas>& Me) { Note("pulled", Me->Name(), Me->processingClick, Me->AniTrons.UBound()); }
  void Dropped(const Ref<SpriteCanvas>& Me, const Ref<aniTron>& t) {  // and whether t is painted at its centre
    const QColor c = Me->Cache->image().pixelColor(t->X + 6, t->Y + 6);
    Note("dropped", Me->Name(), Me->processingClick, Me->AniTrons.UBound(), t->X, t->Y, RGB(c.red(), c.green(), c.blue()) == t->myColor);
  }
  void LoadImage(const Ref<popupSpriteCan>& Me, int32_t x, int32_t y, const Variant& v, const Ref<Window>& w) {
    Note("load", x, y, Me->Visible(), !v.IsNil(), w.get() == this);
  }
  void Vanished(const Ref<popupSpriteCan>& Me) { Note("vanished", Me->Visible()); }
  template <class... A>
  void Note(const A&... fields) {
    std::ostringstream line;
    ((line << fields << ' '), ...);
    log.push_back(line.str());
  }
};

const Color kRed = RGB(250, 0, 0), kBlue = RGB(0, 0, 250);

class Canvases : public test::WindowTest {
protected:
  void SetUp() override {
    StartSeeded(1);
    w->Constructor();
    p0 = ControlNamed<driftCan>(w, "Pop0"), p1 = ControlNamed<driftCan>(w, "Pop1"), slot = ControlNamed<displayCan>(w, "Slot");
  }

  Ref<CanvasWindow> w = New<CanvasWindow>();
  Ref<driftCan> p0, p1;
  Ref<displayCan> slot;
};

// (126, 86) in the window is (106, 56) on Pop0: inside b and c, on neither's edge.
TEST_F(Canvases, ASpriteTakenOutKeepsItsOffsetFromThePointerIntoTheCanvasItIsDroppedIn) {
  slot->Cache->Graphics()->FillRect(0, 0, 20, 20);  // black, until a redraw
  EXPECT_EQ(p0->mouseDown(126, 86), nullptr);
  EXPECT_EQ(slot->mouseDown(80, 345), nullptr);
  EXPECT_EQ(test::Grab(w).pixelColor(80, 345), QColor(0, 0, 0));
  Ref<virionTron> a = Virion(0, 0, kBlue), b = Virion(100, 50, kRed), c = Virion(104, 54, kBlue), d = Virion(200, 100, kBlue);
  for (const auto& v : {a, b, c, d}) p0->doAttach(v);
  b->xLoc = 1.5, b->yLoc = 2.5;
  ASSERT_EQ(p0->mouseDown(126, 86), b);
  EXPECT_EQ(b->X, -6);
  EXPECT_EQ(b->Y, -6);
  ASSERT_EQ(p0->AniTrons.UBound(), 3);
  EXPECT_EQ(p0->AniTrons(1), a);
  EXPECT_EQ(p0->AniTrons(2), c);
  EXPECT_EQ(p0->AniTrons(3), d);
  p1->AniTronDrop(400, 100, b);
  EXPECT_EQ(b->X, 68);
  EXPECT_EQ(b->Y, 64);
  EXPECT_EQ(b->xLoc, 1.5);
  EXPECT_EQ(b->yLoc, 2.5);
  EXPECT_EQ(test::Grab(w).pixelColor(326 + 68 + 6, 30 + 64 + 6), QColor(250, 0, 0));
  // A display slot holds only the last sprite dropped in.
  ASSERT_EQ(p1->mouseDown(400, 100), b);
  slot->AniTronDrop(85, 349, Virion(-6, -6, kBlue));
  slot->AniTronDrop(85, 349, b);
  ASSERT_EQ(slot->AniTrons.UBound(), 1);
  EXPECT_EQ(slot->AniTrons(1), b);
  EXPECT_EQ(test::Grab(w).pixelColor(75 + 4 + 6, 339 + 4 + 6), QColor(250, 0, 0));
  EXPECT_FALSE(p0->processingClick);
  EXPECT_FALSE(p1->processingClick);
  EXPECT_FALSE(slot->processingClick);
  // A pop-up lets its window paint it before it shows, and hides before it says so.
  const Ref<popupSpriteCan> pop = ControlNamed<popupSpriteCan>(w, "PopUp");
  pop->popup(30, 40, Variant(b), w);
  EXPECT_TRUE(pop->Visible());
  pop->vanish();
  // Each handler ran inside the click: after the list shrank, after the sprite was in.
  EXPECT_EQ(w->log, (std::vector<std::string>{"opened Pop0 256 192 ", "pulled Pop0 1 3 ", "dropped Pop1 1 1 68 64 1 ",
                                              "pulled Pop1 1 0 ", "dropped Slot 1 1 4 4 1 ", "dropped Slot 1 1 4 4 1 ",
                                              "load 30 40 0 1 1 ", "vanished 0 "}));
  // A point on the canvas's border is outside it.
  for (const QPoint& border : {QPoint(20, 100), QPoint(276, 100), QPoint(100, 30), QPoint(100, 222)})
    EXPECT_FALSE(p0->within(border.x(), border.y())) << border.x() << "," << border.y();
  EXPECT_TRUE(p0->within(21, 31));
}

// The worked generation: fitness 100 and 50, four children, seed 12345, four
// unmutated copies of the first parent. With equal fitness every first
// candidate is accepted: parent, acceptance and clone test per child, then two
// places each. A parent is accepted only by a draw below its quotient: with
// fitness 1 and 0.9212344137882269, the draw that rejects the second parent in
// the worked stream equals its quotient and rejects it still; the next pair
// accepts it, and so does child 4's.
TEST_F(Canvases, AGenerationDrawsItsChildrenParentByParentThenTheirPlaces) {
  struct Case { double fitness1, fitness2; int32_t popSize; double rate, seed; int draws; std::string parents; };
  const double rate = Globals::MutRatePerSeq;
  for (const Case& c : {Case{100.0, 50.0, 4, rate, 12345, 24, "RRRR"}, Case{100.0, 100.0, 10, 0.0, 4242, 10 * 3 + 10 * 2, ""},
                        Case{1.0, 0.9212344137882269, 4, rate, 12345, 22, "RRBB"}}) {
    p1->clear();  // Pop1: 256 x 192 at 326, 30
    p1->doAttach(Virion(10, 10, kRed, c.fitness1));
    p1->doAttach(Virion(30, 30, kBlue, c.fitness2));
    Globals::myRAlea->setSeed(c.seed);
    Globals::PopSize = c.popSize, Globals::MutRatePerSeq = c.rate;
    p1->redraw();
    EXPECT_EQ(DrawsSince(c.seed), c.draws) << c.fitness2;
    std::string parents;
    for (int i = 1; i <= p1->AniTrons.UBound() && !c.parents.empty(); ++i) parents += p1->AniTrons(i)->myColor == kRed ? "R" : "B";
    EXPECT_EQ(parents, c.parents);
    if (c.fitness2 == 50.0) {
      const std::tuple<double, double, int, int> places[] = {{41.339102217622894, 47.61832769708349, 41, 48},
          {50.12592677500061, 119.77215378777669, 50, 120}, {125.95786731038288, 66.03061543168587, 126, 66},
          {101.91662333117733, 39.122981363358576, 102, 39}};
      const QImage shot = test::Grab(w);
      for (int i = 1; i <= 4; ++i) {
        Ref<aniTron> child = p1->AniTrons(i);
        const auto& [xLoc, yLoc, x, y] = places[i - 1];
        EXPECT_EQ(child->xLoc, xLoc) << i;
        EXPECT_EQ(child->yLoc, yLoc) << i;
        EXPECT_EQ(child->X, x) << i;
        EXPECT_EQ(child->Y, y) << i;
        EXPECT_EQ(shot.pixelColor(326 + child->X + 6, 30 + child->Y + 6), QColor(250, 0, 0)) << i;
      }
      EXPECT_EQ(shot.pixelColor(326 + 200, 30 + 150), QColor(255, 255, 255));
    }
  }
}

// A population of one grows to PopSize.
TEST_F(Canvases, NoGenerationWhileAClickIsHandledOrWhenEmptyButStillARepaintAndElsePopSizeChildren) {
  const double before = Drawn();
  EXPECT_EQ(p1->GetMaxFitness(), 0.0);
  p1->redraw();
  EXPECT_EQ(test::Grab(w).pixelColor(326 + 100, 30 + 100), QColor(255, 255, 255));
  Ref<virionTron> v = Virion(50, 60, kBlue);
  p1->doAttach(v);
  p1->processingClick = true;
  p1->redraw();
  EXPECT_EQ(Drawn(), before);
  ASSERT_EQ(p1->AniTrons.UBound(), 1);
  EXPECT_EQ(p1->AniTrons(1), v);
  EXPECT_EQ(v->X, 50);
  EXPECT_EQ(test::Grab(w).pixelColor(326 + 56, 30 + 66), QColor(0, 0, 250));
  p1->processingClick = false;
  p1->redraw();
  EXPECT_EQ(p1->AniTrons.UBound(), 50);
  EXPECT_NE(p1->AniTrons(1), v);
}

// A canvas's picture holds the screen's device pixel ratio times its size, a dot in it is the oval rule at
// the device size, and the screen shows it pixel for pixel. The suite runs this at ratios 1 and 2.
TEST_F(Canvases, TheCanvasPictureHoldsTheScreensRatioTimesItsSizeAndTheScreenShowsItPixelForPixel) {
  const double r = qGuiApp->devicePixelRatio();
  const int d = static_cast<int>(std::lround(12 * r));
  EXPECT_EQ(p1->Cache->image().size(), QSize(256, 192) * r);
  p1->doAttach(Virion(50, 60, kBlue));
  p1->processingClick = true;  // a repaint only
  p1->redraw();
  const QImage cache = p1->Cache->image().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(cache.copy(QRect(QPoint(50, 60) * r, QSize(d, d))),
            test::OvalByHand(QSize(d, d), QRect(0, 0, d, d), QColor(0, 0, 250)).convertToFormat(QImage::Format_RGB32));
  QImage shown = test::Grab(w).copy(QRect(QPoint(326, 30) * r, QSize(256, 192) * r));
  shown.setDevicePixelRatio(cache.devicePixelRatio());
  EXPECT_EQ(shown, cache);
}

}  // namespace
