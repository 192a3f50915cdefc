#pragma once
// aniTron: a dot in a sprite canvas, a width x height rectangle at a place in
// canvas coordinates, drawn as the oval inscribed in it. The place is kept as
// doubles for computation and as whole pixels (X, Y) for drawing and hit tests.
// While a drag carries a sprite, the canvases keep in X, Y its offset from the
// pointer instead of a place.

#include <cstdint>

#include "Color.h"
#include "Object.h"

class aniCan;

class aniTron : public Object {
public:
  double xLoc = 0.0;
  double yLoc = 0.0;
  double speed = 0.0;
  // Heading in radians: 0 along +x, pi/2 along +y (down).
  double direction = 0.0;
  int32_t X = 0;
  int32_t Y = 0;
  int32_t height = 0;
  int32_t width = 0;
  Color myColor{};

  // One animation step: reflect off the walls, then advance; nothing while the
  // canvas is handling a click. Nothing in the program animates its sprites.
  virtual void move(const Ref<aniCan>& can);
  // Sets the sprite up on a canvas; a plain sprite needs nothing.
  virtual void prepare(const Ref<aniCan>& can);
  // Whether (x, y), in canvas coordinates, lies strictly inside the rectangle.
  virtual bool within(int32_t x, int32_t y);
  virtual void bounce(const Ref<aniCan>& can);
  virtual void glide();
};
