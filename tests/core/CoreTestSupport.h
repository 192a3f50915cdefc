#pragma once
// Shared by the core tests: a generator whose state can be read, a count of the
// draws taken since a seeding, canvases of a given size, arrays of letters and virions.

#include <string>

#include "Globals.h"
#include "SpriteCanvases.h"
#include "cArray.h"
#include "virionTron.h"

namespace coretest {

class ProbeRAlea : public RAlea {
public:
  double state() const { return myR; }
  double Fmod(double a, double b) { return fmod(a, b); }
};

inline Ref<ProbeRAlea> Seeded(double seed) {
  Ref<ProbeRAlea> r = New<ProbeRAlea>();
  r->Constructor(seed);
  return r;
}

// Starts the parameters and replaces the shared generator by one seeded with seed.
inline Ref<ProbeRAlea> StartSeeded(double seed) {
  Globals::StartUp();
  Globals::myRAlea = Seeded(seed);
  return Cast<ProbeRAlea>(Globals::myRAlea);
}

// The shared generator's state: it moves on with every draw.
inline double Drawn() { return Cast<ProbeRAlea>(Globals::myRAlea)->state(); }

// How many draws the shared generator has taken since it was seeded with seed.
inline int DrawsSince(double seed) {
  Ref<ProbeRAlea> fresh = Seeded(seed);
  for (int n = 0; n < 100000; ++n, fresh->random())
    if (fresh->state() == Drawn()) return n;
  return -1;
}

inline Ref<aniCan> CanvasOf(int w, int h) {
  Ref<aniCan> can = New<aniCan>();
  can->SetWidth(w);
  can->SetHeight(h);
  return can;
}

// One letter per element from index first on; the elements below stay empty.
inline Ref<cArray> Letters(const std::string& letters, int first = 0) {
  Ref<cArray> a = New<cArray>();
  a->Constructor(first + static_cast<int>(letters.size()) - 1);
  for (size_t i = 0; i < letters.size(); ++i) a->set(first + static_cast<int>(i), letters.substr(i, 1));
  return a;
}

// The elements from index first on, "_" for an empty one.
inline std::string Text(const Ref<cArray>& a, int first = 0) {
  std::string s;
  for (int i = first; i <= a->ubound(); ++i) s += a->get(i).IsNil() ? "_" : a->get(i).StringValue();
  return s;
}

// A 12-pixel virion at (x, y) holding letters from index 1.
inline Ref<virionTron> Virion(int32_t x, int32_t y, Color c = {}, double fitness = 100.0,
                              const std::string& letters = "AAAAAAAAAA") {
  Ref<virionTron> v = New<virionTron>();
  v->X = x, v->Y = y, v->width = 12, v->height = 12, v->myColor = c, v->Fitness = fitness;
  v->Sequence = Letters(letters, 1);
  return v;
}

}  // namespace coretest
