#include "Look.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>

#include "Picture.h"

namespace {

const QString kStyle = QStringLiteral("fusion");

// Every role of every group is given, so that nothing is filled in from the
// desktop's palette. The colours are those of Qt's own light palette: active
// and inactive windows look alike; disabled controls are greyed.
QPalette ProgramPalette() {
  struct Role {
    QPalette::ColorRole role;
    QRgb normal, disabled;
  };
  static const Role roles[] = {
      {QPalette::WindowText, 0xff000000, 0xffbebebe}, {QPalette::Button, 0xffefefef, 0xffefefef},
      {QPalette::Light, 0xffffffff, 0xffffffff},      {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
      {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},       {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
      {QPalette::Text, 0xff000000, 0xffbebebe},       {QPalette::BrightText, 0xffffffff, 0xffffffff},
      {QPalette::ButtonText, 0xff000000, 0xffbebebe}, {QPalette::Base, 0xffffffff, 0xffefefef},
      {QPalette::Window, 0xffefefef, 0xffefefef},     {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
      {QPalette::Highlight, 0xff308cc6, 0xff919191},  {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
      {QPalette::Link, 0xff0000ff, 0xff0000ff},       {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
      {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7}, {QPalette::NoRole, 0xff000000, 0xff000000},
      {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc}, {QPalette::ToolTipText, 0xff000000, 0xff000000},
      {QPalette::PlaceholderText, 0x80000000, 0x80000000},
  };
  QPalette palette;
  for (const Role& r : roles) {
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
      palette.setColor(group, r.role, QColor::fromRgba(r.normal));
    }
    palette.setColor(QPalette::Disabled, r.role, QColor::fromRgba(r.disabled));
  }
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
  // Later Qt has an accent colour too, which is the highlight's unless set.
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Accent, palette.color(group, QPalette::Highlight));
  }
#endif
  return palette;
}

void ApplyLook() {
  if (QApplication::style()->name() != kStyle) QApplication::setStyle(QStyleFactory::create(kStyle));
  const QPalette palette = ProgramPalette();
  if (QApplication::palette() != palette) QApplication::setPalette(palette);
}

// Puts the look back, once the event at hand is done, whenever the style or the
// palette may have changed.
class LookKeeper : public QObject {
protected:
  bool eventFilter(QObject*, QEvent* e) override {
    const QEvent::Type t = e->type();
    if ((t == QEvent::ApplicationPaletteChange || t == QEvent::StyleChange || t == QEvent::ThemeChange) && !due_) {
      due_ = true;
      QTimer::singleShot(0, this, [this] {
        due_ = false;
        ApplyLook();
      });
    }
    return false;
  }

private:
  bool due_ = false;
};

}  // namespace

void UseProgramLook() {
  UseProgramFaces();
  ApplyLook();
  static QPointer<LookKeeper> keeper;
  if (keeper == nullptr) {
    keeper = new LookKeeper;
    keeper->setParent(qApp);
    qApp->installEventFilter(keeper);
  }
}
