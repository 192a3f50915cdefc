#pragma once
// Offscreen pictures and the drawing context that draws into a picture or onto
// a canvas.
//
// Pixel rules, all without smoothing: FillRect(x, y, w, h) fills columns x .. x+w-1
// and rows y .. y+h-1; DrawRect frames the same rectangle with a line one pixel
// wide inside it; FillOval fills the oval inscribed in it. DrawString writes
// with the baseline of its first line at y; each Chr(13) starts a new line one
// line height lower. Font "System" is the platform's default font, "courier" a
// fixed-pitch one; a text size is in pixels, 0 meaning the platform's size.

#include <cstdint>
#include <memory>
#include <string>

#include "Color.h"
#include "Object.h"

class QImage;
class Graphics;

// The pixels a Graphics draws into; owned by a Picture or a Canvas.
struct Surface;

class Picture : public Object {
public:
  // A picture of the given size, white and opaque throughout.
  Picture(int32_t width, int32_t height);
  ~Picture() override;

  int32_t Width() const;
  int32_t Height() const;
  Ref<::Graphics> Graphics();
  // 0: drawn as it is. 1: its white pixels are left out where it is drawn.
  int32_t Transparent() const { return transparent_; }
  void SetTransparent(int32_t t) { transparent_ = t; }

  // The framework's own access to the pixels.
  QImage& image();
  const QImage& image() const;

private:
  std::shared_ptr<Surface> surface_;
  Ref<::Graphics> graphics_;
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
  std::weak_ptr<Surface> surface_;
  Color foreColor_{};
  std::string textFont_ = "System";
  int32_t textSize_ = 0;
};
