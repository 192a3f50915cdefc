#include "aniTron.h"

#include "SpriteCanvases.h"
#include "TextNumber.h"

void aniTron::move(const Ref<aniCan>& can) {
  if (!can->processingClick) {
    bounce(can);
    glide();
  }
}

void aniTron::prepare(const Ref<aniCan>&) {}

bool aniTron::within(int32_t x, int32_t y) {
  return X < x && x < X + width && Y < y && y < Y + height;
}

void aniTron::bounce(const Ref<aniCan>& can) {
  // The constants are the program's own rounded values of pi and 2 pi.
  if (xLoc < 0.0 && Cos(direction) < 0.0) direction = 3.14159265 - direction;
  if (static_cast<double>(can->Width()) < xLoc + width && Cos(direction) > 0.0) direction = 3.14159265 - direction;
  if (yLoc < 0.0 && Sin(direction) < 0.0) direction = -1.0 * direction;
  if (static_cast<double>(can->Height()) < yLoc + height && Sin(direction) > 0.0) direction = -1.0 * direction;
  if (direction > 6.2831853) {
    direction = direction - 6.2831853;
  } else if (direction < 0.0) {
    direction = direction + 6.2831853;
  }
}

void aniTron::glide() {
  xLoc = xLoc + speed * Cos(direction);
  yLoc = yLoc + speed * Sin(direction);
  X = ToInt32(Round(xLoc));
  Y = ToInt32(Round(yLoc));
}
