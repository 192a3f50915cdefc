#include "counter.h"

#include "TextNumber.h"

void counter::Event_Open() { zero(); }

void counter::increment() {
  SetText(Str(Val(Text()) + 1.0));
  Refresh(true);
}

void counter::decrement() {
  SetText(Str(Val(Text()) - 1.0));
  Refresh(true);
}

void counter::set(int32_t n) {
  SetText(Str(n));
  Refresh(true);
}

void counter::zero() { set(0); }
