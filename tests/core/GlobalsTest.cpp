#include <gtest/gtest.h>

#include <cmath>

#include "Globals.h"

TEST(Globals, StartUpGivesEveryDefaultAndReleaseDropsTheGenerator) {
  Globals::StartUp();
  ASSERT_NE(Globals::myRAlea, nullptr);
  EXPECT_EQ(std::fmod(Globals::myRAlea->getSeed(), 1000001.0), 0.0);  // a clock seed
  EXPECT_EQ(Globals::DotSizeLg, 12);
  EXPECT_EQ(Globals::DotSizeSm, 8);
  EXPECT_EQ(Globals::DotSizeTiny, 5);
  EXPECT_EQ(Globals::PopSize, 50);
  EXPECT_EQ(Globals::SequenceLength, 100);
  EXPECT_EQ(Globals::MutRatePerNuc, 0.0005);
  EXPECT_EQ(Globals::MutRatePerSeq, 0.04878246975766576);
  EXPECT_EQ(Globals::EffectOnFitness, "B");
  Globals::Release();
  EXPECT_EQ(Globals::myRAlea, nullptr);
  EXPECT_EQ(Globals::EffectOnFitness, "");
}
