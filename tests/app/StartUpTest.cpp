// Start-up: the parameters are set before the first window exists, the
// Divergence window opens with the splash in front of it, and what escapes the
// start-up or the event loop is reported while the program still ends normally.
#include <gtest/gtest.h>

#include "ProgramTest.h"
#include "WindowAbout.h"
#include "WindowDiverge.h"
#include "WindowSplash.h"
#include "virionTron.h"

namespace {

using StartUp = test::ProgramTest;

TEST_F(StartUp, OpenShowsTheDivergenceWindowWithTheSplashInFront) {
  App()->Event_Open();
  EXPECT_TRUE(WindowDiverge()->Visible());
  EXPECT_TRUE(WindowSplash()->Visible());
  EXPECT_EQ(FrontWindow(), Ref<Window>(WindowSplash()));
  // Nothing else is open: neither the About window nor a simulation window
  // other than Divergence.
  EXPECT_EQ(WindowsFrontToBack(),
            (std::vector<Ref<Window>>{Ref<Window>(WindowSplash()), Ref<Window>(WindowDiverge())}));
  EXPECT_EQ(GetImplicitWindow(WindowAbout::kClassName), nullptr);
}

TEST_F(StartUp, TheParametersTakeTheirDefaultsBeforeTheDivergenceWindowIsMade) {
  // As before the application opens: no generator yet, and parameters that
  // would show if the window were made with them.
  Globals::myRAlea = nullptr;
  Globals::PopSize = 7;
  Globals::SequenceLength = 3;
  Globals::EffectOnFitness = "D";
  App()->Event_Open();
  Ref<driftCan> patientZero = WindowDiverge()->Named<driftCan>("myDriftCan", 0);
  ASSERT_EQ(patientZero->AniTrons.UBound(), 50);
  EXPECT_EQ(Cast<virionTron>(patientZero->AniTrons(1))->Sequence->ubound(), 100);
  EXPECT_EQ(WindowDiverge()->Named<driftCan>("myDriftCan", 1)->AniTrons.UBound(), 0);
  EXPECT_EQ(Globals::EffectOnFitness, "B");
}

TEST_F(StartUp, MainOpensTheProgramAndRunsUntilQuitIsChosen) {
  Ref<class App> before = App();
  test::MessageBoxes boxes;
  bool opened = false;
  EXPECT_TRUE(test::RunMain([&] {
    // Main made and registered a new application object, gave it the bar and
    // bound its handlers before the Open event.
    opened = App() != before && App()->MenuBar() == Ref<MenuBar>(Menu()) && WindowDiverge()->Visible() &&
             FrontWindow() == Ref<Window>(WindowSplash());
    ChooseMenuItem("SimulationDivergence");
    opened = opened && FrontWindow() == Ref<Window>(WindowDiverge());
    ChooseMenuItem("FileQuit");
  }));
  EXPECT_TRUE(opened);
  EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(StartUp, AnExceptionThatLeavesTheEventLoopIsReportedAndMainReturns) {
  test::MessageBoxes boxes;
  test::RunMain([] { RunGuarded([] { throw OutOfBoundsException(9, 4); }); });
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_NE(boxes.Texts()[0].find("Index 9 out of bounds"), std::string::npos) << boxes.Texts()[0];
}

TEST_F(StartUp, AnExceptionRaisedBeforeTheEventLoopIsReportedAndNoWindowOpens) {
  // Kept before the loop runs, as one raised by a start-up step is: the loop
  // gives it back at once, before the application opens.
  RunGuarded([] { throw NilObjectException("A start-up step found nil"); });
  test::MessageBoxes boxes;
  Main();
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_NE(boxes.Texts()[0].find("A start-up step found nil"), std::string::npos) << boxes.Texts()[0];
  EXPECT_TRUE(WindowsFrontToBack().empty());
}

}  // namespace
