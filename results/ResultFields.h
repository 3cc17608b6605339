#pragma once

#include <array>

#include "model/CircuitModel.h"

class QLineEdit;
class QWidget;

// The four result fields Text1..Text4 of the main window: |Z|, real and imaginary part, phase.
// They show the model's last result with the system's decimal separator and are emptied
// whenever that result is withdrawn.
class ResultFields {
public:
    explicit ResultFields(const QWidget* clientArea);

    // In the order the result step writes them: phase, magnitude, real part, imaginary part.
    void show(const CircuitModel& model);
    // Only fields that hold text are touched.
    void clear();

private:
    std::array<QLineEdit*, 5> mFields{};  // Text1..Text4
};
