#pragma once
// Offscreen pictures and the drawing context that draws into a picture or onto
// a canvas.
//
// Pixel rules, all without smoothing: FillRect(x, y, w, h) fills columns x .. x+w-1
// and rows y .. y+h-1; DrawRect frames the same rectangle with a line one pixel
// wide inside it; FillOval fills the oval inscribed in it.
//
// Screen resolution: pictures and canvases hold the screen's device pixel
// ratio r times their logical size in device pixels, and are drawn in logical
// coordinates, so that they look as sharp as the rest of the window on a
// scaled screen. Logical coordinate v falls on device pixel D(v) = floor(v r + 1/2):
// a picture w x h holds D(w) x D(h) pixels, FillRect(x, y, w, h) fills device
// columns D(x) .. D(x+w)-1 and rows D(y) .. D(y+h)-1, DrawRect's line is
// D(x+1) - D(x) pixels wide, an oval is the oval rule applied to its device box
// (at r = 2 a 12-pixel dot is the 24-pixel oval), and a picture is drawn into
// the device box of its logical size, pixel for pixel where the two ratios
// agree and smoothly scaled where they do not (a picture compiled into the
// program holds one pixel per logical pixel). Text is drawn at the device
// resolution from its baseline's device pixel. At r = 1 every pixel is the
// rule's above.
//
// Faces: every text of the program, drawn or shown by a control, is set in
// faces the program carries and registers itself, never in what the machine
// happens to prefer, because windows are laid out as fixed pixel boxes. Font
// "System" (or no name) is Liberation Sans, "courier" Liberation Mono: the
// boxes were drawn for a narrow 12-pixel face, and Liberation Sans leaves
// every laid-out text room in its box; Liberation Mono keeps Courier's
// metrics. Any other name is looked up on the machine. A text size is in
// pixels, 0 meaning kDefaultTextSize.
//
// DrawString writes with the baseline of its first line at y, and each Chr(13)
// starts a new line one pitch lower, whatever the face: the pitch is the text
// size times 1.1, rounded (11 pixels at size 10, 13 at size 12), so that a box
// worked out as so many lines of so many pixels holds exactly those lines.

#include <cstdint>
#include <memory>
#include <string>

#include "Color.h"
#include "Object.h"

class QImage;

constexpr int32_t kDefaultTextSize = 12;

// Makes "System" at the default size the application's default font, for what
// no layout sets (menus, message boxes). The runtime calls it at start-up.
void UseProgramFaces();
class Graphics;

// The pixels a Graphics draws into; owned by a Picture or a Canvas.
struct Surface;

class Picture : public Object {
public:
  // A picture of the given logical size at the screen's ratio, white and
  // opaque throughout.
  Picture(int32_t width, int32_t height);
  ~Picture() override;

  int32_t Width() const;
  int32_t Height() const;
  Ref<::Graphics> Graphics();
  // 0: drawn as it is. 1: its white pixels are left out where it is drawn.
  int32_t Transparent() const { return transparent_; }
  void SetTransparent(int32_t t) { transparent_ = t; }

  // The framework's own: a picture at a given ratio; a picture holding a copy
  // of image, at the image's ratio; and access to the device pixels.
  Picture(int32_t width, int32_t height, double ratio);
  explicit Picture(const QImage& image);
  QImage& image();
  const QImage& image() const;
  // Every pixel is opaque as the picture is drawn (not Transparent).
  bool Opaque() const;

private:
  std::shared_ptr<Surface> surface_;
  Ref<::Graphics> graphics_;
  int32_t width_ = 0, height_ = 0;
  int32_t transparent_ = 0;
};

// A new picture; depth must be 32.
Ref<Picture> NewPicture(int32_t width, int32_t height, int32_t depth);

class Graphics : public Object {
public:
  explicit Graphics(std::weak_ptr<Surface> surface);

  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color c) { foreColor_ = c; }
  std::string TextFont() const { return textFont_; }
  void SetTextFont(const std::string& font) { textFont_ = font; }
  int32_t TextSize() const { return textSize_; }
  void SetTextSize(int32_t size) { textSize_ = size; }

  void FillRect(int32_t x, int32_t y, int32_t width, int32_t height);
  void DrawRect(int32_t x, int32_t y, int32_t width, int32_t height);
  void FillOval(int32_t x, int32_t y, int32_t width, int32_t height);
  // The whole picture at its own size with its top-left corner at (x, y).
  void DrawPicture(const Ref<Picture>& picture, int32_t x, int32_t y);
  // wrapWidth 0: lines break only at Chr(13). A positive width also wraps long
  // lines at blanks. condense is accepted and has no effect.
  void DrawString(const std::string& text, int32_t x, int32_t y, int32_t wrapWidth = 0,
                  bool condense = false);

private:
  Surface& surface() const;
  // The owner's surface, and the pointer to it that is used while it lives
  // (asking the weak pointer whether it expired is cheaper than locking it).
  std::weak_ptr<Surface> surface_;
  Surface* pixels_;
  Color foreColor_{};
  std::string textFont_ = "System";
  int32_t textSize_ = 0;
};
