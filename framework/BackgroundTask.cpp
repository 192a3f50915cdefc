#include "BackgroundTask.h"

#include "Clock.h"

namespace BackgroundTask {

uint32_t passesSinceCheck = 0;

namespace {
uint64_t checkedPasses = 0;
double lastAction = 0.0;
Action action = nullptr;
constexpr double kActionInterval = 20000.0;  // microseconds
}  // namespace

void Check() {
  checkedPasses += passesSinceCheck;
  passesSinceCheck = 0;
  if (!action) return;
  const double now = Microseconds();
  if (now - lastAction < kActionInterval) return;
  lastAction = now;
  action();
}

uint64_t Passes() { return checkedPasses + passesSinceCheck; }

void SetAction(Action a) { action = a; }

}  // namespace BackgroundTask
