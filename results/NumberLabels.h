#pragma once

#include <QString>

// How the result windows write numbers. All of them use the system's decimal separator, as the
// result fields do.

// An impedance as the result fields show it: scaled by the result unit's factor and rounded half
// up to three decimals. A value too large to round is shown scaled but unrounded.
QString shownText(double ohms, double unitFactor);

// `digits` significant digits, no exponent for ordinary magnitudes, no trailing zeros.
QString localNumber(double value, int digits);

// With an SI prefix chosen so that the number lies in [1, 1000): "1.59155 kHz", "47 µF", "0 Ω".
// Values beyond the prefixes from pico to tera keep the nearest of them.
QString siText(double value, const QString& unit, int digits = 6);

// The same without unit or blank, for axis labels: "1k", "100", "10m".
QString siCompact(double value, int digits = 3);
