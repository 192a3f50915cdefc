#include <gtest/gtest.h>

#include <cmath>

#include "Globals.h"

TEST(Globals, StartUpGivesEveryDefaultAndReleaseDropsTheGenerator) {
  Globals::StartUp();
  ASSERT_NE(Globals::myRAlea, nullptr);
  EXPECT_EQ(std::fmod(Globals::myRAlea->getSeed(), 1000001.0), 0.0);  // a clock seed
  EXPECT_EQ(std::tuple(Globals::DotSizeLg, Globals::DotSizeSm, Globals::DotSizeTiny, Globals::PopSize,
                       Globals::SequenceLength, Globals::MutRatePerNuc, Globals::MutRatePerSeq, Globals::EffectOnFitness),
            std::tuple(12, 8, 5, 50, 100, 0.0005, 0.04878246975766576, std::string("B")));
  Globals::Release();
  EXPECT_TRUE(Globals::myRAlea == nullptr && Globals::EffectOnFitness.empty());
}
