#pragma once

#include <string>

#include "model/PartKind.h"

// The value label of a resistor, coil or capacitor given a new value (by a fit, say) in the unit
// its label already shows, as the value dialog would have written it: " 99.8765ＫΩ". The number
// keeps six significant digits; a label in no unit of the part's dialog takes the first one.
std::string valueCaption(PartKind kind, double value, const std::string& currentCaption);
