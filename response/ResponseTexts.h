#pragma once

#include <QString>
#include <optional>

#include "engine/FrequencySweep.h"
#include "engine/ResonanceBandwidth.h"

// The texts of the frequency response window that depend on numbers only.

// "位相 0°：1.59155 kHz" and the like.
QString resonanceText(const Resonance& resonance);

// What follows a resonance's line where its band is defined: "　Q = 10　帯域幅 159.2 Hz".
QString bandwidthText(const Bandwidth& band);

// A point as the readout shows it, its values in the result unit of `unitFactor`.
QString pointText(const SweepPoint& point, double unitFactor);

// The title line of an exported view: the view, the range, the working frequency and, for the
// Smith chart, its reference impedance.
QString chartTitle(const QString& viewName, double start, double stop,
                   const std::optional<SweepPoint>& working, std::optional<double> reference);

// A typed number read as the value dialogs read theirs; nothing when the text is no number.
std::optional<double> typedNumber(const QString& text);

// The sweep range typed in the two fields, or why it cannot be swept.
struct RangeReading {
    double start = 0, stop = 0;  // hertz
    QString problem;             // empty when the range can be swept
};
RangeReading readRange(const QString& startText, const QString& stopText);
