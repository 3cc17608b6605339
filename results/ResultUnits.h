#pragma once

#include <array>
#include <string>
#include <string_view>

// The units the result fields can be shown in, in the order of the unit list. The factors are
// the doubles nearest to the powers of ten by which ohms are multiplied for display.
struct ResultUnit {
    const char* text;
    double factor;
};

inline constexpr std::array<ResultUnit, 3> kResultUnits{{{"Ω", 1.0}, {"ＫΩ", 1e-3}, {"ＭΩ", 1e-6}}};

// The text of the unit whose factor this is; the ohm's for a factor of no unit.
inline std::string resultUnitText(double factor) {
    for (const ResultUnit& unit : kResultUnits)
        if (unit.factor == factor) return unit.text;
    return kResultUnits[0].text;
}

// The unit with this text, nullptr for a text of none.
inline const ResultUnit* resultUnitNamed(std::string_view text) {
    for (const ResultUnit& unit : kResultUnits)
        if (text == unit.text) return &unit;
    return nullptr;
}
