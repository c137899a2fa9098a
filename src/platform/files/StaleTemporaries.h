// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Temporaries that killed writers left behind. A writer holds a lock on each
// temporary for as long as it lives (see createTemporary), so a temporary
// whose lock is free belongs to nobody. Every save first tidies the folder
// it writes in: journals whose writer is gone are repaired (SaveJournal.h),
// then every stale temporary of this user is removed.
#include <chrono>
#include <string>

namespace vantor {

// A temporary younger than this is left alone: its writer may be between
// creating it and locking it.
inline constexpr std::chrono::seconds StaleAfter{1};

// Tidies `folder` as described above; the number of temporaries removed.
// Never throws: what cannot be tidied stays for the next save.
int removeStaleTemporaries(const std::string& folder);

}  // namespace vantor
