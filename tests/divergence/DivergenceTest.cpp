// The Divergence window: its opening and founding, Fast Fwd and the generation
// counters, closing during a run, and File > Reset....
#include <gtest/gtest.h>

#include "DivergenceSupport.h"
#include "Menu.h"

namespace {

using coretest::ProbeRAlea;
using divtest::DivergenceTest;
using divtest::kAbove500;
using divtest::kNotPositive;
using divtest::Letters;
using divtest::Point;

using Divergence = DivergenceTest;

TEST_F(Divergence, OpensHiddenWithPatientZeroOneGenerationPastItsFounding) {
  Ref<class WindowDiverge> w = WindowDiverge();
  EXPECT_FALSE(w->Visible());
  EXPECT_EQ(Patient(w, 0)->AniTrons.UBound(), 50);
  EXPECT_EQ(Patient(w, 1)->AniTrons.UBound(), 0);
  EXPECT_EQ(Generations(w, 0), "0");
  EXPECT_EQ(Generations(w, 1), "0");
  EXPECT_FALSE(w->Named<counter>("CountDown")->Visible());
  EXPECT_EQ(Text(w, "CountDown"), "0");
  EXPECT_EQ(Mode(w), 0);
  EXPECT_EQ(w->Named<Timer>("TimerWait")->Period(), 100);
  EXPECT_EQ(w->Named<EditField>("EditFieldFastFwd")->Text(), "1");
  EXPECT_TRUE(ButtonEnabled(w));
  EXPECT_EQ(WindowDiverge(), w);
}

// The founding's draws, in order: the founder's place (2) and letters (10:
// "AAACCCGGTC"); per copy its clone (1, or 1 + 1 + letters + 3 when it
// mutates) then its place (2); then one generation (per child the parent and
// acceptance pairs and its clone; then every child's place). With seed 9 one
// copy mutates (position 2 becomes "G", a new colour, fitness 101), child 2
// descends from it, and child 4 mutates in the generation. The figures were
// worked out by a second generator replaying the draws in that order; another
// order gives others.
TEST_F(Divergence, TheFoundingTakesItsDrawsInOrder) {
  struct Expected {
    Point place;
    std::string letters;
    Color color;
    double fitness;
  };
  const std::vector<Expected> expected = {
      {{208, 170}, "AAACCCGGTC", RGB(0, 0, 0), 100.0},
      {{18, 27}, "AGACCCGGTC", RGB(179, 115, 2), 101.0},
      {{103, 21}, "AAACCCGGTC", RGB(0, 0, 0), 100.0},
      {{229, 49}, "AAACCCGATC", RGB(248, 40, 50), 101.0},
  };
  Ref<ProbeRAlea> g = coretest::StartSeeded(9);
  Globals::PopSize = 4;
  Globals::SequenceLength = 10;
  Ref<driftCan> zero = Patient(WindowDiverge(), 0);
  ASSERT_EQ(zero->AniTrons.UBound(), 4);
  for (int i = 1; i <= 4; ++i) {
    Ref<virionTron> v = Cast<virionTron>(zero->AniTrons(i));
    const Expected& e = expected[static_cast<size_t>(i - 1)];
    EXPECT_EQ(Point(v->X, v->Y), e.place) << i;
    EXPECT_EQ(Letters(v), e.letters) << i;
    EXPECT_EQ(v->myColor, e.color) << i;
    EXPECT_EQ(v->Fitness, e.fitness) << i;
  }
  EXPECT_EQ(coretest::DrawsTaken(9, g->state()), 56);  // all of them, no more
}

TEST_F(Divergence, FastFwdRejectsCountsOutsideOneTo500AndResetsTheField) {
  Ref<class WindowDiverge> w = Open();
  for (const char* text : {"", "abc", "0", "-3", "0.99"}) {
    EXPECT_EQ(FastFwd(w, text), std::vector<std::string>{kNotPositive}) << text;
    EXPECT_EQ(w->Named<EditField>("EditFieldFastFwd")->Text(), "1") << text;
  }
  for (const char* text : {"500.5", "501"}) {
    EXPECT_EQ(FastFwd(w, text), std::vector<std::string>{kAbove500}) << text;
    EXPECT_EQ(w->Named<EditField>("EditFieldFastFwd")->Text(), "500") << text;
  }
  EXPECT_EQ(Mode(w), 0);
  EXPECT_TRUE(ButtonEnabled(w));
  EXPECT_EQ(Text(w, "CountDown"), "0");
}

// A run of k generations takes k + 1 ticks: ticks 1 to k each run a generation
// (the generator moves on), the last finds the count at 0, draws nothing, stops
// the timer and enables the button.
TEST_F(Divergence, FastFwdRunsTheRoundedCountOfGenerations) {
  Ref<ProbeRAlea> g = coretest::StartSeeded(4);
  Ref<class WindowDiverge> w = Open();
  int generations = 0;
  for (const auto& [text, k] :
       std::vector<std::pair<std::string, int>>{{"1", 1}, {"2.6", 3}, {"1.2", 1}, {"500", 500}, {"500.0", 500}}) {
    EXPECT_TRUE(FastFwd(w, text).empty()) << text;
    EXPECT_EQ(w->Named<EditField>("EditFieldFastFwd")->Text(), text);
    EXPECT_EQ(Text(w, "CountDown"), Str(k)) << text;
    for (int tick = 1; tick <= k; ++tick) {
      ASSERT_EQ(Mode(w), 2) << text << " tick " << tick;
      ASSERT_FALSE(ButtonEnabled(w));
      const double before = g->state();
      Tick(w);
      ASSERT_NE(g->state(), before);
      ASSERT_EQ(Generations(w, 0), Str(++generations));
      ASSERT_EQ(Generations(w, 1), "0");
    }
    EXPECT_FALSE(w->Named<counter>("CountDown")->Visible());
    EXPECT_EQ(Text(w, "CountDown"), "0");
    EXPECT_EQ(Mode(w), 2);
    const double before = g->state();
    Tick(w);
    EXPECT_EQ(g->state(), before);
    EXPECT_EQ(Mode(w), 0);
    EXPECT_TRUE(ButtonEnabled(w));
    EXPECT_EQ(Generations(w, 0), Str(generations));
  }
}

// The button is disabled while a run is on, so no click reaches it; were its
// action raised anyway, the range tests still come first.
TEST_F(Divergence, WhileARunIsOnTheButtonIsDisabledAndABadCountIsStillReported) {
  Ref<class WindowDiverge> w = Open();
  Ref<PushButton> button = w->Named<PushButton>("PushButtonFastFwd");
  EXPECT_TRUE(FastFwd(w, "3").empty());
  Tick(w);
  EXPECT_TRUE(FastFwd(w, "7").empty());
  EXPECT_EQ(Text(w, "CountDown"), "2");
  test::MessageBoxes boxes;
  w->PushButtonFastFwd_Action(button);
  EXPECT_TRUE(boxes.Texts().empty());
  EXPECT_EQ(Text(w, "CountDown"), "2");
  test::TypeInto(w->Named<EditField>("EditFieldFastFwd"), "0");
  w->PushButtonFastFwd_Action(button);
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kNotPositive});
  EXPECT_EQ(w->Named<EditField>("EditFieldFastFwd")->Text(), "1");
  EXPECT_EQ(Text(w, "CountDown"), "2");
  EXPECT_EQ(Mode(w), 2);
}

