#pragma once
// The yield of long loops. Every pass of a long loop calls RuntimeBackgroundTask,
// so a call costs one increment and one comparison; only every few hundred passes
// is the clock read, and at most every ~20 ms the screen may be brought up to
// date. It never delivers user input or timer ticks: nothing can re-enter the
// code that yields.

#include <cstdint>

namespace BackgroundTask {
constexpr uint32_t kPassesPerCheck = 256;
extern uint32_t passesSinceCheck;
void Check();
// Passes counted since the program started.
uint64_t Passes();
// What the yield does when it is due: set by the windowing layer once there is a
// screen to update; nothing until then.
using Action = void (*)();
void SetAction(Action action);
}  // namespace BackgroundTask

inline void RuntimeBackgroundTask() {
  if (++BackgroundTask::passesSinceCheck >= BackgroundTask::kPassesPerCheck) BackgroundTask::Check();
}
