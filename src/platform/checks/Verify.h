// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Preconditions that must hold whatever the input: a broken one is a fault
// of the program, never of a file or a user, so the program stops at once
// with the place instead of reading or writing beside its data. Checked in
// every build.
namespace vantor {

// Writes "FILE:LINE: VERIFY(CONDITION) failed" to standard error and aborts.
[[noreturn]] void verifyFailed(const char* condition, const char* file, int line) noexcept;

}  // namespace vantor

#define VERIFY(condition) \
    ((condition) ? static_cast<void>(0) : ::vantor::verifyFailed(#condition, __FILE__, __LINE__))
