#pragma once

#include <QString>
#include <filesystem>
#include <vector>

#include "engine/ReductionPlan.h"
#include "measurement/KramersKronigCheck.h"
#include "measurement/Measurement.h"
#include "response/ShownMeasurement.h"

// The path as the file system names it (the locale's encoding of the file name).
std::filesystem::path fileSystemPath(const QString& path);

// Touchstone one-port files go by their name; every other file is read as delimited text.
bool isTouchstoneName(const QString& path);

// The measurement a remembered source gives, or the reason it gives none.
ShownMeasurement readSource(const MeasurementSource& source);

// A measurement read, with its Kramers–Kronig check.
ShownMeasurement shownMeasurement(MeasurementSource source, Measurement data);

// The drawing against a measurement at the measured frequencies: (Z drawing − Z measured) in
// percent of |Z measured|, the real and imaginary parts apart. Points where the drawing cannot
// be evaluated, or where the measured |Z| is 0, have none and are left out.
std::vector<KkResidual> drawingResiduals(const ReductionPlan& plan, const Measurement& measured);

// The frequencies a measurement spans, widened around a single frequency so that a sweep can
// be made over it.
struct FrequencySpan {
    double low = 0, high = 0;  // hertz; both 0 when there is nothing to span
};
FrequencySpan frequencySpan(const std::vector<const Measurement*>& measurements);
