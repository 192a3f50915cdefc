#include <gtest/gtest.h>

#include "ProgramTest.h"
#include "WindowDiverge.h"

namespace {

using Divergence = test::ProgramTest;

TEST_F(Divergence, OpensWithPatientZeroFoundedAndPatientOneEmpty) {
  Ref<class WindowDiverge> w = WindowDiverge();
  EXPECT_FALSE(w->Visible());
  EXPECT_EQ(w->Named<driftCan>("myDriftCan", 0)->AniTrons.UBound(), 50);
  EXPECT_EQ(w->Named<driftCan>("myDriftCan", 1)->AniTrons.UBound(), 0);
}

}  // namespace
