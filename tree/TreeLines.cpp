#include "TreeLines.h"

#include "TextNumber.h"

namespace {

// The mean of the canvases' centres: they are 40 wide.
int32_t MeanCentre(const Array<Ref<driftCan>>& end) {
  int32_t sum = 0;
  int32_t count = 0;
  for (int32_t i = 0; i <= end.UBound(); ++i) {
    sum = sum + end(i)->Left();
    count = count + 1;
  }
  return ToInt32(static_cast<double>(sum) / static_cast<double>(count) + 20.0);
}

int32_t IndexOf(const Array<Ref<driftCan>>& end, const Ref<driftCan>& d) {
  for (int32_t i = 0; i <= end.UBound(); ++i) {
    if (end(i) == d) return i;
  }
  return -1;
}

// The vertical line under one end of the bar.
void PlaceVLine(const Ref<VLine>& line, int32_t x, int32_t timeDepth, const Array<Ref<driftCan>>& end) {
  line->SetX2(x);
  line->SetX1(x);
  line->SetY2(timeDepth);
  if (end.UBound() == 0) line->SetY1(end(0)->Top() + 41);
}

}  // namespace

void HLine::Reposition() {
  const int32_t xL = MeanCentre(LeftEnd);
  const int32_t xR = MeanCentre(RightEnd);
  SetX1(xL);
  SetY1(TimeDepth);
  SetX2(xR);
  SetY2(Y1());
  PlaceVLine(leftVLine, xL, TimeDepth, LeftEnd);
  PlaceVLine(rightVLine, xR, TimeDepth, RightEnd);
}

int32_t HLine::LeftContains(const Ref<driftCan>& d) { return IndexOf(LeftEnd, d); }

int32_t HLine::RightContains(const Ref<driftCan>& d) { return IndexOf(RightEnd, d); }

void RootLine::SetProperty(const PropertyRecord& r) {
  if (r.name == "Active") Active = r.value.boolean;
  else Line::SetProperty(r);
}
