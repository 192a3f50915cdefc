#include "Picture.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

#include "Exceptions.h"
#include "QtSupport.h"

QString LinesToQ(const std::string& s) {
  QString q = ToQ(s);
  q.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return q;
}

QFont FontFor(const std::string& name, int size, bool bold, bool italic, bool underline) {
  QFont font;
  const QString lower = ToQ(name).toLower();
  if (lower.isEmpty() || lower == QLatin1String("system")) {
    font = QApplication::font();
  } else if (lower == QLatin1String("courier")) {
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
  } else {
    font = QFont(ToQ(name));
  }
  if (size > 0) font.setPixelSize(size);
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  return font;
}

Picture::Picture(int32_t width, int32_t height)
    : surface_(std::make_shared<Surface>()) {
  surface_->image = QImage(width > 0 ? width : 0, height > 0 ? height : 0,
                           QImage::Format_ARGB32_Premultiplied);
  surface_->image.fill(Qt::white);
  graphics_ = New<::Graphics>(std::weak_ptr<Surface>(surface_));
}

Picture::~Picture() = default;

int32_t Picture::Width() const { return surface_->image.width(); }
int32_t Picture::Height() const { return surface_->image.height(); }
Ref<::Graphics> Picture::Graphics() { return graphics_; }
QImage& Picture::image() { return surface_->image; }
const QImage& Picture::image() const { return surface_->image; }

Ref<Picture> NewPicture(int32_t width, int32_t height, int32_t depth) {
  if (depth != 32) throw FrameworkException("Pictures have a depth of 32");
  return New<Picture>(width, height);
}

Ref<Picture> PictureFromImage(const QImage& image) {
  Ref<Picture> p = New<Picture>(image.width(), image.height());
  p->image() = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  return p;
}

QImage ImageToDraw(const Picture& picture) {
  if (picture.Transparent() != 1) return picture.image();
  QImage copy = picture.image().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < copy.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
    for (int x = 0; x < copy.width(); ++x) {
      if ((line[x] & 0x00FFFFFF) == 0x00FFFFFF) line[x] = 0;
    }
  }
  return copy;
}

Graphics::Graphics(std::weak_ptr<Surface> surface) : surface_(std::move(surface)) {}

Surface& Graphics::surface() const {
  std::shared_ptr<Surface> s = surface_.lock();
  if (!s) throw NilObjectException("The picture or canvas of this drawing context is gone");
  return *s;
}

namespace {

// Draws into a surface and tells its owner afterwards.
template <class F>
void DrawInto(Surface& s, F draw) {
  if (s.image.isNull()) return;
  {
    QPainter p(&s.image);
    draw(p);
  }
  if (s.changed) s.changed();
}

}  // namespace

void Graphics::FillRect(int32_t x, int32_t y, int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return;
  const QColor c = ToQColor(foreColor_);
  DrawInto(surface(), [&](QPainter& p) { p.fillRect(QRect(x, y, width, height), c); });
}

void Graphics::DrawRect(int32_t x, int32_t y, int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return;
  const QColor c = ToQColor(foreColor_);
  DrawInto(surface(), [&](QPainter& p) {
    p.fillRect(QRect(x, y, width, 1), c);
    p.fillRect(QRect(x, y + height - 1, width, 1), c);
    p.fillRect(QRect(x, y, 1, height), c);
    p.fillRect(QRect(x + width - 1, y, 1, height), c);
  });
}

void Graphics::FillOval(int32_t x, int32_t y, int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return;
  const QColor c = ToQColor(foreColor_);
  DrawInto(surface(), [&](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QRectF(x, y, width, height));
  });
}

void Graphics::DrawPicture(const Ref<Picture>& picture, int32_t x, int32_t y) {
  const QImage image = ImageToDraw(*picture);
  DrawInto(surface(), [&](QPainter& p) { p.drawImage(QPoint(x, y), image); });
}

void Graphics::DrawString(const std::string& text, int32_t x, int32_t y, int32_t wrapWidth, bool) {
  const QFont font = FontFor(textFont_, textSize_);
  const QFontMetrics metrics(font);
  QStringList lines;
  for (const QString& line : LinesToQ(text).split(QLatin1Char('\n'))) {
    if (wrapWidth <= 0) {
      lines << line;
      continue;
    }
    QString current;
    for (const QString& word : line.split(QLatin1Char(' '))) {
      const QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
      if (!current.isEmpty() && metrics.horizontalAdvance(candidate) > wrapWidth) {
        lines << current;
        current = word;
      } else {
        current = candidate;
      }
    }
    lines << current;
  }
  const QColor c = ToQColor(foreColor_);
  DrawInto(surface(), [&](QPainter& p) {
    p.setFont(font);
    p.setPen(c);
    int baseline = y;
    for (const QString& line : lines) {
      p.drawText(QPoint(x, baseline), line);
      baseline += metrics.lineSpacing();
    }
  });
}
