// The Divergence window's founding, Fast Fwd and counters, and the Reset dialog.
#include <vector>

#include "DivergenceSupport.h"
#include "Menu.h"
#include "WindowResetDrift.h"

namespace {

using namespace simtest;
using Divergence = test::ProgramTest;
using ResetDialog = test::ProgramTest;

const std::string kNotPositive = "The number of generations for fast forward must be a positive integer.";
const std::string kAbove500 = "The maximum number of generations for fast forward is 500.";

// Each patient's size and counter, the count-down and whether it shows, the timer's mode, whether the button
// is enabled, the field's text; each with its name, so that a failure names the part that differs.
std::string State(const Ref<Window>& w) {
  return Join("zero", Pop(w, 0)->AniTrons.UBound(), "gen", Text(w, "GenCounter", 0),
              "| one", Pop(w, 1)->AniTrons.UBound(), "gen", Text(w, "GenCounter", 1),
              "| count", Text(w, "CountDown"), "shown", w->Named<counter>("CountDown")->Visible(),
              "| mode", w->Named<Timer>("TimerWait")->Mode(),
              "| button", w->Named<PushButton>("PushButtonFastFwd")->Enabled(),
              "| field", w->Named<EditField>("EditFieldFastFwd")->Text());
}
// Types text into the generations field and clicks Fast Fwd; the message boxes' texts.
std::vector<std::string> FastFwd(const Ref<Window>& w, const std::string& text) {
  test::MessageBoxes boxes;
  test::TypeInto(w->Named<EditField>("EditFieldFastFwd"), text);
  test::ClickButton(w->Named<PushButton>("PushButtonFastFwd"));
  return boxes.Texts();
}

// 56 draws in order: the founder's, each copy's clone and place, a generation. With
// seed 9 one copy mutates (position 2, fitness 101), child 2 descends from it, child 4 mutates.
TEST_F(Divergence, TheFoundingTakesItsDrawsInOrder) {
  Globals::myRAlea->setSeed(9);
  Globals::PopSize = 4;
  Globals::SequenceLength = 10;
  Ref<driftCan> zero = Pop(WindowDiverge(), 0);
  std::string founded;
  for (int i = 1; i <= zero->AniTrons.UBound(); ++i) {
    const Ref<virionTron> v = Cast<virionTron>(zero->AniTrons(i));
    founded += Join("at", v->X, v->Y, Letters(v), "RGB", +v->myColor.red, +v->myColor.green, +v->myColor.blue, "fitness",
                    v->Fitness) + "; ";
  }
  EXPECT_EQ(founded,
            "at 208 170 AAACCCGGTC RGB 0 0 0 fitness 100; at 18 27 AGACCCGGTC RGB 179 115 2 fitness 101; "
            "at 103 21 AAACCCGGTC RGB 0 0 0 fitness 100; at 229 49 AAACCCGATC RGB 248 40 50 fitness 101; ");
  EXPECT_EQ(coretest::DrawsSince(9), 56);
}

// The range tests come before the timer's: while a run is on (the button disabled, the
// action raised directly) a bad count is still reported, and a good one changes nothing.
TEST_F(Divergence, OpensIdleAndFastFwdRefusesCountsOutsideOneTo500) {
  Ref<class WindowDiverge> w = WindowDiverge();
  EXPECT_FALSE(w->Visible());
  EXPECT_EQ(w->Named<Timer>("TimerWait")->Period(), 100);
  EXPECT_EQ(WindowDiverge(), w);
  EXPECT_EQ(State(Open(w)), "zero 50 gen 0 | one 0 gen 0 | count 0 shown 0 | mode 0 | button 1 | field 1");
  for (const auto& [text, field] : std::vector<std::pair<std::string, std::string>>{
           {"", "1"}, {"abc", "1"}, {"0", "1"}, {"-3", "1"}, {"0.99", "1"}, {"500.5", "500"}, {"501", "500"}}) {
    EXPECT_EQ(FastFwd(w, text), std::vector<std::string>{field == "1" ? kNotPositive : kAbove500}) << text;
    EXPECT_EQ(State(w), "zero 50 gen 0 | one 0 gen 0 | count 0 shown 0 | mode 0 | button 1 | field " + field) << text;
  }
  EXPECT_TRUE(FastFwd(w, "3").empty());
  Tick(w);
  test::MessageBoxes boxes;
  for (const char* text : {"7", "0"}) {
    test::TypeInto(w->Named<EditField>("EditFieldFastFwd"), text);
    w->PushButtonFastFwd_Action(w->Named<PushButton>("PushButtonFastFwd"));
  }
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kNotPositive});
  EXPECT_EQ(State(w), "zero 50 gen 1 | one 0 gen 0 | count 2 shown 0 | mode 2 | button 0 | field 1");
}

