// The Tree window: its run, the panel while paused, and the splits while running.
#include "../divergence/DivergenceSupport.h"

namespace {

using namespace simtest;
using Tree = test::ProgramTest;
using Split = test::ProgramTest;

Ref<PushButton> Button(const Ref<Window>& w) { return w->Named<PushButton>("PushButtonFastFwd"); }
int32_t Mode(const Ref<Window>& w) { return w->Named<Timer>("TimerWait")->Mode(); }
// A population's canvas, frame and label (left and top of each), and how many of the three show, named.
std::string Placed(int canvasLeft, int canvasTop, int frameLeft, int frameTop, int labelLeft, int labelTop, int shown) {
  return Join("canvas", canvasLeft, canvasTop, "frame", frameLeft, frameTop, "label", labelLeft, labelTop, "shown",
              shown);
}
// Population k's.
std::string Where(const Ref<Window>& w, int k) {
  const Ref<RectControl> c = Pop(w, k), f = w->Named<Rectangle>("RectangleBound", k),
                         l = w->Named<EditField>("EditFieldPopLabel", k);
  return Placed(c->Left(), c->Top(), f->Left(), f->Top(), l->Left(), l->Top(),
                c->Visible() + f->Visible() + l->Visible());
}
// A line's ends, and whether it shows.
std::string Ends(const Ref<Line>& l) {
  return Join(l->X1()) + "," + Join(l->Y1()) + "-" + Join(l->X2()) + "," + Join(l->Y2()) +
         (l->Visible() ? "" : " hidden");
}
// The populations under a bar's left and right ends.
std::string Groups(const Ref<HLine>& h) {
  std::string s;
  for (int i = 0; i <= h->LeftEnd.UBound(); ++i) s += (i > 0 ? "," : "") + Join(h->LeftEnd(i)->Index());
  for (int i = 0; i <= h->RightEnd.UBound(); ++i) s += (i > 0 ? "," : "/") + Join(h->RightEnd(i)->Index());
  return s;
}
// Every bar in use: its groups, itself, its left and right vertical lines (index and ends).
std::string Bars(const Ref<class WindowTree>& w) {
  std::string s;
  for (int m = 1; m <= w->numHLines; ++m) {
    const Ref<HLine> h = w->Named<HLine>("myHLine", m);
    s += (m > 1 ? " | " : "") + Join(Groups(h), Ends(h), "v" + Join(h->leftVLine->Index()), Ends(h->leftVLine),
                                     "v" + Join(h->rightVLine->Index()), Ends(h->rightVLine));
  }
  return s;
}
// The canvases' Lefts in tree order.
std::string Lefts(const Ref<class WindowTree>& w) {
  std::string s;
  for (int j = 0; j <= w->PopOrder.UBound(); ++j) s += (j > 0 ? " " : "") + Join(w->PopOrder(j)->Left());
  return s;
}
// A real click at the centre of population k's canvas; then the Lefts in tree order.
std::string ClickPopulation(const Ref<class WindowTree>& w, int k) {
  test::Click(w, Centre(Pop(w, k)).first, Centre(Pop(w, k)).second);
  return Lefts(w);
}

// Rises on the ticks that read 0, 3, ..., 999; the one that reads 1000 still runs a generation,
// the next only stops the run, and so does the first tick of a later start.
TEST_F(Tree, OpensAndRisesEveryThirdGenerationUntilGenerationOneThousand) {
  Globals::SequenceLength = 20;  // a shorter sequence keeps the run quick
  Ref<class WindowTree> w = WindowTree();
  EXPECT_FALSE(w->Visible());
  EXPECT_EQ(Where(w, 0), "canvas 311 355 frame 310 354 label 310 337 shown 3");
  EXPECT_EQ(Lefts(w), "311");
  EXPECT_EQ(Text(w, "CountUp"), "0");
  EXPECT_EQ(Button(w)->Caption(), "Fast Fwd");
  EXPECT_EQ(w->Named<Timer>("TimerWait")->Period(), 100);
  ASSERT_EQ(Pop(w, 0)->AniTrons.UBound(), 50);
  for (int i = 1; i <= 50; ++i) {
    EXPECT_EQ(Pop(w, 0)->AniTrons(i)->width, 5) << i;
    EXPECT_EQ(Pop(w, 0)->AniTrons(i)->height, 5) << i;
  }
  test::ClickButton(Button(Open(w)));
  const Ref<aniTron> founded = Pop(w, 0)->AniTrons(1);
  Tick(w);
  EXPECT_EQ(Text(w, "CountUp"), "1");
  EXPECT_EQ(Where(w, 0), "canvas 311 354 frame 310 353 label 310 336 shown 3");
  EXPECT_EQ(Ends(w->Named<Line>("myRootline")), "331,395-331,397");
  EXPECT_NE(Pop(w, 0)->AniTrons(1), founded);
  test::ClickButton(Button(w));  // paused, the timer is off
  Tick(w);
  EXPECT_EQ(Text(w, "CountUp"), "1");
  EXPECT_EQ(Button(w)->Caption(), "Fast Fwd");
  EXPECT_EQ(Mode(w), 0);
  test::ClickButton(Button(w));
  Tick(w, 1000);
  EXPECT_EQ(Text(w, "CountUp"), "1001");
  EXPECT_EQ(Where(w, 0), "canvas 311 21 frame 310 20 label 310 3 shown 3");
  EXPECT_EQ(Ends(w->Named<Line>("myRootline")), "331,62-331,397");
  EXPECT_EQ(Button(w)->Caption(), "Pause");
  for (int k = 1; k <= 7; ++k) {
    EXPECT_EQ(Where(w, k), Placed(628, 20 + 42 * k, 620, 19 + 42 * k, 606, 19 + 41 * k, 0));
    EXPECT_EQ(Pop(w, k)->AniTrons.UBound(), 0) << k;
    EXPECT_FALSE(w->Named<HLine>("myHLine", k)->Visible()) << k;
  }
  const Ref<aniTron> last = Pop(w, 0)->AniTrons(1);
  Tick(w);
  EXPECT_EQ(Text(w, "CountUp"), "1001");
  EXPECT_EQ(Button(w)->Caption(), "Fast Fwd");
  EXPECT_EQ(Pop(w, 0)->AniTrons(1), last);
  test::ClickButton(Button(w));
  EXPECT_EQ(Button(w)->Caption(), "Pause");
  Tick(w);
  EXPECT_EQ(Text(w, "CountUp"), "1001");
  EXPECT_EQ(Button(w)->Caption(), "Fast Fwd");
  EXPECT_EQ(Mode(w), 0);
}

// Paused, a press picks up: in a slot the virion names its population's label (from a slot, the
// slot's label stays); in a parked canvas it stays, and joins the population a split founds there.
TEST_F(Tree, WhilePausedAPressPicksUpAndAVirionLeftInAParkedCanvasJoinsItsSplit) {
  Ref<class WindowTree> w = Open(WindowTree());
  test::TypeInto(w->Named<EditField>("EditFieldPopLabel", 0), "Root");
  const Ref<aniTron> shown = Pop(w, 0)->AniTrons(1), other = Pop(w, 0)->AniTrons(2), parked = Pop(w, 0)->AniTrons(3);
  Drag(w, On(Pop(w, 0), shown), Centre(Slot(w, 1)));
  Drag(w, On(Pop(w, 0), other), Centre(Slot(w, 0)));
  EXPECT_EQ(w->LastPopActivated, 0);
  EXPECT_TRUE(Holds(Slot(w, 1), shown));
  EXPECT_TRUE(Holds(Slot(w, 0), other));
  Drag(w, Centre(Slot(w, 0)), Centre(Slot(w, 1)));
  EXPECT_EQ(Slots(w), "/ " + Letters(other) + "/Root #");
  Drag(w, On(Pop(w, 0), parked), {640, 80});
  EXPECT_TRUE(Holds(Pop(w, 1), parked));
  test::ClickButton(Button(w));
  ClickPopulation(w, 0);
  EXPECT_EQ(Where(w, 1), "canvas 414 355 frame 413 354 label 413 337 shown 3");
  EXPECT_EQ(Pop(w, 0)->AniTrons.UBound(), 46);
  EXPECT_EQ(Pop(w, 1)->AniTrons.UBound(), 2);
  EXPECT_TRUE(Holds(Pop(w, 1), parked));
}

TEST_F(Tree, AnElementMadeWithoutAnIndexIsLaidOutLikeItsArraysFirst) {
  Ref<class WindowTree> w = WindowTree();
  Ref<WindowTree::myHLine> line = w->New<WindowTree::myHLine>();
  line->Constructor();
  Ref<WindowTree::myDriftCan> canvas = w->New<WindowTree::myDriftCan>();
  canvas->Constructor();
  EXPECT_EQ(line->Name(), "myHLine");
  EXPECT_EQ(line->Index(), 0);
  EXPECT_EQ(Ends(line), "9,7-109,7 hidden");
  EXPECT_EQ(w->Controls().back(), canvas);
  EXPECT_EQ(canvas->Index(), 0);
  EXPECT_EQ(canvas->Width(), 40);
  EXPECT_TRUE(canvas->HasHandler("SetProperties"));
}

// A bar lies at 396 - g / 3, truncated (385.67 is 385); a new population follows its parent in
// the tree and in older bars' groups; 155.5 rounds to 156. Clicks off the populations (tree
// area, a canvas's edge, a parked canvas) and an eighth split change nothing.
TEST_F(Split, SplitsAtGenerationsReachedByTicksGrowTheTreeInTreeOrder) {
  Ref<class WindowTree> w = Open(WindowTree());
  test::ClickButton(Button(w));
  for (const Point& p : {Point(100, 100), Point(311, 375), Point(640, 80)}) test::Click(w, p.first, p.second);
  EXPECT_EQ(w->LastPopActivated, 0);
  EXPECT_TRUE(w->Named<RootLine>("myRootline")->Active);
  EXPECT_EQ(Where(w, 1), "canvas 628 62 frame 620 61 label 606 60 shown 0");
  Tick(w, 30);
  Globals::myRAlea->setSeed(12345);  // the first draw, 0.1056..., takes virion 6 of 50; the next is the stream's second
  const Ref<aniTron> sixth = Pop(w, 0)->AniTrons(6);
  ClickPopulation(w, 0);
  EXPECT_EQ(Globals::myRAlea->random(), 0.3100736851315986);
  EXPECT_EQ(Pop(w, 0)->AniTrons.UBound(), 49);
  EXPECT_EQ(Pop(w, 1)->AniTrons(1), sixth);
  EXPECT_FALSE(w->Named<RootLine>("myRootline")->Active);
  EXPECT_EQ(Where(w, 0), "canvas 207 345 frame 206 344 label 206 327 shown 3");
  EXPECT_EQ(Where(w, 1), "canvas 414 345 frame 413 344 label 413 327 shown 3");
  EXPECT_EQ(Bars(w), "0/1 227,386-434,386 v1 227,386-227,386 v2 434,386-434,386");
  Tick(w);  // reads 30: a rise, which the vertical lines follow
  ClickPopulation(w, 0);
  EXPECT_EQ(Lefts(w), "156 312 468");
  EXPECT_EQ(Bars(w),
            "0,2/1 254,386-488,386 v1 254,385-254,386 v2 488,385-488,386 | "
            "0/2 176,385-332,385 v3 176,385-176,385 v4 332,385-332,385");
  Tick(w, 3);  // a rise; a line whose group holds two stays
  EXPECT_EQ(Bars(w),
            "0,2/1 254,386-488,386 v1 254,385-254,386 v2 488,384-488,386 | "
            "0/2 176,385-332,385 v3 176,384-176,385 v4 332,384-332,385");
  ClickPopulation(w, 1);
  EXPECT_EQ(Lefts(w), "124 248 372 496");
  EXPECT_EQ(Bars(w),
            "0,2/1,3 206,386-454,386 v1 206,385-206,386 v2 454,384-454,386 | "
            "0/2 144,385-268,385 v3 144,384-144,385 v4 268,384-268,385 | "
            "1/3 392,384-516,384 v5 392,384-392,384 v6 516,384-516,384");
  std::string lefts, groups;
  for (const int parent : {2, 0, 0, 0}) lefts += ClickPopulation(w, parent) + "; ";
  for (int m = 1; m <= 7; ++m) groups += Groups(w->Named<HLine>("myHLine", m)) + " ";
  EXPECT_EQ(lefts,
            "104 208 312 416 520; 89 178 267 356 445 534; 78 156 234 312 390 468 546; "
            "69 138 207 276 345 414 483 552; ");
  EXPECT_EQ(groups, "0,7,6,5,2,4/1,3 0,7,6,5/2,4 1/3 2/4 0,7,6/5 0,7/6 0/7 ");
  const std::string bars = Bars(w), eightLefts = Lefts(w);
  const int32_t virions = Pop(w, 0)->AniTrons.UBound(), vLines = w->numVLines;
  ClickPopulation(w, 0);
  EXPECT_EQ(Bars(w), bars);
  EXPECT_EQ(Lefts(w), eightLefts);
  EXPECT_EQ(Pop(w, 0)->AniTrons.UBound(), virions);
  EXPECT_EQ(w->numVLines, vLines);
  for (int k = 0; k <= 7; ++k)  // every frame and label with its canvas, all at one height
    EXPECT_EQ(Where(w, k), Placed(Pop(w, k)->Left(), 343, Pop(w, k)->Left() - 1, 342, Pop(w, k)->Left() - 1, 325, 3));
}

// Emptied by a split, a population stays in the tree, and a click on it is refused whole.
TEST_F(Split, APopulationOfOneGivesItsVirionAwayAndStaysInTheTree) {
  Ref<class WindowTree> w = Open(WindowTree());
  Pop(w, 0)->AniTrons.Redim(1);
  const Ref<aniTron> only = Pop(w, 0)->AniTrons(1);
  test::ClickButton(Button(w));
  ClickPopulation(w, 0);
  EXPECT_EQ(Pop(w, 0)->AniTrons.UBound(), 0);
  EXPECT_EQ(Pop(w, 1)->AniTrons(1), only);
  EXPECT_EQ(Where(w, 0), "canvas 207 355 frame 206 354 label 206 337 shown 3");
  ClickPopulation(w, 0);
  EXPECT_EQ(w->LastPopActivated, 1);
  EXPECT_EQ(w->numHLines, 1);
  EXPECT_EQ(w->numVLines, 2);
  EXPECT_EQ(Lefts(w), "207 414");
  EXPECT_EQ(Where(w, 2), "canvas 628 104 frame 627 103 label 627 101 shown 0");
}

}  // namespace
