#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "measurement/Measurement.h"

// A one-port Touchstone file (.s1p, .z1p, .y1p) of version 1.x or 2.0 as a measurement of
// impedances. Everything that is not understood is refused with MeasurementError (file, line,
// reason), never skipped: files for more than one port, noise data, mixed-mode data, a second
// option line, keywords the format does not have.
Measurement readTouchstone(const std::string& name, std::string_view text);

// As readTouchstone, on the file at the path (read as readMeasurementFile does).
Measurement readTouchstoneFile(const std::filesystem::path& path);