// k generations take k + 1 ticks; the last one draws nothing and ends the run.
TEST_F(Divergence, FastFwdRunsTheRoundedCountOfGenerations) {
  Ref<class WindowDiverge> w = Open(WindowDiverge());
  int done = 0;
  for (const auto& [text, k] : std::vector<std::pair<std::string, int>>{
           {"1", 1}, {"2.6", 3}, {"2.5", 3}, {"1.2", 1}, {"500", 500}, {"500.0", 500}}) {
    EXPECT_TRUE(FastFwd(w, text).empty()) << text;
    for (int tick = 1; tick <= k + 1; ++tick) {
      ASSERT_EQ(State(w), Join("zero 50 gen", done, "| one 0 gen 0 | count", k + 1 - tick,
                               "shown 0 | mode 2 | button 0 | field", text)) << tick;
      const double before = coretest::Drawn();
      Tick(w);
      ASSERT_EQ(coretest::Drawn() != before, tick <= k) << text << " tick " << tick;
      done += tick <= k;
    }
    EXPECT_EQ(State(w), Join("zero 50 gen", done, "| one 0 gen 0 | count 0 shown 0 | mode 0 | button 1 | field", text));
  }
}

// A counter counts generations since its patient was last empty: a drop changes it not,
// taking the last virion out zeroes it at once. A held virion belongs to no patient.
TEST_F(Divergence, TheCountersFollowTheirPatients) {
  Ref<class WindowDiverge> w = Open(WindowDiverge());
  Ref<driftCan> zero = Pop(w, 0), one = Pop(w, 1);
  EXPECT_TRUE(FastFwd(w, "20").empty());
  Tick(w);
  const Ref<aniTron> t = zero->AniTrons(1);
  Press(w, On(zero, t));
  Tick(w);
  EXPECT_FALSE(Holds(zero, t));
  test::Move(w, 400, 100);
  test::Release(w, 400, 100);
  EXPECT_EQ(State(w), "zero 50 gen 2 | one 1 gen 0 | count 18 shown 0 | mode 2 | button 0 | field 20");
  EXPECT_TRUE(Holds(one, t));
  Tick(w);
  EXPECT_EQ(State(w), "zero 50 gen 3 | one 50 gen 1 | count 17 shown 0 | mode 2 | button 0 | field 20");
  Globals::PopSize = 1;
  Tick(w);
  EXPECT_EQ(State(w), "zero 1 gen 4 | one 1 gen 2 | count 16 shown 0 | mode 2 | button 0 | field 20");
  Press(w, On(one, one->AniTrons(1)));
  EXPECT_EQ(State(w), "zero 1 gen 4 | one 0 gen 0 | count 16 shown 0 | mode 2 | button 0 | field 20");
  test::Release(w, 300, 260);
  zero->doDetach(1);  // emptied unheard of: zeroed at the tick
  Tick(w);
  EXPECT_EQ(State(w), "zero 0 gen 0 | one 0 gen 0 | count 15 shown 0 | mode 2 | button 0 | field 20");
}

// Types the two numbers and presses Okay.
void Okay(const Ref<Window>& d, const std::string& popSize, const std::string& seqLen) {
  test::TypeInto(d->Named<EditField>("EditFieldPopSize"), popSize);
  test::TypeInto(d->Named<EditField>("EditFieldSeqLen"), seqLen);
  test::ClickButton(d->Named<PushButton>("PushButtonOkay"));
}
// The dialog's fields, row and warning, or that it is closed; then the values stored.
std::string Dialog(const Ref<Window>& d) {
  return (d->IsClosed()
              ? "closed"
              : Join("fields", d->Named<EditField>("EditFieldPopSize")->Text(),
                     d->Named<EditField>("EditFieldSeqLen")->Text(),
                     "row", d->Named<PopupMenu>("PopupMenuMutEffects")->ListIndex(),
                     "warning", d->Named<StaticText>("StaticTextWarning")->Visible())) +
         Join(" | stored", Globals::PopSize, Globals::SequenceLength, Globals::EffectOnFitness);
}
// File > Reset... chosen in front of the given window.
Ref<Window> FileResetIn(const Ref<Window>& w) {
  EXPECT_EQ(FrontWindow(), w);
  EXPECT_TRUE(ChooseMenuItem("FileReset"));
  return GetImplicitWindow(WindowResetDrift::kClassName);
}
// Where a window stands, whether it is shown, its population's size.
std::string Place(const Ref<Window>& w) {
  return Join("at", w->Left(), w->Top(), "shown", w->Visible(), "population", Pop(w, 0)->AniTrons.UBound());
}

