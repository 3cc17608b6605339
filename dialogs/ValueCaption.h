#pragma once

#include <optional>
#include <string>

#include "model/PartKind.h"

// The value label of a resistor, coil or capacitor given a new value (by a fit, say) in the unit
// its label already shows, as the value dialog would have written it: " 99.8765ＫΩ". The number
// keeps six significant digits; a label in no unit of the part's dialog takes the first one.
std::string valueCaption(PartKind kind, double value, const std::string& currentCaption);

// A value typed for a part, as a fit's bounds are: a number, then one of the part's dialog units
// ("10ＫΩ", "4.7 μＦ") or none, which stands for the unit its label shows. Nothing when the text is
// no such value.
std::optional<double> typedValue(PartKind kind, const std::string& text,
                                 const std::string& currentCaption);
