#pragma once

#include <filesystem>

#include "measurement/Measurement.h"

// Whether a file is read as Touchstone: by its name's ending, .s1p or .ts in any case.
bool isTouchstoneName(const std::filesystem::path& path);

// A measurement from a file of either kind, where no one can be asked about the columns: a
// Touchstone file by its option line, delimited text by the columns guessed from its header and
// numbers. Throws MeasurementError as the readers do.
Measurement readAnyMeasurement(const std::filesystem::path& path);
