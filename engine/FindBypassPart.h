#pragma once

#include "model/CircuitModel.h"

// Follows the open vertical line openLineUp to its top end and from there leftwards along at most
// two horizontal lines, and names in bypassPart the part whose right terminal ends that route
// (0 when none). A found part consumes the open line: openLineUp becomes 0.
void FindBypassPart(CircuitModel& model);
