// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every event from the host enters here: file errors and other exceptions end
// the command and are shown in the application's error box, never crash.
#include <exception>
#include <functional>
#include <new>

#include "platform/widgets/Desktop.h"
#include "platform/files/IoError.h"

namespace vantor {

inline bool dispatchEvent(Desktop& desktop, const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const IoError& e) {
        desktop.reportError(e.what());
    } catch (const std::bad_alloc&) {
        desktop.reportError("メモリが不足しています。");
    } catch (const std::exception& e) {
        desktop.reportError(e.what());
    }
    return false;
}

}  // namespace vantor
