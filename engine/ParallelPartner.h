#pragma once

#include <cstdint>

#include "model/CircuitModel.h"

// The part stacked directly above slot p and closed with it by one vertical line at the right
// terminals and one at the left terminals. Writes partAbove, rightJoinLine (the line at p's right
// terminal, kept even when no pair closes) and leftJoinLine. For p outside 1..20 nothing changes.
void FindPartAbove(CircuitModel& model, std::int16_t p);

// The mirror image of FindPartAbove: the partner below p, written to partBelow alone.
void FindPartBelow(CircuitModel& model, std::int16_t p);
