#pragma once

#include <QString>

#include "engine/WiredCheck.h"

// One line on what the nodal analysis of the drawing as wired says about the calculation:
// "図の配線による検算：一致" when both agree, otherwise the wired impedance in the result unit,
// rounded as the result fields round, or why there is none.
QString wiredCheckText(const WiredCheck& check, double resultUnitFactor);
