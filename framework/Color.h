#pragma once

#include <cstdint>

// A colour of red, green and blue, 0 to 255 each.
struct Color {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  friend bool operator==(Color a, Color b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
  }
  friend bool operator!=(Color a, Color b) { return !(a == b); }
};

// Components outside 0 .. 255 are held to the nearest end.
Color RGB(int32_t red, int32_t green, int32_t blue);
