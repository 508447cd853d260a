#pragma once

namespace fw {

namespace detail {
extern int backgroundCountdown;
void RuntimeBackgroundTaskSlow();
}  // namespace detail

// The framework's background task. Long-running program loops (the move
// animation's waits, the computer's search) call it on every pass. It keeps
// the windows painted and the window system answered, but delivers none of
// the program's own events while a handler is running.
//
// The common call is a decrement and a compare, so that a search loop can call
// it millions of times; the real work happens every so often, and on every
// pass of a loop that is polling the clock (see Microseconds).
inline void RuntimeBackgroundTask() {
  if (--detail::backgroundCountdown > 0) return;
  detail::RuntimeBackgroundTaskSlow();
}

}  // namespace fw
