// SPDX-License-Identifier: GPL-3.0-or-later
// The option-file reader: short input is refused without a change, anything
// else yields rotation steps from the menus and a record that reads back alike.
#include "FuzzSupport.h"
#include "model/options/OptionFile.h"
#include "platform/files/IoError.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DisplayOptions o;
    o.setFactoryValues();
    const auto factory = encodeOptions(o);
    try {
        decodeOptions(data, size, o, "fuzz.vop");
    } catch (const IoError&) {
        fuzz::require(size < static_cast<std::size_t>(OptionFileSize) && encodeOptions(o) == factory);
        return 0;
    }
    fuzz::require(size >= static_cast<std::size_t>(OptionFileSize));
    fuzz::require(isUnitAngleChoice(o.unitAngle) && isSimuUnitAngleChoice(o.simuUnitAngle));
    const auto bytes = encodeOptions(o);
    DisplayOptions again;
    decodeOptions(bytes.data(), bytes.size(), again);
    fuzz::require(encodeOptions(again) == bytes);
    return 0;
}
