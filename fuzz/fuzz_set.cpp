// SPDX-License-Identifier: GPL-3.0-or-later
// `--set name=value` of the command line: an assignment is taken whole or
// not at all, a value taken reads back as the same value, and the light
// distance follows its rate.
#include <cmath>
#include <string>

#include "FuzzSupport.h"
#include "model/options/OptionFields.h"
#include "model/options/OptionFile.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DisplayOptions options;
    options.setFactoryValues();
    const auto before = encodeOptions(options);
    const double lightDistBefore = options.lightDist;
    const std::string assignment(data, data + size);
    if (setOptionAssignment(options, assignment)) {
        fuzz::require(encodeOptions(options) == before && options.lightDist == lightDistBefore);
        return 0;
    }
    fuzz::require(std::isfinite(options.lightDist));
    DisplayOptions derived = options;
    derived.updateLightDist();
    fuzz::require(derived.lightDist == options.lightDist);
    // The value as the program prints it sets the identical record.
    const std::string name = assignment.substr(0, assignment.find('='));
    DisplayOptions again;
    again.setFactoryValues();
    fuzz::require(!setOptionValue(again, name, optionValueText(options, name)));
    fuzz::require(encodeOptions(again) == encodeOptions(options));
    return 0;
}
