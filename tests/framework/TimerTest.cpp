// Timers, and the yield of long loops, which must deliver neither ticks nor
// user input.
#include <gtest/gtest.h>

#include <QMouseEvent>

#include "Application.h"
#include "BackgroundTask.h"
#include "Clock.h"
#include "Dialogs.h"
#include "Layout.h"
#include "TestSupport.h"

namespace {

class Clocked : public Window {
public:
  std::string ClassName() const override { return className; }
  void Layout() override { SetProperties(RefTo(this), PropertyStream().Int32("Width", 120).Int32("Height", 80)); }
  void CreateControls() override {
    CreateControlsFromTable(RefTo<Window>(this), {
      {Make<Timer>(), "Once", kNoIndex, PropertyStream().Int32("Mode", 0).Int32("Period", 1),
       {On<Clocked>("Action", &Clocked::Once_Action, "(  )")}, {}},
      {Make<Timer>(), "Beat", kNoIndex, PropertyStream().Int32("Mode", 0).Int32("Period", 1),
       {On<Clocked>("Action", &Clocked::Beat_Action, "(  )")}, {}},
      {Make<Timer>(), "Witness", kNoIndex, PropertyStream().Int32("Mode", 0).Int32("Period", 1),
       {On<Clocked>("Action", &Clocked::Witness_Action, "(  )")}, {}},
      {Make<Canvas>(), "Can", kNoIndex,
       PropertyStream().Int32("Left", 0).Int32("Top", 0).Int32("Width", 120).Int32("Height", 80),
       {On<Clocked>("Paint", &Clocked::Can_Paint, "( Graphics )")}, {}},
    });
  }
  bool Event_MouseDown(int32_t, int32_t) override {
    ++downs;
    return false;
  }
  void Once_Action(const Ref<Timer>&) { ++once; }
  void Beat_Action(const Ref<Timer>& me) {
    if (inBeat) ++nestedBeats;
    inBeat = true;
    ++beats;
    if (beats == stopAt) me->SetMode(0);
    if (beats == closeAt) Close();
    if (beats == 1 && boxOnFirstBeat) MsgBox("Beat");
    inBeat = false;
  }
  void Witness_Action(const Ref<Timer>&) { ++witness; }
  void Can_Paint(const Ref<Canvas>&, const Ref<Graphics>&) { ++paints; }

  Ref<Timer> TimerNamed(const std::string& name) { return ControlNamed<Timer>(RefTo<Window>(this), name); }
  void Start(const std::string& name, int32_t mode) { TimerNamed(name)->SetMode(mode); }

