#include "Application.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>

#include <deque>

#include "BackgroundTask.h"
#include "Look.h"
#include "Platform.h"
#include "Window.h"
#include "WindowPeer.h"

namespace {
Ref<Application> theApp;
// Exceptions that escaped handlers, oldest first, until reported.
std::deque<std::exception_ptr> unhandled;
bool running = false;
// Quit was asked for while RuntimeRun was not running.
bool quitPending = false;
// Message boxes up or about to open.
int quitHolds = 0;
// Calls into the program under way, nested ones included.
int guardedCalls = 0;

void QuitIfNoWindowLeft() {
  if (running && quitHolds == 0 && FrontWindow() == nullptr) Quit();
}

void Report(const QString& what) {
  QMessageBox box;
  box.setIcon(QMessageBox::Critical);
  box.setWindowTitle(QApplication::applicationName());
  box.setText(QStringLiteral("Something went wrong, and the program has to stop."));
  box.setInformativeText(what);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}
}  // namespace

struct Runtime::Impl {
  std::unique_ptr<QApplication> app;
};

Runtime::Runtime(int& argc, char** argv, const std::string& name) : impl_(std::make_unique<Impl>()) {
  UseChosenPlatform();
  impl_->app = std::make_unique<QApplication>(argc, argv);
  // The name, not a display name: Qt adds a display name to every window title.
  QApplication::setApplicationName(QString::fromStdString(name));
  UseProgramLook();
  const QIcon icon(QStringLiteral(":/icon.png"));
  if (!icon.isNull()) QApplication::setWindowIcon(icon);
}

Runtime::~Runtime() {
  for (const Ref<Window>& w : WindowsFrontToBack()) w->Close();
  RuntimeRegisterAppObject(nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Application::AddMenuHandler(const std::string& itemName, const Delegate& handler) {
  menuHandlers_.Add(itemName, handler);
}

Delegate Application::MenuHandler(const std::string& itemName) const { return menuHandlers_.Find(itemName); }

void RuntimeInitExternalClasses() {
  // The framework's classes need no set-up beyond the application's.
  QApplication::setQuitOnLastWindowClosed(false);
}

void InitPluginEntrypoints() {}

void RuntimeRegisterAppObject(const Ref<Application>& app) { theApp = app; }

Ref<Application> GetAppObject() { return theApp; }

void RuntimeRun() {
  QApplication::setQuitOnLastWindowClosed(false);
  // An exception kept or a Quit asked for before the run ends it before it starts.
  if (unhandled.empty() && !quitPending) {
    running = true;
    QTimer::singleShot(0, [] {
      RunGuarded([] {
        if (Ref<Application> app = GetAppObject()) app->Event_Open();
      });
    });
    QApplication::exec();
    running = false;
  }
  quitPending = false;
  if (std::exception_ptr e = TakeUnhandledException()) std::rethrow_exception(e);
}

// Only RuntimeRun's own loop is ended. Qt keeps an exit asked for outside
// QApplication::exec until exec runs again, and until then every modal loop
// (a message box, the report of an exception) would end as soon as it opened.
void Quit() {
  if (running) QCoreApplication::exit(0);
  else quitPending = true;
}

void WindowClosed() {
  // Checked once the event at hand is done: a window that replaces the closed
  // one (a restart) is on screen by then, and a message box the same handler
  // opens is up.
  if (running) QTimer::singleShot(0, QuitIfNoWindowLeft);
}

QuitHold::QuitHold() { ++quitHolds; }

QuitHold::~QuitHold() {
  if (--quitHolds == 0) WindowClosed();
}

void UnhandledException(const std::exception& e) {
  StopAllTimers();
  Report(QString::fromUtf8(e.what()));
  while (std::exception_ptr next = TakeUnhandledException()) {
    try {
      std::rethrow_exception(next);
    } catch (const std::exception& more) {
      Report(QString::fromUtf8(more.what()));
    } catch (...) {
      Report(QStringLiteral("An unknown error."));
    }
  }
}

void RunGuarded(const std::function<void()>& f) {
  BackgroundTask::LoopStarted();
  ++guardedCalls;
  try {
    f();
  } catch (...) {
    unhandled.push_back(std::current_exception());
    if (running) QCoreApplication::exit(1);
  }
  // The releases that could not come while the program was busy are
  // delivered now that it is not.
  if (--guardedCalls == 0) DeliverHeldMouseUps();
}

bool HandlerRunning() { return guardedCalls > 0; }

std::exception_ptr TakeUnhandledException() {
  if (unhandled.empty()) return nullptr;
  std::exception_ptr e = unhandled.front();
  unhandled.pop_front();
  return e;
}
