#pragma once
// The yield of long loops. Every pass of a long loop calls RuntimeBackgroundTask,
// so a call costs one increment and one comparison; only every few hundred passes
// is the clock read. Only once the code that the event loop called has itself
// run ~20 ms, since it was called or since the yield last acted, may the screen
// be brought up to date: an ordinary event handler is over long before, and the
// event loop repaints once after it. The yield never delivers user input or
// timer ticks: nothing can re-enter the code that yields.

#include <cstdint>

namespace BackgroundTask {
constexpr uint32_t kPassesPerCheck = 256;
extern uint32_t passesSinceCheck;
void Check();
// The event loop calls the program's code: the yield counts its time from here.
void LoopStarted();
// What the yield does when it is due: set by the windowing layer once there is a
// screen to update; nothing until then.
using Action = void (*)();
void SetAction(Action action);
}  // namespace BackgroundTask

inline void RuntimeBackgroundTask() {
  if (++BackgroundTask::passesSinceCheck >= BackgroundTask::kPassesPerCheck) BackgroundTask::Check();
}
