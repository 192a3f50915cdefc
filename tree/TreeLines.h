#pragma once
// The lines that draw the Tree window's tree: a root line under the first
// population, and for every split a bar at the height that stands for the
// generation of the split, with a vertical line rising from each end toward the
// populations on that side.

#include <cstdint>

#include "Array.h"
#include "Controls.h"
#include "driftCan.h"

class VLine : public Line {};

class HLine : public Line {
public:
  // The populations hanging from each end of the bar, in tree order.
  Array<Ref<driftCan>> LeftEnd;
  Array<Ref<driftCan>> RightEnd;
  // The bar's y in window coordinates.
  int32_t TimeDepth = 0;
  Ref<VLine> rightVLine;
  Ref<VLine> leftVLine;

  // Places the bar between the mean centres of its two ends at TimeDepth, and
  // its vertical lines under its ends; a line whose end holds one population
  // reaches up to that population's frame.
  virtual void Reposition();
  // The index in LeftEnd (RightEnd) of the very canvas d; -1 when it is not there.
  virtual int32_t LeftContains(const Ref<driftCan>& d);
  virtual int32_t RightContains(const Ref<driftCan>& d);
};

class RootLine : public Line {
public:
  // While true, the root line follows the first population up.
  bool Active = false;
  void SetProperty(const PropertyRecord& record) override;
};
