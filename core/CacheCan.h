#pragma once
// CacheCan: a canvas that reaches the screen only by copying its offscreen
// picture. A frame is composed whole in Cache and shown by one copy, so a
// repaint never recomputes anything. Its event SetProperties "(  )" tells the
// window, once, that Cache exists.

#include "Controls.h"
#include "Picture.h"

class CacheCan : public Canvas {
public:
  // The offscreen picture: nil until the canvas opens, then of the canvas's size
  // at that moment, for good.
  Ref<Picture> Cache;

  CacheCan();

  void Event_Paint(const Ref<::Graphics>& g) override;
  void Event_Open() override;
  // Whitens the picture's whole extent; the screen is not touched.
  virtual void ClearCache();
  // Copies the picture to the screen at (0, 0), whole.
  virtual void BlitCache();
};
