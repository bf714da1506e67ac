// Signals of a child process at their default action, whatever the test program inherited
// (nohup ignores SIGHUP; a shell or runner may ignore or block others).
#pragma once

#include <csignal>
#include <initializer_list>

namespace vq::test {

// In a child between fork and exec, or a forked child: each of signals at its default
// action and not blocked. Only async-signal-safe calls.
inline void DefaultSignalActions(std::initializer_list<int> signals)
{
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigset_t unblocked;
    sigemptyset(&unblocked);
    for (const int signal : signals) {
        ::sigaction(signal, &action, nullptr);
        sigaddset(&unblocked, signal);
    }
    ::sigprocmask(SIG_UNBLOCK, &unblocked, nullptr);
}

} // namespace vq::test
