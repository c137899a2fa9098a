// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/CleanupOnSignal.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <pthread.h>
#include <unistd.h>

namespace vantor::cleanup {

namespace {

enum SlotState : int { Free, Filling, Armed };

struct Slot {
    std::atomic<int> state{Free};
    char path[PATH_MAX];
};

// The one table a signal handler can reach. A handler cannot be handed an
// object, so this is process-wide by necessity; only Registered writes it.
Slot g_slots[Slots];

constexpr int Handled[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void removeRegisteredAndDie(int sig) {
    for (Slot& slot : g_slots)
        if (slot.state.load() == Armed) ::unlink(slot.path);
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    sigemptyset(&dfl.sa_mask);
    ::sigaction(sig, &dfl, nullptr);
    // Delivered with the default action once the handler returns.
    ::raise(sig);
}

sigset_t handledSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int sig : Handled) sigaddset(&set, sig);
    return set;
}

}  // namespace

void installSignalCleanup() {
    static_assert(std::atomic<int>::is_always_lock_free, "the handler reads the slots without locks");
    for (const int sig : Handled) {
        struct sigaction old {};
        if (::sigaction(sig, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
        struct sigaction act {};
        act.sa_handler = removeRegisteredAndDie;
        act.sa_mask = handledSet();
        ::sigaction(sig, &act, nullptr);
    }
}

Registered::Registered(const std::string& path) {
    if (path.size() >= PATH_MAX) return;
    for (int i = 0; i < Slots; ++i) {
        int expected = Free;
        if (!g_slots[i].state.compare_exchange_strong(expected, Filling)) continue;
        std::memcpy(g_slots[i].path, path.c_str(), path.size() + 1);
        g_slots[i].state.store(Armed);
        m_slot = i;
        return;
    }
}

Registered& Registered::operator=(Registered&& other) noexcept {
    if (this != &other) {
        disarm();
        m_slot = other.m_slot;
        other.m_slot = -1;
    }
    return *this;
}

void Registered::disarm() {
    if (m_slot < 0) return;
    g_slots[m_slot].state.store(Free);
    m_slot = -1;
}

SignalsHeld::SignalsHeld() {
    const sigset_t set = handledSet();
    ::pthread_sigmask(SIG_BLOCK, &set, &m_previous);
}

SignalsHeld::~SignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }

int registeredCount() {
    int n = 0;
    for (const Slot& slot : g_slots) n += slot.state.load() == Armed;
    return n;
}

}  // namespace vantor::cleanup
