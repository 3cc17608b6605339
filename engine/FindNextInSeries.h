#pragma once

#include "model/CircuitModel.h"

// Names in seriesPart the part whose right terminal connects to the left side of the column just
// reduced (columnTop down to columnBottom), or 0 when none does. Routes, in order of precedence:
// a horizontal line whose right end meets the left side (then on through a vertical line at its
// left end, or else straight to that end); for a lone part, a vertical line through its left
// terminal; a right terminal lying on the left side itself.
void FindNextInSeries(CircuitModel& model);
