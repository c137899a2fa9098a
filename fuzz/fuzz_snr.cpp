// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario reader: every frame name it keeps stays inside the scenario's
// folder, and a list written back reads back alike.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "model/scenario/Scenario.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    const ScenarioText text = parseScenario(bytes);
    for (const std::string& name : text.frames) {
        if (!isSafeFrameName(name)) std::abort();
        if (framePath("/scenario", name, ".bmp").rfind("/scenario/", 0) != 0) std::abort();
        if (name.find('/') != std::string::npos || name.find('\0') != std::string::npos) std::abort();
    }
    for (const std::string& name : text.rejected)
        if (isSafeFrameName(name)) std::abort();
    const ScenarioText again = parseScenario(encodeScenario(text.frames));
    if (!(again.frames == text.frames) || !again.rejected.empty()) {
        // A kept first name equal to the empty marker reads back as an
        // empty scenario: the only name the format cannot hold first.
        if (!(text.frames.size() > 0 && text.frames[0] == EmptyScenarioLine)) std::abort();
    }
    return 0;
}
