// Timers, the yield of long loops and the report of an exception nothing caught.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QMouseEvent>

#include "Application.h"
#include "BackgroundTask.h"
#include "Clock.h"
#include "Dialogs.h"
#include "Layout.h"
#include "TestSupport.h"
#include "TextNumber.h"

namespace {

class Clocked : public Window {
public:
  std::string ClassName() const override { return "Clocked.Clocked"; }
  void CreateControls() override {
    CreateControlsFromTable(RefTo<Window>(this), {
      {Make<Timer>(), "Beat", kNoIndex, PropertyStream().Int32("Mode", 0).Int32("Period", 1),
       {On<Clocked>("Action", &Clocked::Beat_Action, "(  )")}, {}},
      {Make<Canvas>(), "Can", kNoIndex, PropertyStream().Int32("Width", 100).Int32("Height", 100),
       {On<Clocked>("Paint", &Clocked::Can_Paint, "( Graphics )")}, {}},
    });
  }
  bool Event_MouseDown(int32_t, int32_t) override { ++downs; return false; }
  void Beat_Action(const Ref<Timer>& me) {
    nested += inBeat;
    inBeat = true;
    if (++beats == closeAt) Close();
    if (beats == 1 && boxOnFirstBeat) {
      me->Reset();  // started anew, the timer is due again while the box is up
      MsgBox("Beat" + Chr(13) + "goes on");
    }
    inBeat = false;
  }
  void Can_Paint(const Ref<Canvas>&, const Ref<Graphics>&) { ++paints; }
  Ref<Timer> Beat() { return ControlNamed<Timer>(RefTo<Window>(this), "Beat"); }

  int beats = 0, nested = 0, paints = 0, downs = 0, closeAt = -1;
  bool boxOnFirstBeat = false, inBeat = false;
};

// A plain 1 ms timer of the event loop, counting its ticks.
struct Ticks : QTimer {
  Ticks() {
    connect(this, &QTimer::timeout, [this] { ++n; });
    start(1);
  }
  int n = 0;
};

// A new window whose beat has ticked n times.
Ref<Clocked> Beating(int n) {
  Ref<Clocked> w = New<Clocked>();
  w->Constructor();
  w->Beat()->SetMode(2);
  EXPECT_TRUE(test::ProcessUntil([&] { return w->beats >= n; }));
  return w;
}

using TimerTest = test::WindowTest;

// A modal box runs an event loop of its own, where the beat is due again. Closed,
// a window hears no tick, nor does one that closes itself in its action.
TEST_F(TimerTest, AnActionNeverRunsInsideItselfAndNoTickReachesAClosedWindow) {
  Ticks ticks;
  int opened = -1;  // the tick count when the box opened
  test::MessageBoxes boxes([&] { return ticks.n >= (opened < 0 ? opened = ticks.n : opened) + 5; });
  Ref<Clocked> selfClosing = Beating(0);
  selfClosing->boxOnFirstBeat = true, selfClosing->closeAt = 3;
  Ref<Clocked> w = Beating(2);
  Ref<Timer> beat = w->Beat();
  w->Close();
  const int beats = w->beats;
  ASSERT_TRUE(test::ProcessUntil([&] { return selfClosing->IsClosed() && ticks.n >= 10; }));
  beat->Tick();
  EXPECT_EQ(w->beats, beats);
  EXPECT_TRUE(w->Controls().empty());
  EXPECT_EQ(std::make_pair(selfClosing->beats, selfClosing->nested), std::make_pair(3, 0));
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Beat\ngoes on"});
}

TEST_F(TimerTest, TheYieldRepaintsWhatChangedOnlyPastItsBoundAndDeliversNothing) {
  Ref<Clocked> still = Beating(0), w = Beating(1);
  ASSERT_TRUE(test::ProcessUntil([&] { return w->paints > 0 && still->paints > 0; }));
  test::ProcessPending();
  const QPointF at(30, 30);
  QCoreApplication::postEvent(w->content(), new QMouseEvent(QEvent::MouseButtonPress, at, w->content()->mapToGlobal(at),
                                                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
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
  // Nothing changed in the still window, and nothing was delivered.
  EXPECT_EQ(std::make_tuple(still->paints, w->beats, w->downs), std::make_tuple(stillPaints, beats, 0));
  // Afterwards the event loop delivers both.
  EXPECT_TRUE(test::ProcessUntil([&] { return w->downs == 1 && w->beats > beats; }));
}

// The first report stays up while 20 plain ticks pass; another exception comes meanwhile.
TEST_F(TimerTest, TheReportOfAnUnhandledExceptionStopsEveryTimerAndReportsEachExceptionKept) {
  Ref<Clocked> w = Beating(2);
  RunGuarded([] { throw OutOfBoundsException(5, 2); });
  Ticks ticks;
  int beatsAtReport = -1;
  test::MessageBoxes boxes([&] {
    if (beatsAtReport < 0) beatsAtReport = w->beats, RunGuarded([] { throw OutOfBoundsException(6, 2); });
    return ticks.n >= 20;
  });
  UnhandledException(OutOfBoundsException(7, 3));
  EXPECT_EQ(w->beats, beatsAtReport);
  // The one reported first, the one kept before, the one raised meanwhile.
  using testing::HasSubstr;
  EXPECT_THAT(boxes.Texts(), testing::ElementsAre(HasSubstr("Index 7 out of bounds"), HasSubstr("Index 5 "), HasSubstr("Index 6 ")));
}

// Asked for outside the event loop, neither silences a message box meanwhile.
TEST_F(TimerTest, AQuitOrAnExceptionFromOutsideTheEventLoopEndsItsNextRunAsItStarts) {
  test::MessageBoxes boxes;
  Quit();
  MsgBox("After the quit");
  EXPECT_TRUE(test::RunEventLoop(2000));
  RunGuarded([] { throw OutOfBoundsException(5, 2); });
  MsgBox("After the exception");
  EXPECT_THROW(test::RunEventLoop(2000), OutOfBoundsException);
  EXPECT_FALSE(TakeUnhandledException());
  EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"After the quit", "After the exception"}));
}

}  // namespace
