// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/options/OptionFields.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <type_traits>
#include <variant>

#include "platform/numbers/TextNumbers.h"
#include "model/options/OptionFile.h"

namespace vantor {

namespace {

// A pointer to the field in the record; its type says how the value reads.
using FieldPointer =
    std::variant<std::int32_t OptionRecord::*, std::uint8_t OptionRecord::*, double OptionRecord::*>;

struct FieldDef {
    OptionField field{};
    FieldPointer pointer;
    std::function<bool(long double)> accepts;
    bool real() const { return std::holds_alternative<double OptionRecord::*>(pointer); }
};

bool between(long double v, long double lo, long double hi) { return v >= lo && v <= hi; }

const std::vector<FieldDef>& defs() {
    using O = OptionRecord;
    auto any = [](long double) { return true; };
    auto def = [](const char* n, const char* acc, FieldPointer p, std::function<bool(long double)> f) {
        return FieldDef{{n, acc}, p, std::move(f)};
    };
    auto tint = [](long double v) { return between(v, 0.2L, 1.0L); };
    auto byte = [](long double v) { return between(v, 0, 255); };
    static const std::vector<FieldDef> table = {
        def("centerX", "any whole number", &O::centerX, any),
        def("centerY", "any whole number", &O::centerY, any),
        def("unitAngle", "1, 2, 3, 5, 6, 9, 10, 15, 18, 30 or 45", &O::unitAngle,
            [](long double v) { return isUnitAngleChoice(static_cast<std::int32_t>(v)); }),
        def("defaultMethod", "1 (wireframe), 2 (surface) or 3 (surface with mesh)", &O::defaultMethod,
           [](long double v) { return between(v, 1, 3); }),
        def("bright", "21 or more (1000 is brightness 1)", &O::bright, [](long double v) { return v >= 21; }),
        def("lightDistRate", "1.5 or more (light distance + 1)", &O::lightDistRate, [](long double v) { return v >= 1.5L; }),
        def("tintR", "0.2 ... 1", &O::tintR, tint),
        def("tintG", "0.2 ... 1", &O::tintG, tint),
        def("tintB", "0.2 ... 1", &O::tintB, tint),
        def("viewDist", "0 or more", &O::viewDist, [](long double v) { return v >= 0; }),
        def("viewHeight", "-90 ... 90", &O::viewHeight, [](long double v) { return between(v, -90, 90); }),
        def("zoom", "0.1 or more", &O::zoom, [](long double v) { return v >= 0.1L; }),
        def("inclin", "-180 ... 180", &O::inclin, [](long double v) { return between(v, -180, 180); }),
        def("backR", "0 ... 255", &O::backR, byte),
        def("backG", "0 ... 255", &O::backG, byte),
        def("backB", "0 ... 255", &O::backB, byte),
        def("lightDirH", "0 ... below 360", &O::lightDirH, [](long double v) { return v >= 0 && v < 360; }),
        def("lightDirV", "-90 ... 90", &O::lightDirV, [](long double v) { return between(v, -90, 90); }),
        def("simuUnitAngle", "2, 6, 10, 18 or 30", &O::simuUnitAngle,
            [](long double v) { return isSimuUnitAngleChoice(static_cast<std::int32_t>(v)); }),
        def("simuInterval", "1 ... 1000", &O::simuInterval, [](long double v) { return between(v, 1, 1000); }),
    };
    return table;
}

const FieldDef* find(const std::string& name) {
    for (const FieldDef& d : defs())
        if (name == d.field.name) return &d;
    return nullptr;
}

// Shortest text that reads back to the same double.
std::string exactText(double v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

}  // namespace

const std::vector<OptionField>& optionFields() {
    static const std::vector<OptionField> fields = [] {
        std::vector<OptionField> v;
        for (const FieldDef& d : defs()) v.push_back(d.field);
        return v;
    }();
    return fields;
}

std::string optionValueText(const DisplayOptions& o, const std::string& name) {
    const FieldDef* d = find(name);
    if (!d) return "";
    return std::visit(
        [&](auto field) {
            if constexpr (std::is_same_v<decltype(field), double OptionRecord::*>) return exactText(o.*field);
            else return std::to_string(o.*field);
        },
        d->pointer);
}

std::optional<std::string> setOptionValue(DisplayOptions& o, const std::string& name, const std::string& text) {
    const FieldDef* d = find(name);
    if (!d) return "unknown option '" + name + "'";
    long double value = 0;
    if (d->real()) {
        const std::optional<long double> v = parseDecimal(text, Exponent::Allowed);
        if (!v || !std::isfinite(static_cast<double>(*v))) return name + ": '" + text + "' is not a number";
        value = *v;
    } else {
        const std::optional<std::int32_t> v = parseInteger(text);
        if (!v) return name + ": '" + text + "' is not a whole number";
        value = *v;
    }
    if (!d->accepts(value)) return name + ": " + text + " is out of range (" + d->field.accepted + ")";
    std::visit([&](auto field) { o.*field = static_cast<std::remove_reference_t<decltype(o.*field)>>(value); },
               d->pointer);
    o.updateLightDist();
    return std::nullopt;
}

std::optional<std::string> setOptionAssignment(DisplayOptions& o, const std::string& assignment) {
    const std::size_t eq = assignment.find('=');
    if (eq == std::string::npos) return "'" + assignment + "' is not of the form name=value";
    return setOptionValue(o, assignment.substr(0, eq), assignment.substr(eq + 1));
}

}  // namespace vantor
