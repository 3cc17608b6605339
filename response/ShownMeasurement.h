#pragma once

#include <QString>
#include <optional>

#include "measurement/KramersKronigCheck.h"
#include "measurement/Measurement.h"
#include "response/MeasurementSource.h"

// A measurement listed in the frequency response window. A remembered file that cannot be read
// now stays listed with the reason, so that saving the drawing again does not drop it unseen.
struct ShownMeasurement {
    MeasurementSource source;
    QString name;  // the file's name without its folder
    std::optional<Measurement> data;
    QString problem;  // why there is no data: the file, the line where there is one, the reason
    KramersKronigCheck check;  // of the data, made once when it is read
};
