#include "BackgroundTask.h"

#include "Clock.h"

namespace BackgroundTask {

uint32_t passesSinceCheck = 0;

namespace {
double since = 0.0;  // when the running code was called, or the action last ended
Action action = nullptr;
constexpr double kActionInterval = 20000.0;  // microseconds
}  // namespace

void Check() {
  passesSinceCheck = 0;
  if (!action || Microseconds() - since < kActionInterval) return;
  action();
  since = Microseconds();
}

void LoopStarted() { since = Microseconds(); }

void SetAction(Action a) { action = a; }

}  // namespace BackgroundTask
