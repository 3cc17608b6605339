#pragma once

#include <QListWidget>
#include <vector>

#include "engine/FrequencySweep.h"

// The resonances of the sweep shown, a line each, beside the frequency response window's views.
class ResonanceList : public QListWidget {
    Q_OBJECT
public:
    explicit ResonanceList(QWidget* parent = nullptr);

    // Says so when the range has none; stays empty when no point of the sweep has a value.
    void showResonances(const std::vector<SweepPoint>& points,
                        const std::vector<Resonance>& resonances);
    // For the clipboard: a heading and the lines, or nothing while the list is empty.
    QString text() const;
};
