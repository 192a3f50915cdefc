#pragma once
// Shared by the core tests: a generator whose state can be read, and a count of
// the draws taken since a seeding.

#include "Globals.h"
#include "RAlea.h"

namespace coretest {

class ProbeRAlea : public RAlea {
public:
  double state() const { return myR; }
};

// Starts the parameters and replaces the shared generator by one seeded with seed.
inline Ref<ProbeRAlea> StartSeeded(double seed) {
  Globals::StartUp();
  Ref<ProbeRAlea> r = New<ProbeRAlea>();
  r->Constructor(seed);
  Globals::myRAlea = r;
  return r;
}

// How many draws a generator seeded with seed takes to reach state.
inline int DrawsTaken(double seed, double state) {
  Ref<ProbeRAlea> fresh = New<ProbeRAlea>();
  fresh->Constructor(seed);
  for (int n = 0; n < 100000; ++n) {
    if (fresh->state() == state) return n;
    fresh->random();
  }
  return -1;
}

}  // namespace coretest
