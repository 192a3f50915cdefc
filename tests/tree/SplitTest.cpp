#include <gtest/gtest.h>

#include <vector>

#include "TreeTestSupport.h"

namespace {

using Split = treetest::TreeTest;

std::vector<int> LeftsInTreeOrder(const Ref<class WindowTree>& w) {
  std::vector<int> lefts;
  for (int j = 0; j <= w->PopOrder.UBound(); ++j) lefts.push_back(w->PopOrder(j)->Left());
  return lefts;
}

TEST_F(Split, TheFirstSplitAtGenerationThirtyDrawsTheFirstBar) {
  Ref<class WindowTree> w = Open();
  test::ClickButton(Button(w));
  CountUp(w)->set(30);
  ClickPopulation(w, 0);
  EXPECT_EQ(w->LastPopActivated, 1);
  EXPECT_EQ(w->numHLines, 1);
  EXPECT_EQ(w->numVLines, 2);
  EXPECT_FALSE(Root(w)->Active);
  EXPECT_EQ(Pop(w, 1)->Top(), Pop(w, 0)->Top());
  EXPECT_EQ(Frame(w, 1)->Top(), 354);
  EXPECT_EQ(Label(w, 1)->Top(), 337);
  EXPECT_EQ(LeftsInTreeOrder(w), (std::vector<int>{207, 414}));
  EXPECT_EQ(Frame(w, 0)->Left(), 206);
  EXPECT_EQ(Frame(w, 1)->Left(), 413);
  EXPECT_EQ(Label(w, 1)->Left(), 413);
  EXPECT_TRUE(Pop(w, 1)->Visible());
  EXPECT_TRUE(Frame(w, 1)->Visible());
  EXPECT_TRUE(Label(w, 1)->Visible());
  // One virion moved from the parent to the new population.
  EXPECT_EQ(Pop(w, 0)->AniTrons.UBound(), 49);
  EXPECT_EQ(Pop(w, 1)->AniTrons.UBound(), 1);
  Ref<HLine> bar = Bar(w, 1);
  EXPECT_TRUE(bar->Visible());
  EXPECT_EQ(bar->TimeDepth, 386);
  EXPECT_EQ(bar->X1(), 227);
  EXPECT_EQ(bar->Y1(), 386);
  EXPECT_EQ(bar->X2(), 434);
  EXPECT_EQ(bar->Y2(), 386);
  EXPECT_EQ(bar->leftVLine, Ref<VLine>(Upright(w, 1)));
  EXPECT_EQ(bar->rightVLine, Ref<VLine>(Upright(w, 2)));
  EXPECT_EQ(Upright(w, 1)->X1(), 227);
  EXPECT_EQ(Upright(w, 1)->Y2(), 386);
  EXPECT_EQ(Upright(w, 1)->Y1(), 396);
  EXPECT_EQ(Upright(w, 2)->X1(), 434);
  EXPECT_EQ(Upright(w, 2)->Y2(), 386);
  EXPECT_TRUE(Upright(w, 1)->Visible());
  EXPECT_EQ(bar->LeftContains(Pop(w, 0)), 0);
  EXPECT_EQ(bar->RightContains(Pop(w, 1)), 0);
  EXPECT_EQ(bar->LeftContains(Pop(w, 2)), -1);
  EXPECT_EQ(Bar(w, 2)->LeftContains(Pop(w, 0)), -1);
}

TEST_F(Split, TheSplitDrawsTheFounderWithOneDraw) {
  Ref<class WindowTree> w = Open();
  test::ClickButton(Button(w));
  Seed(12345);  // the first draw, 0.1056..., picks virion 6 of 50
  Ref<aniTron> expected = Pop(w, 0)->AniTrons(6);
  ClickPopulation(w, 0);
  ASSERT_EQ(Pop(w, 1)->AniTrons.UBound(), 1);
  EXPECT_EQ(Pop(w, 1)->AniTrons(1), expected);
  // Exactly one draw: the next one is the stream's second.
  EXPECT_EQ(Globals::myRAlea->random(), 0.3100736851315986);
}

TEST_F(Split, SplitsSpreadThePopulationsEvenlyInTreeOrder) {
  Ref<class WindowTree> w = Open();
  test::ClickButton(Button(w));
  ClickPopulation(w, 0);  // 0 1
  ClickPopulation(w, 0);  // 0 2 1: the new one right after its parent
  EXPECT_EQ(w->PopOrder(1), Ref<driftCan>(Pop(w, 2)));
  // 622 / 4 = 155.5: Round takes halves away from zero.
  EXPECT_EQ(LeftsInTreeOrder(w), (std::vector<int>{156, 312, 468}));
  ClickPopulation(w, 1);  // 0 2 1 3: splitting the last appends
  EXPECT_EQ(w->PopOrder(3), Ref<driftCan>(Pop(w, 3)));
  EXPECT_EQ(LeftsInTreeOrder(w), (std::vector<int>{124, 248, 372, 496}));
  ClickPopulation(w, 2);
  EXPECT_EQ(LeftsInTreeOrder(w), (std::vector<int>{104, 208, 312, 416, 520}));
  ClickPopulation(w, 0);
  EXPECT_EQ(LeftsInTreeOrder(w), (std::vector<int>{89, 178, 267, 356, 445, 534}));
  ClickPopulation(w, 0);
  EXPECT_EQ(LeftsInTreeOrder(w), (std::vector<int>{78, 156, 234, 312, 390, 468, 546}));
  ClickPopulation(w, 0);
  EXPECT_EQ(LeftsInTreeOrder(w), (std::vector<int>{69, 138, 207, 276, 345, 414, 483, 552}));
  EXPECT_EQ(w->LastPopActivated, 7);
  for (int k = 0; k <= 7; ++k) {
    EXPECT_EQ(Frame(w, k)->Left(), Pop(w, k)->Left() - 1);
    EXPECT_EQ(Label(w, k)->Left(), Frame(w, k)->Left());
  }
  // Every population in use shares one height.
  for (int k = 1; k <= 7; ++k) EXPECT_EQ(Pop(w, k)->Top(), Pop(w, 0)->Top());
}

TEST_F(Split, AfterSevenSplitsAClickChangesNothing) {
  Ref<class WindowTree> w = Open();
  test::ClickButton(Button(w));
  for (int s = 0; s < 7; ++s) ClickPopulation(w, 0);
  const std::vector<int> lefts = LeftsInTreeOrder(w);
  const int virions = Pop(w, 0)->AniTrons.UBound();
  ClickPopulation(w, 0);
  EXPECT_EQ(w->LastPopActivated, 7);
  EXPECT_EQ(w->numHLines, 7);
  EXPECT_EQ(w->numVLines, 14);
  EXPECT_EQ(LeftsInTreeOrder(w), lefts);
  EXPECT_EQ(Pop(w, 0)->AniTrons.UBound(), virions);
}

TEST_F(Split, AnOlderBarTakesTheNewPopulationIntoTheParentsGroup) {
  Ref<class WindowTree> w = Open();
  test::ClickButton(Button(w));
  ClickPopulation(w, 0);  // bar 1: 0 | 1
  const int rightUpperEnd = Upright(w, 2)->Y1();
  Tick(w);                // reads 0: everyone rises a pixel, and so does line 2
  EXPECT_EQ(Upright(w, 2)->Y1(), rightUpperEnd - 1);
  ClickPopulation(w, 1);  // bar 2: 1 | 2; bar 1's right end now holds 1 and 2
  Ref<HLine> bar1 = Bar(w, 1);
  ASSERT_EQ(bar1->RightEnd.UBound(), 1);
  EXPECT_EQ(bar1->RightEnd(0), Ref<driftCan>(Pop(w, 1)));
  EXPECT_EQ(bar1->RightEnd(1), Ref<driftCan>(Pop(w, 2)));
  // The right end is at the mean of the two centres, which is the middle of bar 2.
  EXPECT_EQ(bar1->X2(), (Pop(w, 1)->Left() + Pop(w, 2)->Left()) / 2 + 20);
  EXPECT_EQ(bar1->X2(), (Bar(w, 2)->X1() + Bar(w, 2)->X2()) / 2);
  // Line 2 keeps the upper end it had; the timer no longer moves it.
  const int kept = Upright(w, 2)->Y1();
  Tick(w);
  Tick(w);
  Tick(w);
  EXPECT_EQ(Upright(w, 2)->Y1(), kept);
  EXPECT_EQ(Upright(w, 1)->Y1(), Pop(w, 0)->Top() + 41);
}

TEST_F(Split, AClickOffThePopulationsOrOnAParkedCanvasSplitsNothing) {
  Ref<class WindowTree> w = Open();
  test::ClickButton(Button(w));
  test::Click(w, 100, 100);  // the empty tree area
  test::Click(w, Pop(w, 0)->Left(), Pop(w, 0)->Top() + 20);  // the canvas's own edge
  test::Click(w, 640, 80);   // a parked canvas, not in use
  EXPECT_EQ(w->LastPopActivated, 0);
  EXPECT_TRUE(Root(w)->Active);
  EXPECT_FALSE(Pop(w, 1)->Visible());
}

TEST_F(Split, APopulationOfOneGivesItsVirionAwayAndStaysInTheTree) {
  Ref<class WindowTree> w = Open();
  Ref<driftCan> p0 = Pop(w, 0);
  p0->AniTrons.Redim(1);
  Ref<aniTron> only = p0->AniTrons(1);
  test::ClickButton(Button(w));
  ClickPopulation(w, 0);
  EXPECT_EQ(p0->AniTrons.UBound(), 0);
  ASSERT_EQ(Pop(w, 1)->AniTrons.UBound(), 1);
  EXPECT_EQ(Pop(w, 1)->AniTrons(1), only);
  EXPECT_TRUE(p0->Visible());
  EXPECT_EQ(w->PopOrder(0), p0);
  // An empty population has nothing to found from: a further click is refused whole.
  ClickPopulation(w, 0);
  EXPECT_EQ(w->LastPopActivated, 1);
  EXPECT_EQ(w->numHLines, 1);
  EXPECT_FALSE(Pop(w, 2)->Visible());
}

TEST_F(Split, WhilePausedAClickPicksUpInsteadOfSplitting) {
  Ref<class WindowTree> w = Open();
  Ref<aniTron> t = Pop(w, 0)->AniTrons(1);
  test::Press(w, Pop(w, 0)->Left() + t->X + 2, Pop(w, 0)->Top() + t->Y + 2);
  EXPECT_EQ(w->LastPopActivated, 0);
  EXPECT_EQ(w->DragTron, t);
  test::Release(w, Pop(w, 0)->Left() + 20, Pop(w, 0)->Top() + 20);
  EXPECT_EQ(Pop(w, 0)->AniTrons.UBound(), 50);
}

}  // namespace