// A window on screen restarts where it stood, one not on screen is left; unchanged values still restart.
TEST_F(ResetDialog, OkayStoresTheValuesAndRestartsEachWindowOnScreenInPlace) {
  const double mutRate = Globals::MutRatePerSeq;
  Ref<class WindowTree> tree = WindowTree();
  const Ref<aniTron> virion = Pop(tree, 0)->AniTrons(1);
  Ref<class WindowDiverge> diverge = Open(WindowDiverge());
  diverge->SetLeft(140);
  diverge->SetTop(90);
  Ref<Window> d = FileResetIn(diverge);
  EXPECT_EQ(Dialog(d), "fields 50 100 row 0 warning 0 | stored 50 100 B");
  EXPECT_EQ(d->Named<PopupMenu>("PopupMenuMutEffects")->List(0), "Beneficial");
  d->Named<PopupMenu>("PopupMenuMutEffects")->SetListIndex(1);
  Okay(d, "40", "200");
  EXPECT_EQ(Dialog(d), "closed | stored 40 200 N");
  EXPECT_EQ(Globals::MutRatePerSeq, mutRate);
  EXPECT_TRUE(diverge->IsClosed());
  EXPECT_EQ(Place(WindowDiverge()), "at 140 90 shown 1 population 40");
  EXPECT_EQ(Letters(Pop(WindowDiverge(), 0)->AniTrons(40)).size(), 200u);
  EXPECT_EQ(WindowTree(), tree);
  EXPECT_FALSE(tree->Visible());
  EXPECT_EQ(Pop(tree, 0)->AniTrons(1), virion);

  WindowDiverge()->Close();
  Open(tree)->SetLeft(40);
  tree->SetTop(60);
  Globals::EffectOnFitness = "D";
  Okay(d = FileResetIn(tree), "40", "200");
  EXPECT_EQ(Dialog(d), "closed | stored 40 200 D");
  EXPECT_TRUE(tree->IsClosed());
  EXPECT_EQ(Place(WindowTree()), "at 40 60 shown 1 population 40");
  EXPECT_FALSE(WindowDiverge()->Visible());
}

// Anything but a whole number from 1 to 500 in either field warns and stores nothing; nor does Cancel.
TEST_F(ResetDialog, OkayRefusesEitherNumberOutsideOneTo500AndCancelStoresNothing) {
  Ref<class WindowDiverge> w = Open(WindowDiverge());
  Ref<Window> d;
  for (const std::string bad : {"0", "501", "", "abc", "-5", "12.5"}) {
    for (const bool inPopSize : {true, false}) {
      if (d != nullptr) test::ClickButton(d->Named<PushButton>("PushButtonCancel"));
      ASSERT_EQ(Dialog(d = WindowResetDrift()), "fields 50 100 row 0 warning 0 | stored 50 100 B");
      d->Named<PopupMenu>("PopupMenuMutEffects")->SetListIndex(2);
      Okay(d, inPopSize ? bad : "40", inPopSize ? "200" : bad);
      EXPECT_EQ(Dialog(d), "fields " + (inPopSize ? Join(bad, 200) : Join(40, bad)) +
                               " row 2 warning 1 | stored 50 100 B");
    }
  }
  EXPECT_EQ(WindowDiverge(), w);
  Okay(d, "1", "500");
  EXPECT_EQ(Dialog(d), "closed | stored 1 500 D");
  Okay(d = WindowResetDrift(), "500", "1");
  EXPECT_EQ(Dialog(d), "closed | stored 500 1 D");
  EXPECT_EQ(Pop(WindowDiverge(), 0)->AniTrons.UBound(), 500);
}

}  // namespace
