#pragma once

#include <string>

// Value labels of an impedance part made from a result: the real and the imaginary part as
// shown in the result fields, rounded half up to whole units of the result unit, followed by
// that unit's text. The part itself keeps the value at full precision.
std::string realPartLabel(double shownRe, const std::string& unit);
std::string imaginaryPartLabel(double shownIm, const std::string& unit);
