#include <gtest/gtest.h>

#include <cmath>

#include "CoreTestSupport.h"

using coretest::ProbeRAlea;
using coretest::Seeded;

TEST(RAlea, TheStreamFollowsTheRoundedDoubleRecurrence) {
  Ref<ProbeRAlea> r = Seeded(12345);
  const double draws[][2] = {{0.10566162199928186, 29741102591458.0},
                             {0.3100736851315986, 87277983301004.0},  // exact integers would give ...003
                             {0.17346207201009634, 48825232679224.0}};
  for (const auto& [draw, state] : draws) {
    EXPECT_EQ(r->random(), draw);
    EXPECT_EQ(r->state(), state);
  }
  r->demonstrateZero();
  EXPECT_EQ(r->getSeed(), 490709318620.23975);
  EXPECT_EQ(r->random(), 0.0);
  EXPECT_EQ(r->state(), 0.0);
  EXPECT_EQ(r->random(), 0.10566159949999943);  // the stream of seed 0 follows
  EXPECT_EQ(r->state(), 29741096258473.0);
  EXPECT_EQ(r->random(), 0.3100621429996977);  // a fused multiply-add would give ...7048
  EXPECT_EQ(r->Fmod(-7.0, 3.0), 2.0);          // the remainder takes the divisor's sign
  EXPECT_EQ(r->Fmod(281474976710656.0, 281474976710656.0), 0.0);
}

// From seed 12345 the draws run 0.1057, 0.3101, 0.1735, 0.0917, 0.1501, 0.1023,
// 0.6000, 0.9212: each kind of draw below takes exactly one of them.
TEST(RAlea, EveryKindOfDrawTakesOneStepOfTheStream) {
  Ref<ProbeRAlea> r = Seeded(12345);
  for (int32_t e : {1, 2, 1, 1, 1, 1, 3, 4, 3, 3}) EXPECT_EQ(r->random(1, 4), e);
  r->setSeed(12345);
  EXPECT_EQ(r->random(1, 0), 1);  // an empty range gives its low end
  EXPECT_EQ(r->throw_(), 2);
  EXPECT_EQ(r->random(10.0, 20.0), 11.734620720100963);
  EXPECT_TRUE(r->headsOrTails());
  EXPECT_EQ(r->throw_(), 1);
  EXPECT_EQ(r->throw_(), 1);
  EXPECT_FALSE(r->headsOrTails());
  EXPECT_EQ(r->throw_(), 6);
  r->demonstrateZero();
  EXPECT_EQ(r->random(1, 4), 1);
  r->demonstrateZero();
  EXPECT_TRUE(r->headsOrTails());
}

TEST(RAlea, SeedsAreFlooredThenMadePositiveAndResetReturnsToTheLast) {
  Ref<ProbeRAlea> r = Seeded(-2.5);
  EXPECT_EQ(r->getSeed(), 3.0);
  EXPECT_EQ(r->state(), 3.0);
  r->setSeed(7.9);
  EXPECT_EQ(r->getSeed(), 7.0);
  EXPECT_EQ(r->state(), 7.0);
  r->setSeed(12345);
  r->random(), r->random();
  r->reset();
  EXPECT_EQ(r->random(), 0.10566162199928186);
  EXPECT_EQ(r->getSeed(), 12345.0);
  r->Constructor();  // from the clock: m + m * 1000000 for a whole m below 10^6
  const double s = r->getSeed();
  EXPECT_EQ(s, std::floor(s));
  EXPECT_LT(s, 1e12);
  EXPECT_EQ(std::fmod(s, 1000001.0), 0.0) << s;
  EXPECT_EQ(r->state(), s);
}
