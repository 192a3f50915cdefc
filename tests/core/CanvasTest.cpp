#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CoreTestSupport.h"
#include "Layout.h"
#include "TestSupport.h"
#include "counter.h"
#include "driftCan.h"
#include "popupSpriteCan.h"
#include "virionTron.h"

namespace {

using coretest::DrawsTaken;
using coretest::StartSeeded;

// A display slot that counts its redraws.
class CountingSlot : public displayCan {
public:
  int redraws = 0;
  void redraw() override {
    ++redraws;
    displayCan::redraw();
  }
};

// An element of a control array: made with its index.
template <class C>
class Element : public C {
public:
  using C::Constructor;
  void Constructor(int32_t index) {
    this->SetIndex(index);
    C::Constructor();
  }
};

// Two populations, two display slots, a pop-up and a counter, with every event
// written to a log as the handlers see it.
class CanvasWindow : public Window {
public:
  std::vector<std::string> log;

  std::string ClassName() const override { return "CanvasWindow.CanvasWindow"; }
  void Layout() override {
    SetProperties(RefTo(this), PropertyStream().Int32("Width", 608).Int32("Height", 436).Boolean("Visible", true)
                                   .Boolean("Resizeable", false).Boolean("HasBackColor", true)
                                   .Color("BackColor", RGB(255, 255, 255)));
  }
  void CreateControls() override {
    auto place = [](int index, int l, int t, int w, int h) {
      return PropertyStream().Int32("Index", index).Int32("Left", l).Int32("Top", t).Int32("Width", w).Int32("Height", h);
    };
    using W = CanvasWindow;
    CreateControlsFromTable(RefTo<Window>(this), {
      {MakeElement<Element<driftCan>>(0), "Pop", 0, place(0, 20, 30, 256, 192),
       {On<W>("PulledAnitron", &W::Pop_PulledAnitron, "(  )"), On<W>("DroppedAniTron", &W::Pop_DroppedAniTron, "( aniTron )"),
        On<W>("SetProperties", &W::Pop_SetProperties, "(  )")}, {}},
      {MakeElement<Element<driftCan>>(1), "Pop", 1, place(1, 326, 30, 256, 192),
       {On<W>("PulledAnitron", &W::Pop_PulledAnitron, "(  )"), On<W>("DroppedAniTron", &W::Pop_DroppedAniTron, "( aniTron )")}, {}},
      {MakeElement<Element<CountingSlot>>(0), "Slot", 0, place(0, 75, 339, 20, 20),
       {On<W>("PulledAnitron", &W::Slot_PulledAnitron, "(  )"), On<W>("DroppedAniTron", &W::Slot_DroppedAniTron, "( aniTron )")}, {}},
      {Make<popupSpriteCan>(), "PopUp", kNoIndex, PropertyStream().Int32("Left", 6).Int32("Top", 57).Int32("Width", 18).Int32("Height", 16).Boolean("Visible", false),
       {On<W>("LoadImage", &W::PopUp_LoadImage, "( Int32, Int32, Variant, Window )"), On<W>("Vanished", &W::PopUp_Vanished, "(  )")}, {}},
      {Make<popupSpriteCan>(), "Bare", kNoIndex, PropertyStream().Int32("Left", 6).Int32("Top", 85).Int32("Width", 10).Int32("Height", 10).Boolean("Visible", false), {}, {}},
      {Make<counter>(), "Count", kNoIndex, PropertyStream().Int32("Left", 100).Int32("Top", 231).Int32("Width", 43).Int32("Height", 20).Text("Text", "GenCounter"), {}, {}},
    });
  }

  void Pop_SetProperties(const Ref<driftCan>& Me) {
    log.push_back("set " + std::to_string(Me->Index()) + " cache " + std::to_string(Me->Cache->Width()) + "x" +
                  std::to_string(Me->Cache->Height()));
  }
  void Pop_PulledAnitron(const Ref<driftCan>& Me) {
    log.push_back("pulled " + std::to_string(Me->Index()) + Flags(Me));
  }
  void Pop_DroppedAniTron(const Ref<driftCan>& Me, const Ref<aniTron>& t) {
    log.push_back("dropped " + std::to_string(Me->Index()) + Flags(Me) + " at " + std::to_string(t->X) + "," +
                  std::to_string(t->Y) + " last " + std::to_string(Me->AniTrons(Me->AniTrons.UBound()) == t));
  }
  void Slot_PulledAnitron(const Ref<displayCan>& Me) { log.push_back("slot pulled" + Flags(Me)); }
  void Slot_DroppedAniTron(const Ref<displayCan>& Me, const Ref<aniTron>&) { log.push_back("slot dropped" + Flags(Me)); }
  void PopUp_LoadImage(const Ref<popupSpriteCan>& Me, int32_t x, int32_t y, const Variant& v, const Ref<Window>& w) {
    log.push_back("load " + std::to_string(x) + "," + std::to_string(y) + " visible " + std::to_string(Me->Visible()) +
                  " value " + (v.IsNil() ? "nil" : "object") + " window " + std::to_string(w.get() == this));
  }
  void PopUp_Vanished(const Ref<popupSpriteCan>& Me) { log.push_back("vanished visible " + std::to_string(Me->Visible())); }

