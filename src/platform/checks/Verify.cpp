// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/checks/Verify.h"

#include <cstdio>
#include <cstdlib>

namespace vantor {

void verifyFailed(const char* condition, const char* file, int line) noexcept {
    std::fprintf(stderr, "%s:%d: VERIFY(%s) failed\n", file, line, condition);
    std::fflush(stderr);
    std::abort();
}

}  // namespace vantor
