// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files a process is writing and removes when an interrupt ends it.
//
// A save registers each temporary (and a set save its journal and backups)
// for as long as a kill would leave it behind. On SIGINT, SIGTERM or SIGHUP
// the handler unlinks every registered path, restores the signal's default
// action and raises it again, so the process ends with the status the signal
// gives. The handler only calls unlink, sigaction and raise: the paths live
// in a fixed table of fixed-size slots, filled before the file exists.
//
// A set commit, from its commit line to its end, holds the signals back in
// its thread (SignalsHeld) and disarms its paths: cut there, the journal
// finishes the commit at the next load instead.
#include <csignal>
#include <string>

namespace vantor::cleanup {

// Installs the handler for SIGINT, SIGTERM and SIGHUP; a signal the process
// was started ignoring (SIGHUP under nohup) stays ignored.
void installSignalCleanup();

// How many paths can be registered at once; a path past that, or longer
// than PATH_MAX, is simply not removed by a signal.
inline constexpr int Slots = 64;

// A path removed by the handler while this object lives and is armed.
class Registered {
public:
    Registered() = default;
    explicit Registered(const std::string& path);
    ~Registered() { disarm(); }
    Registered(Registered&& other) noexcept : m_slot(other.m_slot) { other.m_slot = -1; }
    Registered& operator=(Registered&& other) noexcept;
    Registered(const Registered&) = delete;
    Registered& operator=(const Registered&) = delete;
    // The handler leaves the path alone from now on.
    void disarm();

private:
    int m_slot = -1;
};

// Holds SIGINT, SIGTERM and SIGHUP back in this thread while it lives.
class SignalsHeld {
public:
    SignalsHeld();
    ~SignalsHeld();
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t m_previous{};
};

// Registered paths now (tests).
int registeredCount();

}  // namespace vantor::cleanup
