#pragma once
// counter: a label that shows a whole number and counts. The number lives only
// in the label's text, written by Str and read back by Val; every change is
// shown at once.

#include <cstdint>

#include "Controls.h"

class counter : public StaticText {
public:
  // Whatever text the layout gave, an opened counter shows 0.
  void Event_Open() override;
  virtual void increment();
  virtual void decrement();
  virtual void set(int32_t n);
  virtual void zero();
};
