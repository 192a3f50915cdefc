#pragma once
// The framework's private Qt side: what its .cpp files share. Nothing outside
// framework/ and the tests includes this.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <QString>

#include <functional>
#include <string>

#include "Color.h"
#include "Object.h"

class Picture;

struct Surface {
  QImage image;
  // Every pixel of image is opaque, so it can be copied instead of blended.
  // Drawing never takes that away: every colour drawn is opaque.
  bool opaque = false;
  // Called after something was drawn into image.
  std::function<void()> changed;
};

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
// same pixels as blending, for much less work), blended otherwise.
void DrawImage(class QPainter& painter, const QPoint& at, const QImage& image, bool opaque);
