#include "Picture.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

#include "Exceptions.h"
#include "QtSupport.h"

QString LinesToQ(const std::string& s) {
  QString q = ToQ(s);
  q.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return q;
}

namespace {

// The families of the program's own faces, registered once from the data
// compiled into the framework.
struct Faces {
  QString sans, mono;
};

QString Register(const QString& resource) {
  const int id = QFontDatabase::addApplicationFont(resource);
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  if (families.isEmpty()) throw FrameworkException("The face " + FromQ(resource) + " cannot be had");
  return families.first();
}

const Faces& ProgramFaces() {
  static const Faces faces{Register(QStringLiteral(":/fonts/Sans.ttf")), Register(QStringLiteral(":/fonts/Mono.ttf"))};
  return faces;
}

// The step from one line's baseline to the next for a text size.
int LinePitch(int size) { return static_cast<int>(std::lround(1.1 * (size > 0 ? size : kDefaultTextSize))); }

}  // namespace

QFont FontFor(const std::string& name, int size, bool bold, bool italic, bool underline) {
  const QString lower = ToQ(name).toLower();
  QFont font;
  if (lower.isEmpty() || lower == QLatin1String("system")) font = QFont(ProgramFaces().sans);
  else if (lower == QLatin1String("courier")) font = QFont(ProgramFaces().mono);
  else font = QFont(ToQ(name));
  font.setPixelSize(size > 0 ? size : kDefaultTextSize);
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  return font;
}

void UseProgramFaces() { QApplication::setFont(FontFor("System", 0)); }

double ScreenRatio() { return qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0; }

void ResizeSurface(Surface& s, int32_t width, int32_t height) {
  Surface sized;
  sized.ratio = ScreenRatio();
  const QSize size(static_cast<int>(sized.Device(std::max(width, 0))), static_cast<int>(sized.Device(std::max(height, 0))));
  if (s.image.size() == size && s.ratio == sized.ratio) return;
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  if (!s.image.isNull()) {
    const QRect kept = image.rect() & s.image.rect();
    for (int y = 0; y < kept.height(); ++y) {
      std::copy_n(reinterpret_cast<const QRgb*>(s.image.constScanLine(y)), kept.width(), reinterpret_cast<QRgb*>(image.scanLine(y)));
    }
  }
  image.setDevicePixelRatio(sized.ratio);
  s.image = image;
  s.ratio = sized.ratio;
  s.opaque = false;
}

Picture::Picture(int32_t width, int32_t height) : Picture(width, height, ScreenRatio()) {}

Picture::Picture(int32_t width, int32_t height, double ratio)
    : surface_(std::make_shared<Surface>()), width_(std::max(width, 0)), height_(std::max(height, 0)) {
  surface_->ratio = ratio;
  surface_->image = QImage(static_cast<int>(surface_->Device(width_)), static_cast<int>(surface_->Device(height_)),
                           QImage::Format_ARGB32_Premultiplied);
  surface_->image.setDevicePixelRatio(ratio);
  surface_->image.fill(Qt::white);
  surface_->opaque = true;
  graphics_ = New<::Graphics>(std::weak_ptr<Surface>(surface_));
}

Picture::Picture(const QImage& image) : Picture(0, 0, image.devicePixelRatio()) {
  QImage& pixels = surface_->image;
  pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  width_ = static_cast<int32_t>(std::lround(pixels.width() / surface_->ratio));
  height_ = static_cast<int32_t>(std::lround(pixels.height() / surface_->ratio));
  for (int y = 0; y < pixels.height() && surface_->opaque; ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    surface_->opaque = std::all_of(line, line + pixels.width(), [](QRgb c) { return qAlpha(c) == 255; });
  }
}

Picture::~Picture() = default;

int32_t Picture::Width() const { return width_; }
int32_t Picture::Height() const { return height_; }
Ref<::Graphics> Picture::Graphics() { return graphics_; }
QImage& Picture::image() { return surface_->image; }
const QImage& Picture::image() const { return surface_->image; }
bool Picture::Opaque() const { return transparent_ != 1 && surface_->opaque; }

Ref<Picture> NewPicture(int32_t width, int32_t height, int32_t depth) {
  if (depth != 32) throw FrameworkException("Pictures have a depth of 32");
  return New<Picture>(width, height);
}

Ref<Picture> PictureFromImage(const QImage& image) { return New<Picture>(image); }

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

