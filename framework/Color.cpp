#include "Color.h"

namespace {
uint8_t Component(int32_t v) { return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); }
}  // namespace

Color RGB(int32_t red, int32_t green, int32_t blue) {
  return Color{Component(red), Component(green), Component(blue)};
}
