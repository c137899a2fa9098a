// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the solid commands (export, measure, check) share: the data set's
// figures read as a load reads them, and the checks of their numeric options.
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "export/mesh/Profile.h"
#include "model/figures/FigureStore.h"
#include "model/options/DisplayOptions.h"

namespace vantor::cli {

struct Figures {
    DisplayOptions options;
    std::unique_ptr<FigureStore> store;
    std::vector<Profile> profiles;
};

// The figures of the data set at `path` (the .zuk beside a .va4). Nothing
// and a message on err when it cannot be read or holds no figure of two or
// more vertices.
std::optional<Figures> readFigures(const std::string& command, const std::string& path, std::ostream& err);

// A decimal option above `low` (or from it, when `lowIncluded`) up to
// `high`. Nothing and "vantor-cli COMMAND: NAME takes WHAT, not 'TEXT'" on
// err when the option is given and unusable; `fallback` when it is not given.
struct DecimalOption {
    const char* name;
    const char* what;  // "data units above 0 and up to 1000"
    double low, high;
    bool lowIncluded = false;
};
std::optional<double> decimalOption(const Arguments& args, const std::string& command, const DecimalOption& option,
                                    double fallback, std::ostream& err);

extern const DecimalOption AngleOption, ThicknessOption, ScaleOption;

// "%.6g".
std::string number(double v);
// A figure list: "figure 3", "figures 1, 3, 4".
std::string figureList(const std::vector<int>& figures);

}  // namespace vantor::cli
