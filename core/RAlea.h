#pragma once
// RAlea: the program's own seeded random-number generator, a 48-bit linear
// congruential recurrence held and computed in doubles. Every random choice of
// the program comes from the one instance Globals::myRAlea, so the order of the
// draws is part of the program's behaviour.
//
// Each double operation is rounded on its own, in the order written: the stream
// departs from exact integer arithmetic once the state passes 2^53 / 513, and the
// rounded stream is the one the program runs on.

#include <cstdint>

#include "Object.h"

class RAlea : public Object {
public:
  virtual double getSeed();
  virtual void setSeed(double seed);
  virtual void Constructor(double seed);
  virtual double random();
  virtual int32_t random(int32_t lo, int32_t hi);
  virtual double random(double lo, double hi);
  virtual void reset();

protected:
  virtual void INFO();

public:
  virtual void guessSeed();
  virtual void Constructor();
  virtual void demonstrateZero();

protected:
  virtual double fmod(double a, double b);

public:
  // A die, 1 .. 6. (Named with a trailing underscore: "throw" is reserved in C++.)
  virtual int32_t throw_();
  virtual bool headsOrTails();

protected:
  double mySeed = 0.0;
  double myR = 0.0;
};
