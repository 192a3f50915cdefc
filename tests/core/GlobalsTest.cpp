#include <gtest/gtest.h>

#include "Globals.h"

namespace {

TEST(Globals, StartUpGivesEveryDefault) {
  Globals::StartUp();
  ASSERT_NE(Globals::myRAlea, nullptr);
  EXPECT_EQ(Globals::DotSizeLg, 12);
  EXPECT_EQ(Globals::DotSizeSm, 8);
  EXPECT_EQ(Globals::DotSizeTiny, 5);
  EXPECT_EQ(Globals::PopSize, 50);
  EXPECT_EQ(Globals::SequenceLength, 100);
  EXPECT_EQ(Globals::MutRatePerNuc, 0.0005);
  EXPECT_EQ(Globals::MutRatePerSeq, 0.04878246975766576);
  EXPECT_EQ(Globals::EffectOnFitness, "B");
  // Seeded from the clock: a whole number m * 1000001 with m below 10^6.
  const double seed = Globals::myRAlea->getSeed();
  EXPECT_LT(seed, 1e12);
  EXPECT_EQ(seed, static_cast<double>(static_cast<long long>(seed)));
}

TEST(Globals, MutationRateKeepsItsStartUpValueWhenTheLengthChanges) {
  Globals::StartUp();
  Globals::SequenceLength = 300;
  EXPECT_EQ(Globals::MutRatePerSeq, 0.04878246975766576);
}

TEST(Globals, ReleaseDropsTheGenerator) {
  Globals::StartUp();
  Globals::Release();
  EXPECT_EQ(Globals::myRAlea, nullptr);
  EXPECT_EQ(Globals::EffectOnFitness, "");
  EXPECT_THROW(Globals::myRAlea->random(), NilObjectException);
}

}  // namespace