// A counter counts the generations since its patient was last empty: taking
// the last virion out zeroes it at once, a drop changes it not, and every tick
// zeroes it while the patient is empty.
TEST_F(Divergence, TheCountersFollowTheirPatients) {
  Ref<class WindowDiverge> w = Open();
  Ref<driftCan> zero = Patient(w, 0), one = Patient(w, 1);
  EXPECT_TRUE(FastFwd(w, "20").empty());
  Tick(w);
  EXPECT_EQ(Generations(w, 0), "1");
  EXPECT_EQ(Generations(w, 1), "0");

  // One of several, from Patient Zero into the empty Patient One.
  Drag(w, On(zero, zero->AniTrons(1)), Centre(one));
  EXPECT_EQ(zero->AniTrons.UBound(), 49);
  EXPECT_EQ(one->AniTrons.UBound(), 1);
  EXPECT_EQ(Generations(w, 0), "1");
  EXPECT_EQ(Generations(w, 1), "0");
  Tick(w);
  EXPECT_EQ(Generations(w, 0), "2");
  EXPECT_EQ(Generations(w, 1), "1");
  EXPECT_EQ(one->AniTrons.UBound(), 50);

  // The last one: the counter falls to 0 at the press.
  Globals::PopSize = 1;
  Tick(w);
  ASSERT_EQ(one->AniTrons.UBound(), 1);
  EXPECT_EQ(Generations(w, 1), "2");
  const Point p = On(one, one->AniTrons(1));
  test::Press(w, p.first, p.second);
  EXPECT_EQ(Generations(w, 1), "0");
  test::Release(w, 300, 260);
  EXPECT_EQ(one->AniTrons.UBound(), 0);
  Tick(w);
  EXPECT_EQ(Generations(w, 0), "4");
  EXPECT_EQ(Generations(w, 1), "0");

  // Emptied without the window hearing of it, Patient Zero is zeroed at the tick.
  zero->doDetach(1);
  EXPECT_EQ(Generations(w, 0), "4");
  Tick(w);
  EXPECT_EQ(Generations(w, 0), "0");
}

