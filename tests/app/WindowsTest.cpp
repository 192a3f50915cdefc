// Every window of the program, opened as a user opens it: only the main
// windows carry the menu bar, the menu's shortcuts work in all of them, and
// the keyboard focus starts and moves as each window's tab order says.
#include <gtest/gtest.h>

#include <QMenuBar>

#include "ProgramTest.h"
#include "WindowAbout.h"
#include "WindowDiverge.h"
#include "WindowResetDrift.h"
#include "WindowSplash.h"
#include "WindowTree.h"

namespace {

using Windows = test::ProgramTest;

struct Case {
  const char* name;
  std::function<Ref<Window>()> open;
  bool hasBar;
  QSize laidOut;
  // The control with the first focus, then the one after each Tab, round to the first.
  std::vector<std::string> focus;
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"Divergence", [] { ChooseMenuItem("SimulationDivergence"); return Ref<Window>(WindowDiverge()); }, true,
       {608, 436}, {"EditFieldFastFwd", "ListBoxSequence", "PushButtonFastFwd", "EditFieldFastFwd"}},
      {"Tree", [] { ChooseMenuItem("SimulationTree"); return Ref<Window>(WindowTree()); }, true, {662, 540},
       {"EditFieldPopLabel(0)", "PushButtonFastFwd", "ListBoxSequence", "EditFieldPopLabel(0)"}},
      {"Reset",
       [] {
         ChooseMenuItem("SimulationDivergence");
         ChooseMenuItem("FileReset");
         return Ref<Window>(WindowResetDrift());
       },
       false, {360, 251},
       {"EditFieldPopSize", "PopupMenuMutEffects", "PushButtonCancel", "EditFieldSeqLen", "PushButtonOkay",
        "EditFieldPopSize"}},
      {"About", [] { ChooseMenuItem("AppleAboutMyApplication"); return Ref<Window>(WindowAbout()); }, false,
       {441, 535}, {"PushButtonClose", "PushButtonGoThere", "PushButtonClose"}},
      {"splash", [] { App()->Event_Open(); return Ref<Window>(WindowSplash()); }, false, {327, 371}, {"none"}},
  };
  return cases;
}

// Opens the window and waits until it is the active window, as it is for the user.
Ref<Window> OpenActive(const Case& c) {
  Ref<Window> w = c.open();
  EXPECT_TRUE(test::ProcessUntil([&] { return QApplication::activeWindow() == w->widget(); })) << c.name;
  return w;
}

std::string Focused(const Ref<Window>& w) {
  for (const Ref<Control>& c : w->Controls()) {
    Ref<RectControl> r = Cast<RectControl>(c);
    if (r != nullptr && r->widget() && r->widget() == QApplication::focusWidget()) {
      return c->Name() + (c->Index() == kNoIndex ? "" : "(" + std::to_string(c->Index()) + ")");
    }
  }
  return "none";
}

TEST_F(Windows, TheFirstFocusAndTabFollowTheTabOrder) {
  for (const Case& c : Cases()) {
    Ref<Window> w = OpenActive(c);
    std::vector<std::string> walk{Focused(w)};
    while (walk.size() < c.focus.size()) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      walk.push_back(Focused(w));
    }
    EXPECT_EQ(walk, c.focus) << c.name;
    test::CloseAllWindows();
  }
}

TEST_F(Windows, OnlyMainWindowsCarryTheMenuBarAndCtrlQQuitsFromEachWindow) {
  for (const Case& c : Cases()) {
    Ref<Window> w = OpenActive(c);
    EXPECT_EQ(w->widget()->findChild<QMenuBar*>() != nullptr, c.hasBar) << c.name;
    EXPECT_EQ(QSize(w->Width(), w->Height()), c.laidOut) << c.name;
    if (!c.hasBar) {
      EXPECT_EQ(w->widget()->size(), c.laidOut) << c.name;
    }
    QTest::keyClick(test::Handle(w), Qt::Key_Q, Qt::ControlModifier);
    // The Quit asked for ends the next run of the event loop as it starts.
    EXPECT_TRUE(test::RunEventLoop(1000)) << c.name;
    test::CloseAllWindows();
  }
}

}  // namespace
