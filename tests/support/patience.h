#pragma once

namespace kvtest {

// How long a test waits for something that another thread, another process or
// the event loop must do (QTRY_*_WITH_TIMEOUT, ModalAnswer::Arm, the cloud
// server's log). A passing check returns as soon as its condition holds, so
// the figure only bounds how long a failing one hangs; it is generous because
// on a loaded machine a thread may not be scheduled for seconds.
constexpr int kPatienceMs = 60000;

} // namespace kvtest
