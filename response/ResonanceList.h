#pragma once

#include <QListWidget>
#include <optional>
#include <vector>

#include "engine/FrequencySweep.h"
#include "engine/ResonanceBandwidth.h"

// The resonances of the sweep shown, a line each, beside the frequency response window's views.
class ResonanceList : public QListWidget {
    Q_OBJECT
public:
    explicit ResonanceList(QWidget* parent = nullptr);

    // Each with its Q and −3 dB bandwidth where they are defined (`bands` holds one for each
    // resonance). Says so when the range has none; stays empty when no point has a value.
    void showResonances(const std::vector<SweepPoint>& points,
                        const std::vector<Resonance>& resonances,
                        const std::vector<std::optional<Bandwidth>>& bands);
    // For the clipboard: a heading and the lines, or nothing while the list is empty.
    QString text() const;
};
