#include "TestSupport.h"

#include <QElapsedTimer>
#include <QFontInfo>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "Application.h"

namespace test {

namespace {

void DropHeadlessNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
  for (const char* note : {"does not support raise", "does not support propagateSizeHints", "does not support grabbing",
                           "does not support QPlatformServices", "XDG_RUNTIME_DIR"})
    if (message.contains(QLatin1String(note))) return;
  fprintf(stderr, "%s\n", qPrintable(message));
  if (type == QtFatalMsg) abort();
}

QPoint TopPoint(const Ref<Window>& w, int x, int y) { return w->content()->mapTo(w->widget(), QPoint(x, y)); }

}  // namespace

std::string SettingsInEffect() {
  const auto face = [](const char* generic) { return QFontInfo(QFont(QString::fromLatin1(generic))).family(); };
  const auto env = [](const char* name) { return qEnvironmentVariable(name, QStringLiteral("unset")); };
#ifdef TREVALIN_SANITIZE
  const QString sanitizers = "address, undefined, leak (ASAN_OPTIONS " + env("ASAN_OPTIONS") + ")";
#else
  const QString sanitizers = "none";
#endif
  return QStringLiteral("test settings: platform %1, screen ratio %2 (QT_SCALE_FACTOR %3), sans-serif %4, monospace %5 "
                        "(FONTCONFIG_FILE %6), sanitizers %7")
      .arg(QGuiApplication::platformName()).arg(qApp->devicePixelRatio()).arg(env("QT_SCALE_FACTOR"), face("sans-serif"),
           face("monospace"), env("FONTCONFIG_FILE"), sanitizers).toStdString();
}

void QuietHeadlessNotes() { qInstallMessageHandler(DropHeadlessNotes); }

QWindow* Handle(const Ref<Window>& w) {
  QWidget* top = w->widget();
  if (!top->windowHandle()) top->winId();
  return top->windowHandle();
}

void Press(const Ref<Window>& w, int x, int y) {
  QTest::mousePress(Handle(w), Qt::LeftButton, Qt::NoModifier, TopPoint(w, x, y));
}
void Move(const Ref<Window>& w, int x, int y) { QTest::mouseMove(Handle(w), TopPoint(w, x, y)); }
void Release(const Ref<Window>& w, int x, int y) {
  QTest::mouseRelease(Handle(w), Qt::LeftButton, Qt::NoModifier, TopPoint(w, x, y));
}
void Click(const Ref<Window>& w, int x, int y) { Press(w, x, y), Release(w, x, y); }
void ClickButton(const Ref<PushButton>& b) { Click(b->Window(), b->Left() + b->Width() / 2, b->Top() + b->Height() / 2); }

void TypeInto(const Ref<EditField>& field, const std::string& text) {
  auto* edit = static_cast<QLineEdit*>(field->widget());
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  const QString typed = QString::fromStdString(text);
  if (std::all_of(typed.begin(), typed.end(), [](QChar c) { return c.unicode() < 128; })) QTest::keyClicks(edit, typed);
  else QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, typed, Qt::NoModifier);
}

bool ProcessUntil(const std::function<bool()>& done, int boundMs) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > boundMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
  }
  return true;
}

void ProcessPending() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool RunBounded(const std::function<void()>& run, int boundMs) {
  bool forced = false;
  QTimer bound;
  bound.setSingleShot(true);
  QObject::connect(&bound, &QTimer::timeout, [&] { forced = true, Quit(); });
  bound.start(boundMs);
  run();
  return !forced;
}

QImage Grab(const Ref<Window>& w) { return w->content()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

QImage OvalByHand(const QSize& page, const QRect& box, const QColor& c) {
  QImage image(page, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  const int64_t w = box.width(), h = box.height();
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      const int64_t dx = 2 * i + 1 - w, dy = 2 * j + 1 - h;
      const QPoint at = box.topLeft() + QPoint(i, j);
      if (dx * dx * h * h + dy * dy * w * w <= w * w * h * h && image.rect().contains(at)) image.setPixelColor(at, c);
    }
  }
  return image;
}

PropertyStream Box(int32_t left, int32_t top, int32_t width, int32_t height) {
  return PropertyStream().Int32("Left", left).Int32("Top", top).Int32("Width", width).Int32("Height", height);
}

MessageBoxes::MessageBoxes(std::function<bool()> dismissWhen) : dismissWhen_(std::move(dismissWhen)) {
  timer_.setInterval(0);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || (dismissWhen_ && !dismissWhen_())) return;
    QString text = box->text();
    if (!box->informativeText().isEmpty()) text += QLatin1Char('\n') + box->informativeText();
    texts_.push_back(text.toStdString());
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) ok->click();
    else box->reject();
  });
  timer_.start();
}

void CloseAllWindows() {
  for (const Ref<Window>& w : WindowsFrontToBack()) w->Close();
  ProcessPending();
}

void WindowTest::TearDown() {
  ProcessPending();
  while (std::exception_ptr e = TakeUnhandledException()) {
    try {
      std::rethrow_exception(e);
    } catch (const std::exception& ex) {
      ADD_FAILURE() << "An exception escaped an event handler: " << ex.what();
    }
  }
}

}  // namespace test
