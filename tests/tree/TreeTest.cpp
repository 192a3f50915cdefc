#include <gtest/gtest.h>

#include "TreeTestSupport.h"
#include "WindowResetDrift.h"
#include "virionTron.h"

namespace {

using Tree = treetest::TreeTest;

TEST_F(Tree, OpensWithPopulationZeroCentredAtTheBottomOfTheTreeArea) {
  Ref<class WindowTree> w = WindowTree();
  EXPECT_FALSE(w->Visible());
  EXPECT_EQ(Pop(w, 0)->Left(), 311);
  EXPECT_EQ(Pop(w, 0)->Top(), 355);
  EXPECT_EQ(Frame(w, 0)->Left(), 310);
  EXPECT_EQ(Frame(w, 0)->Top(), 354);
  EXPECT_EQ(Label(w, 0)->Left(), 310);
  EXPECT_EQ(Label(w, 0)->Top(), 337);
  ASSERT_EQ(w->PopOrder.UBound(), 0);
  EXPECT_EQ(w->PopOrder(0), Ref<driftCan>(Pop(w, 0)));
  EXPECT_TRUE(Root(w)->Active);
  EXPECT_EQ(CountUp(w)->Text(), "0");
  EXPECT_EQ(Button(w)->Caption(), "Fast Fwd");
  EXPECT_EQ(Ticker(w)->Mode(), 0);
  ASSERT_EQ(Pop(w, 0)->AniTrons.UBound(), 50);
  for (int i = 1; i <= 50; ++i) {
    EXPECT_EQ(Pop(w, 0)->AniTrons(i)->width, 5);
    EXPECT_EQ(Pop(w, 0)->AniTrons(i)->height, 5);
  }
  for (int k = 1; k <= 7; ++k) {
    EXPECT_FALSE(Pop(w, k)->Visible());
    EXPECT_EQ(Pop(w, k)->AniTrons.UBound(), 0);
    EXPECT_EQ(Pop(w, k)->Left(), 628);
    EXPECT_EQ(Pop(w, k)->Top(), 62 + 42 * (k - 1));
    EXPECT_FALSE(Frame(w, k)->Visible());
    EXPECT_FALSE(Label(w, k)->Visible());
  }
  for (int m = 0; m <= 7; ++m) EXPECT_FALSE(Bar(w, m)->Visible());
}

TEST_F(Tree, TheButtonStartsAndPausesTheRun) {
  Ref<class WindowTree> w = Open();
  test::ClickButton(Button(w));
  EXPECT_EQ(Button(w)->Caption(), "Pause");
  EXPECT_EQ(Ticker(w)->Mode(), 2);
  test::ClickButton(Button(w));
  EXPECT_EQ(Button(w)->Caption(), "Fast Fwd");
  EXPECT_EQ(Ticker(w)->Mode(), 0);
}

TEST_F(Tree, EveryThirdGenerationThePopulationsRise) {
  Ref<class WindowTree> w = Open();
  test::ClickButton(Button(w));
  Ref<aniTron> before = Pop(w, 0)->AniTrons(1);
  Tick(w);  // reads 0: a generation and a move
  EXPECT_EQ(CountUp(w)->Text(), "1");
  EXPECT_NE(Pop(w, 0)->AniTrons(1), before);
  EXPECT_EQ(Pop(w, 0)->Top(), 354);
  EXPECT_EQ(Frame(w, 0)->Top(), 353);
  EXPECT_EQ(Label(w, 0)->Top(), 336);
  EXPECT_EQ(Root(w)->Y1(), 395);
  Tick(w);  // reads 1
  Tick(w);  // reads 2
  EXPECT_EQ(Pop(w, 0)->Top(), 354);
  Tick(w);  // reads 3
  EXPECT_EQ(Pop(w, 0)->Top(), 353);
}

TEST_F(Tree, AFullRunEndsAfterGenerationOneThousand) {
  Globals::SequenceLength = 20;  // a shorter sequence keeps the run quick
  Ref<class WindowTree> w = Open();
  test::ClickButton(Button(w));
  for (int tick = 0; tick < 1001; ++tick) Tick(w);
  EXPECT_EQ(CountUp(w)->Text(), "1001");
  EXPECT_EQ(Button(w)->Caption(), "Pause");
  // 334 moves: on the ticks that read 0, 3, ..., 999.
  EXPECT_EQ(Pop(w, 0)->Top(), 21);
  EXPECT_EQ(Frame(w, 0)->Top(), 20);
  EXPECT_EQ(Label(w, 0)->Top(), 3);
  EXPECT_EQ(Root(w)->Y1(), 62);
  EXPECT_EQ(Root(w)->Y2(), 397);
  for (int k = 1; k <= 7; ++k) EXPECT_EQ(Pop(w, k)->Top(), 62 + 42 * (k - 1));
  Ref<aniTron> last = Pop(w, 0)->AniTrons(1);
  Tick(w);  // reads 1001: stops, nothing else
  EXPECT_EQ(Ticker(w)->Mode(), 0);
  EXPECT_EQ(Button(w)->Caption(), "Fast Fwd");
  EXPECT_EQ(CountUp(w)->Text(), "1001");
  EXPECT_EQ(Pop(w, 0)->AniTrons(1), last);
  // Pressed again, the run lasts one tick only.
  test::ClickButton(Button(w));
  EXPECT_EQ(Button(w)->Caption(), "Pause");
  Tick(w);
  EXPECT_EQ(Button(w)->Caption(), "Fast Fwd");
  EXPECT_EQ(CountUp(w)->Text(), "1001");
}

TEST_F(Tree, TheTimerRunsOnTheEventLoopUntilPaused) {
  Ref<class WindowTree> w = Open();
  test::ClickButton(Button(w));
  ASSERT_TRUE(test::ProcessUntil([&] { return CountUp(w)->Text() == "3"; }));
  test::ClickButton(Button(w));
  const std::string stopped = CountUp(w)->Text();
  test::ProcessPending();
  EXPECT_EQ(CountUp(w)->Text(), stopped);
}

TEST_F(Tree, WhilePausedTheInspectionPanelTakesVirionsAndNamesTheirLabel) {
  Ref<class WindowTree> w = Open();
  test::TypeInto(Label(w, 0), "Root");
  Ref<aniTron> t = Pop(w, 0)->AniTrons(1);
  const int x = Pop(w, 0)->Left() + t->X + 2, y = Pop(w, 0)->Top() + t->Y + 2;
  test::Press(w, x, y);
  EXPECT_EQ(w->DragTron, t);
  EXPECT_EQ(w->sourcePop, 0);
  EXPECT_EQ(Pop(w, 0)->AniTrons.UBound(), 49);
  Ref<displayCan> slot = w->Named<displayCan>("MyDisplayCan", 0);
  test::Move(w, 60, 457);
  test::Release(w, 60, 457);
  ASSERT_EQ(slot->AniTrons.UBound(), 1);
  EXPECT_EQ(slot->AniTrons(1), t);
  EXPECT_EQ(w->Named<StaticText>("StaticTextSourcePop", 0)->Text(), "Root");
  EXPECT_EQ(w->Named<Listbox>("ListBoxSequence")->Cell(0, 0).size(), 100u);
  EXPECT_EQ(w->sourcePop, -1);
}

TEST_F(Tree, ResetRestartsAVisibleTreeWindowInPlace) {
  Ref<class WindowTree> w = Open();
  w->SetLeft(40);
  w->SetTop(60);
  Ref<class WindowResetDrift> dialog = WindowResetDrift();
  test::TypeInto(dialog->Named<EditField>("EditFieldPopSize"), "30");
  test::ClickButton(dialog->Named<PushButton>("PushButtonOkay"));
  Ref<class WindowTree> fresh = WindowTree();
  EXPECT_NE(fresh, w);
  EXPECT_TRUE(fresh->Visible());
  EXPECT_EQ(fresh->Left(), 40);
  EXPECT_EQ(fresh->Top(), 60);
  EXPECT_EQ(Pop(fresh, 0)->AniTrons.UBound(), 30);
}

TEST_F(Tree, TheSimulationMenuOpensItAndFileResetIsEnabledInFront) {
  ChooseMenuItem("SimulationTree");
  Ref<Window> tree = GetImplicitWindow("WindowTree.WindowTree");
  ASSERT_NE(tree, nullptr);
  EXPECT_TRUE(tree->Visible());
  UpdateMenuItems();
  EXPECT_TRUE(FileReset()->Enabled());
  EXPECT_TRUE(ChooseMenuItem("FileReset"));
  EXPECT_NE(GetImplicitWindow("WindowResetDrift.WindowResetDrift"), nullptr);
}

TEST_F(Tree, AnElementMadeWithoutAnIndexIsLaidOutLikeItsArraysFirst) {
  Ref<class WindowTree> w = WindowTree();
  Ref<WindowTree::myHLine> extra = w->New<WindowTree::myHLine>();
  extra->Constructor();
  EXPECT_EQ(extra->Name(), "myHLine");
  EXPECT_EQ(extra->Index(), 0);
  EXPECT_EQ(extra->X1(), 9);
  EXPECT_EQ(extra->Y1(), 7);
  EXPECT_EQ(extra->X2(), 109);
  EXPECT_FALSE(extra->Visible());
  EXPECT_EQ(w->Controls().back(), Ref<Control>(extra));

  Ref<WindowTree::myDriftCan> canvas = w->New<WindowTree::myDriftCan>();
  canvas->Constructor();
  EXPECT_EQ(canvas->Index(), 0);
  EXPECT_EQ(canvas->Width(), 40);
  EXPECT_TRUE(canvas->HasHandler("SetProperties"));
}

}  // namespace
