#pragma once

#include <array>

// The units the result fields can be shown in, in the order of the unit list. The factors are
// the doubles nearest to the powers of ten by which ohms are multiplied for display.
struct ResultUnit {
    const char* text;
    double factor;
};

inline constexpr std::array<ResultUnit, 3> kResultUnits{{{"Ω", 1.0}, {"ＫΩ", 1e-3}, {"ＭΩ", 1e-6}}};
