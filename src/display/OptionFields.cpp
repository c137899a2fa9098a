#include "display/OptionFields.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <functional>

#include "control/formats/TextNumbers.h"
#include "display/OptionFile.h"

namespace vantor {

namespace {

enum class Kind { Int32, Byte, Double };

struct FieldDef {
    OptionField field{};
    Kind kind = Kind::Double;
    // Pointers into the record: exactly one is used, by kind.
    std::int32_t DisplayOptions::*i32 = nullptr;
    std::uint8_t DisplayOptions::*u8 = nullptr;
    double DisplayOptions::*f64 = nullptr;
    std::function<bool(long double)> accepts;
};

bool between(long double v, long double lo, long double hi) { return v >= lo && v <= hi; }

const std::vector<FieldDef>& defs() {
    using O = DisplayOptions;
    auto any = [](long double) { return true; };
    auto i32 = [](const char* n, const char* acc, std::int32_t O::*p, std::function<bool(long double)> f) {
        FieldDef d{};
        d.field = {n, acc};
        d.kind = Kind::Int32;
        d.i32 = p;
        d.accepts = std::move(f);
        return d;
    };
    auto u8 = [](const char* n, const char* acc, std::uint8_t O::*p, std::function<bool(long double)> f) {
        FieldDef d{};
        d.field = {n, acc};
        d.kind = Kind::Byte;
        d.u8 = p;
        d.accepts = std::move(f);
        return d;
    };
    auto f64 = [](const char* n, const char* acc, double O::*p, std::function<bool(long double)> f) {
        FieldDef d{};
        d.field = {n, acc};
        d.kind = Kind::Double;
        d.f64 = p;
        d.accepts = std::move(f);
        return d;
    };
    auto tint = [](long double v) { return between(v, 0.2L, 1.0L); };
    auto byte = [](long double v) { return between(v, 0, 255); };
    static const std::vector<FieldDef> table = {
        i32("centerX", "any whole number", &O::centerX, any),
        i32("centerY", "any whole number", &O::centerY, any),
        i32("unitAngle", "1, 2, 3, 5, 6, 9, 10, 15, 18, 30 or 45", &O::unitAngle,
            [](long double v) { return isUnitAngleChoice(static_cast<std::int32_t>(v)); }),
        u8("defaultMethod", "1 (wireframe), 2 (surface) or 3 (surface with mesh)", &O::defaultMethod,
           [](long double v) { return between(v, 1, 3); }),
        f64("bright", "21 or more (1000 is brightness 1)", &O::bright, [](long double v) { return v >= 21; }),
        f64("lightDistRate", "1.5 or more (light distance + 1)", &O::lightDistRate, [](long double v) { return v >= 1.5L; }),
        f64("tintR", "0.2 ... 1", &O::tintR, tint),
        f64("tintG", "0.2 ... 1", &O::tintG, tint),
        f64("tintB", "0.2 ... 1", &O::tintB, tint),
        f64("viewDist", "0 or more", &O::viewDist, [](long double v) { return v >= 0; }),
        f64("viewHeight", "-90 ... 90", &O::viewHeight, [](long double v) { return between(v, -90, 90); }),
        f64("zoom", "0.1 or more", &O::zoom, [](long double v) { return v >= 0.1L; }),
        f64("inclin", "-180 ... 180", &O::inclin, [](long double v) { return between(v, -180, 180); }),
        u8("backR", "0 ... 255", &O::backR, byte),
        u8("backG", "0 ... 255", &O::backG, byte),
        u8("backB", "0 ... 255", &O::backB, byte),
        f64("lightDirH", "0 ... below 360", &O::lightDirH, [](long double v) { return v >= 0 && v < 360; }),
        f64("lightDirV", "-90 ... 90", &O::lightDirV, [](long double v) { return between(v, -90, 90); }),
        i32("simuUnitAngle", "2, 6, 10, 18 or 30", &O::simuUnitAngle,
            [](long double v) { return isSimuUnitAngleChoice(static_cast<std::int32_t>(v)); }),
        i32("simuInterval", "1 ... 1000", &O::simuInterval, [](long double v) { return between(v, 1, 1000); }),
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
    switch (d->kind) {
        case Kind::Int32: return std::to_string(o.*(d->i32));
        case Kind::Byte: return std::to_string(o.*(d->u8));
        case Kind::Double: return exactText(o.*(d->f64));
    }
    return "";
}

std::optional<std::string> setOptionValue(DisplayOptions& o, const std::string& name, const std::string& text) {
    const FieldDef* d = find(name);
    if (!d) return "unknown option '" + name + "'";
    long double value = 0;
    if (d->kind == Kind::Double) {
        const std::optional<long double> v = parseDecimal(text, Exponent::Allowed);
        if (!v || !std::isfinite(static_cast<double>(*v))) return name + ": '" + text + "' is not a number";
        value = *v;
    } else {
        const std::optional<std::int32_t> v = parseInteger(text);
        if (!v) return name + ": '" + text + "' is not a whole number";
        value = *v;
    }
    if (!d->accepts(value)) return name + ": " + text + " is out of range (" + d->field.accepted + ")";
    switch (d->kind) {
        case Kind::Int32: o.*(d->i32) = static_cast<std::int32_t>(value); break;
        case Kind::Byte: o.*(d->u8) = static_cast<std::uint8_t>(value); break;
        case Kind::Double: o.*(d->f64) = static_cast<double>(value); break;
    }
    o.updateLightDist();
    return std::nullopt;
}

std::optional<std::string> setOptionAssignment(DisplayOptions& o, const std::string& assignment) {
    const std::size_t eq = assignment.find('=');
    if (eq == std::string::npos) return "'" + assignment + "' is not of the form name=value";
    return setOptionValue(o, assignment.substr(0, eq), assignment.substr(eq + 1));
}

}  // namespace vantor
