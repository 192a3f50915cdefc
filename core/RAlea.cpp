#include "RAlea.h"

#include "Clock.h"
#include "TextNumber.h"

namespace {
constexpr double kModulus = 281474976710656.0;  // 2^48
}

double RAlea::getSeed() { return mySeed; }

void RAlea::setSeed(double seed) {
  const double v = Abs(Floor(seed));
  mySeed = v;
  myR = v;
}

void RAlea::Constructor(double seed) { setSeed(seed); }

double RAlea::random() {
  double t = myR * 513.0;
  t = t + 29741096258473.0;
  myR = fmod(t, kModulus);
  return myR / kModulus;
}

int32_t RAlea::random(int32_t lo, int32_t hi) {
  const double d = lo;
  const double r = random();
  // hi - lo + 1 in 32-bit arithmetic, as the program's integers wrap.
  const int32_t count = static_cast<int32_t>(static_cast<uint32_t>(hi) - static_cast<uint32_t>(lo) + 1u);
  const double n = count;
  return ToInt32(d + Floor(r * n));
}

double RAlea::random(double lo, double hi) {
  const double r = random();
  return lo + r * (hi - lo);
}

void RAlea::reset() { myR = mySeed; }

void RAlea::INFO() {}

void RAlea::guessSeed() {
  const double m = fmod(Microseconds(), 1000000.0);
  setSeed(m + m * 1000000.0);
}

void RAlea::Constructor() { guessSeed(); }

void RAlea::demonstrateZero() {
  mySeed = 490709318620.23975;
  myR = 490709318620.23975;
}

double RAlea::fmod(double a, double b) {
  const double q = Floor(a / b);
  return a - b * q;
}

int32_t RAlea::throw_() { return ToInt32(1.0 + Floor(6.0 * random())); }

bool RAlea::headsOrTails() { return random() < 0.5; }
