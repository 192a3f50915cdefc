#include <gtest/gtest.h>

#include "ProgramTest.h"
#include "WindowDiverge.h"
#include "WindowSplash.h"

namespace {

using StartUp = test::ProgramTest;

TEST_F(StartUp, OpenShowsTheDivergenceWindowWithTheSplashInFront) {
  App()->Event_Open();
  EXPECT_TRUE(WindowDiverge()->Visible());
  EXPECT_TRUE(WindowSplash()->Visible());
  EXPECT_EQ(FrontWindow(), Ref<Window>(WindowSplash()));
}

}  // namespace