// The run's ticks come from the event loop here; after the close, the tick the
// loop would deliver next finds the timer ended with its window.
TEST_F(Divergence, ClosingTheWindowEndsItsRun) {
  Ref<ProbeRAlea> g = coretest::StartSeeded(7);
  Ref<class WindowDiverge> w = Open();
  Ref<Timer> timer = w->Named<Timer>("TimerWait");
  timer->SetPeriod(100);
  Ref<StaticText> countDown = w->Named<StaticText>("CountDown");
  Ref<StaticText> generations = w->Named<StaticText>("GenCounter", 0);
  const Ref<aniTron> old = Patient(w, 0)->AniTrons(1);
  EXPECT_TRUE(FastFwd(w, "400").empty());
  ASSERT_TRUE(test::ProcessUntil([&] { return generations->Text() != "0"; }));
  w->widget()->close();
  EXPECT_TRUE(w->IsClosed());
  const std::string left = countDown->Text(), run = generations->Text();
  EXPECT_EQ(Val(left) + Val(run), 400.0);
  const double before = g->state();
  timer->Tick();
  test::ProcessPending();
  EXPECT_EQ(g->state(), before);
  EXPECT_EQ(countDown->Text(), left);
  EXPECT_EQ(generations->Text(), run);

  Ref<class WindowDiverge> fresh = WindowDiverge();
  EXPECT_NE(fresh, w);
  EXPECT_EQ(Mode(fresh), 0);
  EXPECT_TRUE(ButtonEnabled(fresh));
  EXPECT_EQ(Text(fresh, "CountDown"), "0");
  EXPECT_EQ(Generations(fresh, 0), "0");
  EXPECT_EQ(Patient(fresh, 0)->AniTrons.UBound(), 50);
  EXPECT_FALSE(Holds(Patient(fresh, 0), old));
  EXPECT_NE(g->state(), before);
}

TEST_F(Divergence, FileResetOpensTheResetDialog) {
  Ref<class WindowDiverge> w = Open();
  ASSERT_EQ(FrontWindow(), Ref<Window>(w));
  UpdateMenuItems();
  EXPECT_TRUE(FileReset()->Enabled());
  EXPECT_TRUE(ChooseMenuItem("FileReset"));
  Ref<Window> dialog = GetImplicitWindow("WindowResetDrift.WindowResetDrift");
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->Visible());
}

}  // namespace
