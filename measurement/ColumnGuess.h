#pragma once

#include <string>

#include "measurement/ColumnChoice.h"
#include "measurement/DelimitedTable.h"

// A proposal for the columns' meaning, for the user to confirm or change, with the reason in
// Japanese ("見出し「-Im(Z)/Ohm」から …").
struct ColumnGuess {
    ColumnChoice choice;
    std::string reason;
};

// Reads the header's names where they are known (Freq, Zreal, Z', Re(Z), -Z'', -Im(Z), |Z|, Zmod,
// Phase, theta …) and, without them, the numbers: the frequency is the first column that only
// rises or only falls and stays above 0; of the next two, a first that never goes below 0 beside
// a second that stays within ±90 is taken as |Z| and phase, anything else as Re and Im.
ColumnGuess guessColumns(const DelimitedTable& table);
