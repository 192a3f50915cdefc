#include <gtest/gtest.h>

#include "BackgroundTask.h"

namespace {

int actions = 0;

TEST(BackgroundTask, CountsEveryPassAndActsRarely) {
  const uint64_t before = BackgroundTask::Passes();
  BackgroundTask::SetAction([] { ++actions; });
  for (int i = 0; i < 100000; ++i) RuntimeBackgroundTask();
  EXPECT_EQ(BackgroundTask::Passes() - before, 100000u);
  // The clock allows one action per 20 ms at most; a tight loop of this size
  // takes well under a second, so it cannot have acted on every check.
  EXPECT_LT(actions, 100000 / static_cast<int>(BackgroundTask::kPassesPerCheck));
  BackgroundTask::SetAction(nullptr);
}

}  // namespace
