#pragma once
// The framework's private Qt side: what its .cpp files share. Nothing outside
// framework/ and the tests includes this.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <QString>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>

#include "Color.h"
#include "Object.h"

class Picture;

// The device pixel ratio that pictures and canvases are made at: the screen's,
// the largest where screens differ.
double ScreenRatio();

struct Surface {
  // The pixels, ratio times the logical size (see Picture.h); the image's own
  // device pixel ratio is ratio.
  QImage image;
  double ratio = 1;
  // Every pixel of image is opaque, so it can be copied instead of blended.
  // Drawing never takes that away: every colour drawn is opaque.
  bool opaque = false;
  // Called after something was drawn into image.
  std::function<void()> changed;

  // The device pixel that logical coordinate v falls on.
  int64_t Device(int64_t v) const {
    return ratio == 1 ? v : static_cast<int64_t>(std::floor(static_cast<double>(v) * ratio + 0.5));
  }
};

// Makes s hold width x height logical pixels at the screen's ratio, keeping
// the pixels already drawn where they still fit; new pixels are see-through.
void ResizeSurface(Surface& s, int32_t width, int32_t height);

struct WidgetHolder {
  QPointer<QWidget> widget;
};

inline QString ToQ(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }
inline std::string FromQ(const QString& s) { return s.toUtf8().toStdString(); }
inline QColor ToQColor(Color c) { return QColor(c.red, c.green, c.blue); }
// A text with its Chr(13) line breaks made into the newlines Qt shows.
QString LinesToQ(const std::string& s);

// The font of a name and size, as Picture.h describes: "System" (or empty) and
// "courier" are the program's own faces.
QFont FontFor(const std::string& name, int size, bool bold = false, bool italic = false,
              bool underline = false);

// A picture holding a copy of image.
Ref<Picture> PictureFromImage(const QImage& image);
// The picture's pixels as they are drawn: with Transparent = 1 its white pixels
// are made see-through.
QImage ImageToDraw(const Picture& picture);
// Draws image with its top-left corner at `at`: copied when it is opaque (the
// same pixels as blending, for much less work), blended otherwise; smoothly
// scaled where the image's device pixel ratio is not the painter's.
void DrawImage(class QPainter& painter, const QPoint& at, const QImage& image, bool opaque);