  std::string className = "Clocked.Clocked";
  int once = 0, beats = 0, witness = 0, paints = 0, downs = 0, nestedBeats = 0;
  int stopAt = -1, closeAt = -1;
  bool boxOnFirstBeat = false, inBeat = false;
};

Ref<Clocked> NewClocked(const std::string& className = "Clocked.Clocked") {
  Ref<Clocked> w = New<Clocked>();
  w->className = className;
  w->Constructor();
  return w;
}

// Lets a repeating timer of another window tick n more times: the event loop
// has had its chances to deliver any other due tick by then.
void LetTimePass(const Ref<Clocked>& witness, int n = 5) {
  const int target = witness->witness + n;
  witness->Start("Witness", 2);
  ASSERT_TRUE(test::ProcessUntil([&] { return witness->witness >= target; }));
  witness->Start("Witness", 0);
}

using TimerTest = test::WindowTest;

TEST_F(TimerTest, ModeOneFiresOnceThenIsOff) {
  Ref<Clocked> w = NewClocked();
  EXPECT_EQ(w->TimerNamed("Once")->Period(), 1);
  w->Start("Once", 1);
  ASSERT_TRUE(test::ProcessUntil([&] { return w->once == 1; }));
  EXPECT_EQ(w->TimerNamed("Once")->Mode(), 0);
  LetTimePass(w);
  EXPECT_EQ(w->once, 1);

  // Set to 1 again, it fires once more.
  w->Start("Once", 1);
  ASSERT_TRUE(test::ProcessUntil([&] { return w->once == 2; }));
  LetTimePass(w);
  EXPECT_EQ(w->once, 2);
}

TEST_F(TimerTest, ModeTwoRepeatsUntilModeZero) {
  Ref<Clocked> w = NewClocked();
  w->stopAt = 3;
  w->Start("Beat", 2);
  ASSERT_TRUE(test::ProcessUntil([&] { return w->beats == 3; }));
  EXPECT_EQ(w->TimerNamed("Beat")->Mode(), 0);
  LetTimePass(w);
  EXPECT_EQ(w->beats, 3);
}

TEST_F(TimerTest, AnActionNeverRunsInsideItself) {
  Ref<Clocked> w = NewClocked();
  w->boxOnFirstBeat = true;
  // The box stays up while the witness ticks: the event loop of the modal box
  // runs timers, and the beat keeps being due.
  test::MessageBoxes boxes([&] { return w->witness >= 5; });
  w->Start("Witness", 2);
  w->Start("Beat", 2);
  ASSERT_TRUE(test::ProcessUntil([&] { return w->beats >= 3; }));
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Beat"});
  EXPECT_GE(w->witness, 5);
  EXPECT_EQ(w->nestedBeats, 0);
}

TEST_F(TimerTest, NoTickReachesAClosedWindow) {
  Ref<Clocked> other = NewClocked("Other.Clocked");
  Ref<Clocked> w = NewClocked();
  w->Start("Beat", 2);
  ASSERT_TRUE(test::ProcessUntil([&] { return w->beats >= 2; }));
  Ref<Timer> beat = w->TimerNamed("Beat");
  w->Close();
  const int beats = w->beats;
  LetTimePass(other);
  beat->Tick();
  EXPECT_EQ(w->beats, beats);
  EXPECT_TRUE(w->Controls().empty());

  // Closed from inside the timer's own action.
  Ref<Clocked> again = NewClocked();
  again->closeAt = 2;
  again->Start("Beat", 2);
  ASSERT_TRUE(test::ProcessUntil([&] { return again->IsClosed(); }));
  LetTimePass(other);
  EXPECT_EQ(again->beats, 2);
}

TEST_F(TimerTest, TheYieldRepaintsWhatChangedOnlyPastItsBoundAndDeliversNothing) {
  Ref<Clocked> w = NewClocked(), still = NewClocked("Still.Still");
  ASSERT_TRUE(test::ProcessUntil([&] { return w->paints > 0 && still->paints > 0; }));
  w->Start("Beat", 2);
  ASSERT_TRUE(test::ProcessUntil([&] { return w->beats > 0; }));
  test::ProcessPending();
  const QPointF at(30, 30);
  QCoreApplication::postEvent(w->content(), new QMouseEvent(QEvent::MouseButtonPress, at, w->content()->mapToGlobal(at),
                                                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
  QCoreApplication::postEvent(w->content(), new QMouseEvent(QEvent::MouseButtonRelease, at, w->content()->mapToGlobal(at),
                                                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
  const int beats = w->beats, paints = w->paints, stillPaints = still->paints;
  RunGuarded([&] {
    ControlNamed<Canvas>(w, "Can")->Graphics()->FillRect(0, 0, 5, 5);
    for (int i = 0; i < 1000; ++i) RuntimeBackgroundTask();
    EXPECT_EQ(w->paints, paints);  // a short loop leaves the screen to the event loop
    const double start = Microseconds();
    while (Microseconds() - start < 60000.0) {
      for (int i = 0; i < 1000; ++i) RuntimeBackgroundTask();
    }
    EXPECT_GT(w->paints, paints);  // a long one brings it up to date
  });
  EXPECT_EQ(still->paints, stillPaints);  // nothing changed there
  EXPECT_EQ(w->beats, beats);
  EXPECT_EQ(w->downs, 0);
  // Afterwards the event loop delivers both.
  EXPECT_TRUE(test::ProcessUntil([&] { return w->downs == 1 && w->beats > beats; }));
}

}  // namespace
