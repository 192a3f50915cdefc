#pragma once
// Helpers for driving real windows in tests: mouse input at window points, typed text,
// clicked buttons, modal boxes dismissed, events processed until a condition holds.

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Controls.h"
#include "PropertyStream.h"
#include "Window.h"

// Qt's values and the program's references as a failure shows them, rather than as bytes.
inline void PrintTo(const QColor& c, std::ostream* os) {
  *os << "RGB " << c.red() << "," << c.green() << "," << c.blue();
  if (c.alpha() < 255) *os << " alpha " << c.alpha();
}
inline void PrintTo(const QPoint& p, std::ostream* os) { *os << p.x() << "," << p.y(); }
inline void PrintTo(const QSize& s, std::ostream* os) { *os << s.width() << "x" << s.height(); }
inline void PrintTo(const QRect& r, std::ostream* os) {
  *os << r.width() << "x" << r.height() << " at " << r.x() << "," << r.y();
}
template <class T>
void PrintTo(const Ref<T>& r, std::ostream* os) {
  if (r) *os << "object at " << static_cast<const void*>(r.get());
  else *os << "nil";
}

namespace test {

// What the run is set to, as it finds it, on one line: platform, screen ratio and scale factor, the faces the
// generic families come to (the font configuration in effect), the sanitizers built in and their options.
std::string SettingsInEffect();

// The headless platform cannot raise windows, grab the keyboard, pass on size hints or open a
// browser, and says so every time: those notes are dropped, every other message is printed.
void QuietHeadlessNotes();

// The window's top-level platform window, made if need be.
QWindow* Handle(const Ref<Window>& w);
// Mouse input at content points (x, y), delivered to the window as real input is.
void Press(const Ref<Window>& w, int x, int y);
void Move(const Ref<Window>& w, int x, int y);
void Release(const Ref<Window>& w, int x, int y);
void Click(const Ref<Window>& w, int x, int y);

// Clicks a push button at its centre.
void ClickButton(const Ref<PushButton>& b);
// Replaces an edit field's text by typing, as a user would; a text with
// characters beyond ASCII arrives whole, as an input method commits it.
void TypeInto(const Ref<EditField>& field, const std::string& text);

// Processes events until done() holds or the time bound passes; returns done().
bool ProcessUntil(const std::function<bool()>& done, int boundMs = 5000);
// Processes the events that are waiting now, deferred deletions included.
void ProcessPending();

// Calls run, which runs the program's event loop (RuntimeRun, or Main). Should nothing end the
// loop within the bound, it is ended by force and the answer is false. What run raises passes through.
bool RunBounded(const std::function<void()>& run, int boundMs = 10000);

// The window's content area as drawn now.
QImage Grab(const Ref<Window>& w);
// The oval rule worked pixel by pixel on a white page: a pixel is inked when its
// centre lies inside or on the ellipse inscribed in box.
QImage OvalByHand(const QSize& page, const QRect& box, const QColor& c);
// The property records that place a control.
PropertyStream Box(int32_t left, int32_t top, int32_t width, int32_t height);

// While it lives, every modal message box that opens is read and dismissed with its OK button. A box's
// text is recorded with its informative text, if any, on a line of its own. With dismissWhen, an open box
// stays until that holds, so that a test can see what happens while it is up.
class MessageBoxes {
public:
  explicit MessageBoxes(std::function<bool()> dismissWhen = nullptr);
  const std::vector<std::string>& Texts() const { return texts_; }

private:
  QTimer timer_;
  std::function<bool()> dismissWhen_;
  std::vector<std::string> texts_;
};

// Closes every open window.
void CloseAllWindows();

// A test that works with windows: afterwards, each exception that escaped an event handler fails it.
class WindowTest : public ::testing::Test {
protected:
  void TearDown() override;
};

}  // namespace test