  Ref<driftCan> Pop(int i) { return ControlNamed<driftCan>(RefTo<Window>(this), "Pop", i); }
  Ref<CountingSlot> Slot() { return ControlNamed<CountingSlot>(RefTo<Window>(this), "Slot", 0); }

private:
  static std::string Flags(const Ref<SpriteCanvas>& c) {
    return " click " + std::to_string(c->processingClick) + " count " + std::to_string(c->AniTrons.UBound());
  }
};

Ref<CanvasWindow> OpenWindow() {
  Ref<CanvasWindow> w = New<CanvasWindow>();
  w->Constructor();
  return w;
}

Ref<virionTron> Virion(int x, int y, Color c, double fitness = 100.0) {
  Ref<virionTron> v = New<virionTron>();
  v->X = x, v->Y = y, v->width = 12, v->height = 12, v->myColor = c, v->Fitness = fitness;
  v->Sequence = New<cArray>();
  v->Sequence->Constructor(10);
  for (int i = 1; i <= 10; ++i) v->Sequence->set(i, "A");
  return v;
}

using Canvases = test::WindowTest;

TEST_F(Canvases, OpeningMakesTheCacheThenRaisesSetPropertiesOnce) {
  StartSeeded(1);
  Ref<CanvasWindow> w = OpenWindow();
  // Only canvas 0 has a SetProperties handler; canvas 1 opened silently.
  EXPECT_EQ(w->log, std::vector<std::string>{"set 0 cache 256x192"});
  EXPECT_NE(w->Pop(1)->Cache, nullptr);
  w->log.clear();
  w->Refresh();
  test::Grab(w);
  EXPECT_TRUE(w->log.empty());
}

TEST_F(Canvases, AMissTakesNothingRaisesNothingAndDoesNotRedraw) {
  StartSeeded(1);
  Ref<CanvasWindow> w = OpenWindow();
  w->log.clear();
  EXPECT_EQ(w->Pop(0)->mouseDown(100, 100), nullptr);
  Ref<CountingSlot> slot = w->Slot();
  EXPECT_EQ(slot->mouseDown(80, 345), nullptr);
  EXPECT_EQ(slot->redraws, 0);
  EXPECT_FALSE(slot->processingClick);
  EXPECT_TRUE(w->log.empty());
}

TEST_F(Canvases, TheLowestIndexUnderThePointIsTakenAndTheRestMoveDown) {
  StartSeeded(1);
  Ref<CanvasWindow> w = OpenWindow();
  Ref<driftCan> p = w->Pop(0);
  Ref<virionTron> a = Virion(0, 0, RGB(1, 1, 1)), b = Virion(100, 50, RGB(2, 2, 2)),
                  c = Virion(104, 54, RGB(3, 3, 3)), d = Virion(200, 100, RGB(4, 4, 4));
  for (auto v : {a, b, c, d}) p->doAttach(v);
  w->log.clear();
  // (126, 86) in the window is (106, 56) on the canvas: inside b and c.
  Ref<aniTron> t = p->mouseDown(126, 86);
  EXPECT_EQ(t, b);
  EXPECT_EQ(t->X, -6);
  EXPECT_EQ(t->Y, -6);
  ASSERT_EQ(p->AniTrons.UBound(), 3);
  EXPECT_EQ(p->AniTrons(1), a);
  EXPECT_EQ(p->AniTrons(2), c);
  EXPECT_EQ(p->AniTrons(3), d);
  // The handler ran after the list shrank and while the click was handled.
  EXPECT_EQ(w->log, std::vector<std::string>{"pulled 0 click 1 count 3"});
  EXPECT_FALSE(p->processingClick);
}

TEST_F(Canvases, TheOffsetFromThePointerSurvivesATakeAndADropElsewhere) {
  StartSeeded(1);
  Ref<CanvasWindow> w = OpenWindow();
  Ref<virionTron> v = Virion(100, 50, RGB(200, 0, 0));
  v->xLoc = 1.5, v->yLoc = 2.5;
  w->Pop(0)->doAttach(v);
  w->log.clear();
  Ref<aniTron> t = w->Pop(0)->mouseDown(126, 86);
  ASSERT_EQ(t, v);
  w->Pop(1)->AniTronDrop(400, 100, t);
  EXPECT_EQ(v->X, 68);
  EXPECT_EQ(v->Y, 64);
  EXPECT_EQ(v->xLoc, 1.5);
  EXPECT_EQ(v->yLoc, 2.5);
  EXPECT_EQ(w->log, (std::vector<std::string>{"pulled 0 click 1 count 0", "dropped 1 click 1 count 1 at 68,64 last 1"}));
  EXPECT_FALSE(w->Pop(1)->processingClick);
  // Dropped in, the virion is drawn at its new place without a generation.
  const QImage img = test::Grab(w);
  EXPECT_EQ(img.pixelColor(326 + 68 + 6, 30 + 64 + 6), QColor(200, 0, 0));
}

TEST_F(Canvases, ADisplaySlotHoldsOneSpriteAndRedrawsAtEachDrop) {
  StartSeeded(1);
  Ref<CanvasWindow> w = OpenWindow();
  Ref<CountingSlot> slot = w->Slot();
  Ref<virionTron> first = Virion(-6, -6, RGB(0, 0, 255)), second = Virion(-6, -6, RGB(0, 255, 0));
  slot->AniTronDrop(85, 349, first);
  slot->AniTronDrop(85, 349, second);
  ASSERT_EQ(slot->AniTrons.UBound(), 1);
  EXPECT_EQ(slot->AniTrons(1), second);
  EXPECT_EQ(slot->redraws, 2);
  EXPECT_EQ(w->log.back(), "slot dropped click 1 count 1");
  EXPECT_EQ(test::Grab(w).pixelColor(75 + 4 + 6, 339 + 4 + 6), QColor(0, 255, 0));
  Ref<aniTron> t = slot->mouseDown(85, 349);
  EXPECT_EQ(t, second);
  EXPECT_EQ(w->log.back(), "slot pulled click 1 count 0");
}

TEST_F(Canvases, ClearDetachesEverySprite) {
  StartSeeded(1);
  Ref<CanvasWindow> w = OpenWindow();
  Ref<driftCan> p = w->Pop(1);
  p->clear();
  EXPECT_EQ(p->AniTrons.UBound(), 0);
  for (int i = 0; i < 5; ++i) p->doAttach(Virion(i, i, RGB(0, 0, 0)));
  p->clear();
  EXPECT_EQ(p->AniTrons.UBound(), 0);
  EXPECT_EQ(p->AniTrons(0), nullptr);
}

TEST_F(Canvases, ThePartsOfADragKeepToTheirLimits) {
  StartSeeded(1);
  Ref<CanvasWindow> w = OpenWindow();
  Ref<driftCan> p = w->Pop(0);
  // A point on the canvas's border is outside it.
  EXPECT_FALSE(p->within(20, 100));
  EXPECT_FALSE(p->within(276, 100));
  EXPECT_TRUE(p->within(21, 31));
  EXPECT_FALSE(p->within(100, 222));
  EXPECT_THROW(p->doDetach(1), OutOfBoundsException);
  EXPECT_THROW(p->AniTronDrop(100, 100, nullptr), NilObjectException);
}

// The worked generation: two parents of fitness 100 and 50, four children.
TEST_F(Canvases, OneGenerationDrawsInTheStatedOrder) {
  Ref<coretest::ProbeRAlea> r = StartSeeded(1);
  Ref<CanvasWindow> w = OpenWindow();
  Ref<driftCan> p = w->Pop(1);
  Ref<virionTron> first = Virion(10, 10, RGB(250, 0, 0), 100.0), second = Virion(30, 30, RGB(0, 0, 250), 50.0);
  p->doAttach(first);
  p->doAttach(second);
  Globals::PopSize = 4;
  r->setSeed(12345);
  p->redraw();
  EXPECT_EQ(DrawsTaken(12345, r->state()), 24);
  ASSERT_EQ(p->AniTrons.UBound(), 4);
  const double xs[] = {41.339102217622894, 50.12592677500061, 125.95786731038288, 101.91662333117733};
  const double ys[] = {47.61832769708349, 119.77215378777669, 66.03061543168587, 39.122981363358576};
  const int Xs[] = {41, 50, 126, 102}, Ys[] = {48, 120, 66, 39};
  const QImage img = test::Grab(w);
  for (int i = 1; i <= 4; ++i) {
    Ref<virionTron> child = Cast<virionTron>(p->AniTrons(i));
    ASSERT_NE(child, nullptr);
    EXPECT_NE(child, first);
    EXPECT_EQ(child->xLoc, xs[i - 1]);
    EXPECT_EQ(child->yLoc, ys[i - 1]);
    EXPECT_EQ(child->X, Xs[i - 1]);
    EXPECT_EQ(child->Y, Ys[i - 1]);
    EXPECT_EQ(child->myColor, RGB(250, 0, 0));
    EXPECT_EQ(child->Fitness, 100.0);
    // Each dot is on screen, in its colour, at its place.
    EXPECT_EQ(img.pixelColor(326 + child->X + 6, 30 + child->Y + 6), QColor(250, 0, 0)) << i;
  }
  EXPECT_EQ(img.pixelColor(326 + 200, 30 + 150), QColor(255, 255, 255));
}

TEST_F(Canvases, WithEqualFitnessEveryFirstCandidateIsAccepted) {
  Ref<coretest::ProbeRAlea> r = StartSeeded(1);
  Ref<CanvasWindow> w = OpenWindow();
  Ref<driftCan> p = w->Pop(1);
  p->doAttach(Virion(10, 10, RGB(1, 2, 3)));
  p->doAttach(Virion(30, 30, RGB(1, 2, 3)));
  Globals::PopSize = 10;
  Globals::MutRatePerSeq = 0.0;
  r->setSeed(4242);
  p->redraw();
  // Per child: parent, acceptance, clone test; then two places per child.
  EXPECT_EQ(DrawsTaken(4242, r->state()), 10 * 3 + 10 * 2);
}

TEST_F(Canvases, NoGenerationWhileAClickIsHandledOrWhenEmptyButStillARepaint) {
  Ref<coretest::ProbeRAlea> r = StartSeeded(99);
  Ref<CanvasWindow> w = OpenWindow();
  Ref<driftCan> p = w->Pop(1);
  EXPECT_EQ(p->GetMaxFitness(), 0.0);
  const double before = r->state();
  p->redraw();
  EXPECT_EQ(r->state(), before);
  EXPECT_EQ(p->AniTrons.UBound(), 0);
  EXPECT_EQ(test::Grab(w).pixelColor(326 + 100, 30 + 100), QColor(255, 255, 255));

  Ref<virionTron> v = Virion(50, 60, RGB(0, 128, 0));
  p->doAttach(v);
  p->processingClick = true;
  p->redraw();
  p->processingClick = false;
  EXPECT_EQ(r->state(), before);
  ASSERT_EQ(p->AniTrons.UBound(), 1);
  EXPECT_EQ(p->AniTrons(1), v);
  EXPECT_EQ(v->X, 50);
  EXPECT_EQ(test::Grab(w).pixelColor(326 + 56, 30 + 66), QColor(0, 128, 0));
}

TEST_F(Canvases, APopulationGrowsOrShrinksToPopSizeInOneGeneration) {
  StartSeeded(5);
  Ref<CanvasWindow> w = OpenWindow();
  Ref<driftCan> p = w->Pop(1);
  Ref<virionTron> founder = Virion(50, 50, RGB(9, 9, 9));
  p->doAttach(founder);
  p->redraw();
  ASSERT_EQ(p->AniTrons.UBound(), 50);
  for (int i = 1; i <= 50; ++i) EXPECT_NE(p->AniTrons(i), founder);
  for (int i = 0; i < 20; ++i) p->doAttach(Virion(10, 10, RGB(9, 9, 9)));
  ASSERT_EQ(p->AniTrons.UBound(), 70);
  p->redraw();
  EXPECT_EQ(p->AniTrons.UBound(), 50);
}

TEST_F(Canvases, PopupRaisesLoadImageBeforeShowingAndVanishHidesBeforeVanished) {
  StartSeeded(1);
  Ref<CanvasWindow> w = OpenWindow();
  Ref<popupSpriteCan> pop = ControlNamed<popupSpriteCan>(w, "PopUp");
  w->log.clear();
  pop->popup(30, 40, Variant(Virion(0, 0, RGB(0, 0, 0))), w);
  EXPECT_TRUE(pop->Visible());
  pop->vanish();
  EXPECT_FALSE(pop->Visible());
  EXPECT_EQ(w->log, (std::vector<std::string>{"load 30,40 visible 0 value object window 1", "vanished visible 0"}));

  Ref<popupSpriteCan> bare = ControlNamed<popupSpriteCan>(w, "Bare");
  bare->popup(1, 2, Variant(), w);
  EXPECT_TRUE(bare->Visible());
  bare->vanish();
  EXPECT_FALSE(bare->Visible());
}

TEST_F(Canvases, ACounterCountsThroughItsText) {
  StartSeeded(1);
  Ref<CanvasWindow> w = OpenWindow();
  Ref<counter> c = ControlNamed<counter>(w, "Count");
  EXPECT_EQ(c->Text(), "0");
  c->increment();
  c->increment();
  EXPECT_EQ(c->Text(), "2");
  c->zero();
  c->decrement();
  EXPECT_EQ(c->Text(), "-1");
  c->set(250);
  EXPECT_EQ(c->Text(), "250");
  c->zero();
  EXPECT_EQ(c->Text(), "0");
  c->SetText("abc");
  c->increment();
  EXPECT_EQ(c->Text(), "1");
}

}  // namespace