void DrawImage(QPainter& painter, const QPoint& at, const QImage& image, bool opaque) {
  const bool scaled = image.devicePixelRatio() != painter.device()->devicePixelRatio();
  if (scaled) painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (opaque) painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(at, image);
  if (opaque) painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (scaled) painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

Graphics::Graphics(std::weak_ptr<Surface> surface) : surface_(std::move(surface)), pixels_(surface_.lock().get()) {}

Surface& Graphics::surface() const {
  if (surface_.expired()) throw NilObjectException("The picture or canvas of this drawing context is gone");
  return *pixels_;
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

// An opaque colour as a pixel of a premultiplied picture: stored as it is.
uint32_t Pixel(Color c) { return 0xFF000000u | uint32_t{c.red} << 16 | uint32_t{c.green} << 8 | c.blue; }

// The pixels of a surface, written straight: rectangles, the rows of an oval and
// opaque pictures are plain runs of pixels, and a painter would cost far more
// than the few short rows of a dot or one fill of a picture. Every run is cut to
// the picture.
class Pixels {
public:
  explicit Pixels(QImage& image)
      : bits_(reinterpret_cast<uint32_t*>(image.bits())),
        pitch_(image.bytesPerLine() / 4),
        width_(image.width()),
        height_(image.height()) {}

  // Columns left .. right - 1 of row y.
  void FillRow(int64_t y, int64_t left, int64_t right, uint32_t pixel) const {
    if (y < 0 || y >= height_) return;
    left = std::max<int64_t>(0, left);
    right = std::min(width_, right);
    if (left < right) std::fill(bits_ + y * pitch_ + left, bits_ + y * pitch_ + right, pixel);
  }

  // Columns x .. x + width - 1 of rows y .. y + height - 1: the first row is
  // filled, the others are copies of it.
  void FillBox(int64_t x, int64_t y, int64_t width, int64_t height, uint32_t pixel) const {
    const int64_t top = std::max<int64_t>(0, y), bottom = std::min(height_, y + height);
    const int64_t left = std::max<int64_t>(0, x), right = std::min(width_, x + width);
    if (top >= bottom || left >= right) return;
    const uint32_t* first = bits_ + top * pitch_ + left;
    FillRow(top, left, right, pixel);
    for (int64_t j = top + 1; j < bottom; ++j) std::copy(first, first + (right - left), bits_ + j * pitch_ + left);
  }

  // Source, of this format, with its top-left corner at (x, y).
  void Copy(const QImage& source, int64_t x, int64_t y) const {
    const int64_t left = std::max<int64_t>(0, x), right = std::min<int64_t>(width_, x + source.width());
    if (left >= right) return;
    for (int64_t j = std::max<int64_t>(0, y); j < std::min<int64_t>(height_, y + source.height()); ++j) {
      const auto* from = reinterpret_cast<const uint32_t*>(source.constScanLine(static_cast<int>(j - y)));
      std::copy(from + (left - x), from + (right - x), bits_ + j * pitch_ + left);
    }
  }

private:
  uint32_t* bits_;
  int64_t pitch_, width_, height_;
};

// Writes a surface's pixels and tells its owner afterwards.
template <class F>
void WriteInto(Surface& s, F write) {
  if (s.image.isNull()) return;
  write(Pixels(s.image));
  if (s.changed) s.changed();
}

// The device box of the logical rectangle x, y, width, height.
struct DeviceBox {
  int64_t left, top, width, height;
};

DeviceBox DeviceBoxOf(const Surface& s, int64_t x, int64_t y, int64_t width, int64_t height) {
  const int64_t left = s.Device(x), top = s.Device(y);
  return {left, top, s.Device(x + width) - left, s.Device(y + height) - top};
}

}  // namespace

void Graphics::FillRect(int32_t x, int32_t y, int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return;
  Surface& s = surface();
  const DeviceBox box = DeviceBoxOf(s, x, y, width, height);
  WriteInto(s, [&](const Pixels& pixels) { pixels.FillBox(box.left, box.top, box.width, box.height, Pixel(foreColor_)); });
}

void Graphics::DrawRect(int32_t x, int32_t y, int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return;
  Surface& s = surface();
  const uint32_t pixel = Pixel(foreColor_);
  const int64_t right = int64_t{x} + width - 1, bottom = int64_t{y} + height - 1;
  const DeviceBox edges[] = {DeviceBoxOf(s, x, y, width, 1), DeviceBoxOf(s, x, bottom, width, 1),
                             DeviceBoxOf(s, x, y, 1, height), DeviceBoxOf(s, right, y, 1, height)};
  WriteInto(s, [&](const Pixels& pixels) {
    for (const DeviceBox& e : edges) pixels.FillBox(e.left, e.top, e.width, e.height, pixel);
  });
}

namespace {

// One row of an oval: its first column, counted from the left of the box, and
// its length in pixels (0: the row is empty).
struct OvalRow {
  int32_t first = 0;
  int32_t length = 0;
};

// The rows of the oval inscribed in a w x h box. A pixel belongs to the oval
// when its centre lies inside or on the ellipse,
//   ((2i + 1 - w) / w)^2 + ((2j + 1 - h) / h)^2 <= 1,
// worked in integers so that every oval is exactly symmetric. (Qt's own
// unsmoothed ellipse leaves out its top row, so small ovals would come out
// lopsided or empty.) Sizes are held to 2^15 - 1 pixels so that the products
// cannot overflow; no screen is that large.
std::vector<OvalRow> RowsOfOval(int64_t w, int64_t h) {
  std::vector<OvalRow> rows(static_cast<size_t>(h));
  for (int64_t j = 0; j < h; ++j) {
    const int64_t dy = 2 * j + 1 - h;
    const int64_t room = w * w * (h * h - dy * dy);  // what dx^2 * h^2 may reach
    // The widest dx = 2i + 1 - w that fits; it has the parity of w - 1.
    int64_t dx = static_cast<int64_t>(std::sqrt(static_cast<double>(room)) / static_cast<double>(h));
    while (dx > 0 && dx * dx * h * h > room) --dx;
    while ((dx + 1) * (dx + 1) * h * h <= room) ++dx;
    if ((dx + w) % 2 == 0) --dx;
    if (dx >= 0) rows[static_cast<size_t>(j)] = {static_cast<int32_t>((w - 1 - dx) / 2), static_cast<int32_t>(dx + 1)};
  }
  return rows;
}

// A program draws its ovals in a few sizes, over and over: each size's rows are
// worked out once.
const std::vector<OvalRow>& OvalRows(int32_t w, int32_t h) {
  struct Table {
    int32_t w, h;
    std::vector<OvalRow> rows;
  };
  static std::vector<Table> tables;
  for (const Table& t : tables) {
    if (t.w == w && t.h == h) return t.rows;
  }
  if (tables.size() >= 16) tables.clear();
  tables.push_back({w, h, RowsOfOval(w, h)});
  return tables.back().rows;
}

}  // namespace

void Graphics::FillOval(int32_t x, int32_t y, int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return;
  Surface& s = surface();
  const DeviceBox box = DeviceBoxOf(s, x, y, width, height);
  const uint32_t pixel = Pixel(foreColor_);
  const std::vector<OvalRow>& rows = OvalRows(static_cast<int32_t>(std::min<int64_t>(box.width, 32767)),
                                              static_cast<int32_t>(std::min<int64_t>(box.height, 32767)));
  WriteInto(s, [&](const Pixels& pixels) {
    for (size_t j = 0; j < rows.size(); ++j) {
      const int64_t left = box.left + rows[j].first;
      pixels.FillRow(box.top + static_cast<int64_t>(j), left, left + rows[j].length, pixel);
    }
  });
}

void Graphics::DrawPicture(const Ref<Picture>& picture, int32_t x, int32_t y) {
  Surface& s = surface();
  if (s.image.isNull()) return;
  // Held for the copy: should the two share their pixels, writing detaches them.
  QImage source = picture->image();
  DeviceBox box = DeviceBoxOf(s, x, y, picture->Width(), picture->Height());
  if (source.devicePixelRatio() == s.ratio) box.width = source.width(), box.height = source.height();
  if (box.left >= s.image.width() || box.top >= s.image.height() || box.left + box.width <= 0 ||
      box.top + box.height <= 0 || box.width <= 0 || box.height <= 0) {
    return;
  }
  // Overlapping the picture, the box's coordinates fit an int.
  const QRect target(static_cast<int>(box.left), static_cast<int>(box.top), static_cast<int>(box.width),
                     static_cast<int>(box.height));
  if (source.size() != target.size()) {
    source = source.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  if (picture->Opaque() && source.format() == s.image.format()) {
    // Opaque pixels are copied: the same pixels as blending them, for much less work.
    WriteInto(s, [&](const Pixels& pixels) { pixels.Copy(source, target.left(), target.top()); });
    // Covered whole by them, a canvas's drawing is opaque from now on.
    if (target.contains(s.image.rect())) s.opaque = true;
    return;
  }
  QImage image = picture->Transparent() == 1 ? ImageToDraw(*picture) : source;
  if (image.size() != target.size()) image = image.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  image.setDevicePixelRatio(1);
  DrawInto(s, [&](QPainter& p) {
    // In device pixels.
    p.setWorldTransform(QTransform::fromScale(1 / s.ratio, 1 / s.ratio));
    DrawImage(p, target.topLeft(), image, false);
  });
}

void Graphics::DrawString(const std::string& text, int32_t x, int32_t y, int32_t wrapWidth, bool) {
  const QFont font = FontFor(textFont_, textSize_);
  const int pitch = LinePitch(textSize_);
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
  Surface& s = surface();
  DrawInto(s, [&](QPainter& p) {
    p.setFont(font);
    p.setPen(c);
    int64_t baseline = y;
    for (const QString& line : lines) {
      p.drawText(QPointF(s.Device(x) / s.ratio, s.Device(baseline) / s.ratio), line);
      baseline += pitch;
    }
  });
}
