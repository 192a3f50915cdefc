#include <gtest/gtest.h>

#include <cmath>

#include "RAlea.h"

namespace {

// Exposes the generator's state, which the figures below pin down.
class Probe : public RAlea {
public:
  double state() const { return myR; }
  double seed() const { return mySeed; }
  double callFmod(double a, double b) { return fmod(a, b); }
};

Ref<Probe> Seeded(double seed) {
  Ref<Probe> r = New<Probe>();
  r->Constructor(seed);
  return r;
}

TEST(RAlea, StreamFromSeed12345MatchesTheRoundedDoubleRecurrence) {
  Ref<Probe> r = Seeded(12345);
  EXPECT_EQ(r->random(), 0.10566162199928186);
  EXPECT_EQ(r->state(), 29741102591458.0);
  EXPECT_EQ(r->random(), 0.3100736851315986);
  // Exact integer arithmetic would give ...003: the rounded product is required.
  EXPECT_EQ(r->state(), 87277983301004.0);
  EXPECT_EQ(r->random(), 0.17346207201009634);
  EXPECT_EQ(r->state(), 48825232679224.0);
}

TEST(RAlea, IntegerDrawsCoverBothEnds) {
  Ref<Probe> r = Seeded(12345);
  const int32_t expected[] = {1, 2, 1, 1, 1, 1, 3, 4, 3, 3};
  for (int32_t e : expected) EXPECT_EQ(r->random(1, 4), e);
}

TEST(RAlea, SeedZero) {
  Ref<Probe> r = Seeded(0);
  EXPECT_EQ(r->random(), 0.10566159949999943);
  EXPECT_EQ(r->state(), 29741096258473.0);
}

TEST(RAlea, SeedsAreFlooredThenMadePositive) {
  Ref<Probe> r = Seeded(-2.5);
  EXPECT_EQ(r->getSeed(), 3.0);
  EXPECT_EQ(r->state(), 3.0);
  r->setSeed(7.9);
  EXPECT_EQ(r->getSeed(), 7.0);
  EXPECT_EQ(r->state(), 7.0);
}

TEST(RAlea, ResetRepeatsTheStreamOfTheLastSeeding) {
  Ref<Probe> r = Seeded(12345);
  const double first = r->random();
  r->random();
  r->random();
  r->reset();
  EXPECT_EQ(r->random(), first);
  EXPECT_EQ(r->getSeed(), 12345.0);
}

TEST(RAlea, DemonstrateZeroGivesExactlyZeroThenTheStreamOfSeedZero) {
  Ref<Probe> r = New<Probe>();
  r->demonstrateZero();
  EXPECT_EQ(r->getSeed(), 490709318620.23975);
  EXPECT_EQ(r->random(), 0.0);
  EXPECT_EQ(r->state(), 0.0);
  EXPECT_EQ(r->random(), 0.10566159949999943);

  r->demonstrateZero();
  EXPECT_EQ(r->random(1, 4), 1);
  r->demonstrateZero();
  EXPECT_TRUE(r->headsOrTails());
}

TEST(RAlea, EmptyIntegerRangeGivesLowAndConsumesOneDraw) {
  Ref<Probe> r = Seeded(12345);
  EXPECT_EQ(r->random(1, 0), 1);
  EXPECT_EQ(r->state(), 29741102591458.0);
}

TEST(RAlea, DoubleRangeAndDie) {
  Ref<Probe> r = Seeded(12345);
  EXPECT_EQ(r->random(10.0, 20.0), 10.0 + 0.10566162199928186 * 10.0);
  // 0.3100... * 6 = 1.86: the die shows 2; then 0.1734... * 6 = 1.04: 2.
  EXPECT_EQ(r->throw_(), 2);
  EXPECT_EQ(r->throw_(), 2);
  r->setSeed(12345);
  EXPECT_TRUE(r->headsOrTails());  // 0.1056...
}

TEST(RAlea, FmodFollowsTheSignOfTheDivisor) {
  Ref<Probe> r = New<Probe>();
  EXPECT_EQ(r->callFmod(7.0, 3.0), 1.0);
  EXPECT_EQ(r->callFmod(-7.0, 3.0), 2.0);
  EXPECT_EQ(r->callFmod(281474976710656.0, 281474976710656.0), 0.0);
}

TEST(RAlea, ClockSeedIsAWholeNumberBelowTenToTheTwelfth) {
  Ref<Probe> r = New<Probe>();
  r->Constructor();
  const double s = r->getSeed();
  EXPECT_EQ(s, std::floor(s));
  EXPECT_GE(s, 0.0);
  EXPECT_LT(s, 1e12);
  // m + m * 1000000 for a whole m below 10^6.
  EXPECT_EQ(std::fmod(s, 1000001.0), 0.0);
  EXPECT_EQ(r->state(), s);
}

TEST(RAlea, DrawsStayInRange) {
  Ref<Probe> r = Seeded(987654321);
  for (int i = 0; i < 10000; ++i) {
    const double d = r->random();
    ASSERT_GE(d, 0.0);
    ASSERT_LT(d, 1.0);
    ASSERT_EQ(r->state(), std::floor(r->state()));
    const int32_t k = r->random(1, 4);
    ASSERT_GE(k, 1);
    ASSERT_LE(k, 4);
  }
}

}  // namespace
