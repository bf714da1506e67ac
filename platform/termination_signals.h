// The signals with which a desktop or the system ends a program, turned into a call
// from the event loop.
#pragma once

#include <functional>

namespace vq {

// From this call on, SIGTERM and SIGHUP no longer end the process at once: onSignal runs
// from the event loop (a modal dialog's loop too) with the signal's number. A signal
// that the process was started with ignored stays ignored. Called once.
void WatchTerminationSignals(std::function<void(int)> onSignal);

// Ends the process as the signal's default action does; none of the program's code runs
// after it.
[[noreturn]] void EndBySignal(int signal);

} // namespace vq
