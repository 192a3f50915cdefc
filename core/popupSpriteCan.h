#pragma once
// popupSpriteCan: a canvas shown at a drag's start and hidden at its end. It
// draws nothing itself: popup lets the window give it its picture, size and
// place through LoadImage "( Int32, Int32, Variant, Window )" before showing
// it; vanish hides it, then raises Vanished "(  )".

#include <cstdint>

#include "Controls.h"
#include "Variant.h"
#include "Window.h"

class popupSpriteCan : public Canvas {
public:
  popupSpriteCan();
  virtual void vanish();
  virtual void popup(int32_t x, int32_t y, const Variant& v, const Ref<::Window>& w);
};
