#include "SpriteCanvases.h"

#include "BackgroundTask.h"

#include <utility>

SpriteCanvas::SpriteCanvas() {
  DeclareEvent("DroppedAniTron", "( aniTron )");
  DeclareEvent("PulledAnitron", "(  )");
  AniTrons.Redim(0);
}

void SpriteCanvas::doAttach(const Ref<aniTron>& t) {
  AniTrons.Insert(AniTrons.UBound() + 1, t);
  doneAttach(t);
}

bool SpriteCanvas::within(int32_t x, int32_t y) {
  return Left() < x && x < Left() + Width() && Top() < y && y < Top() + Height();
}

void SpriteCanvas::clear() {
  const int32_t n = AniTrons.UBound();
  for (int32_t i = n; i >= 1; --i) {
    doDetach(i);
    RuntimeBackgroundTask();
  }
}

void SpriteCanvas::doDetach(int32_t i) {
  const Ref<aniTron> t = AniTrons(i);
  AniTrons.Remove(i);
  doneDetach(t);
}

Ref<aniTron> SpriteCanvas::mouseDown(int32_t x, int32_t y) {
  processingClick = true;
  const int32_t lx = x - Left();
  const int32_t ly = y - Top();
  Ref<aniTron> t;
  int32_t i = 0;
  while (i < AniTrons.UBound()) {
    i = i + 1;
    RuntimeBackgroundTask();
    if (AniTrons(i)->within(lx, ly)) {
      t = AniTrons(i);
      doDetach(i);
      RaiseEvent("PulledAnitron");
      t->X = t->X - lx;
      t->Y = t->Y - ly;
      break;
    }
  }
  if (t != nullptr) redraw();
  processingClick = false;
  return t;
}

void SpriteCanvas::AniTronDrop(int32_t x, int32_t y, const Ref<aniTron>& t) {
  processingClick = true;
  const int32_t lx = x - Left();
  const int32_t ly = y - Top();
  t->X = t->X + lx;
  t->Y = t->Y + ly;
  if (clearsBeforeDrop_) clear();
  doAttach(t);
  redraw();
  RaiseEvent("DroppedAniTron", {Variant(t)});
  processingClick = false;
}

void SpriteCanvas::SetProperty(const PropertyRecord& r) {
  if (r.name == "processingClick") processingClick = r.value.boolean;
  else CacheCan::SetProperty(r);
}

displayCan::displayCan() { clearsBeforeDrop_ = true; }

void SpriteCanvas::PaintSprites() {
  const Ref<::Graphics> g = Cache->Graphics();
  for (int32_t i = 1; i <= AniTrons.UBound(); ++i) {
    const Ref<aniTron>& t = std::as_const(AniTrons)(i);
    g->SetForeColor(t->myColor);
    g->FillOval(t->X, t->Y, t->width, t->height);
    RuntimeBackgroundTask();
  }
}

void displayCan::redraw() {
  ClearCache();
  PaintSprites();
  BlitCache();
}
