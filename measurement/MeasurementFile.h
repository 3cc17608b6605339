#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// Files larger than this are refused unread: a measurement of a million points is far smaller.
inline constexpr std::uintmax_t kMeasurementFileLimit = 64u * 1024 * 1024;

struct MeasurementFile {
    std::string name;  // the file's name without its folder, for messages and the measurement
    std::string text;  // the whole contents
};

// Reads the whole file, refusing (with MeasurementError, line 0) a file that cannot be opened, is
// no regular file (a folder, a pipe, a device) or is larger than kMeasurementFileLimit. A pipe is
// refused without waiting for a writer.
MeasurementFile readMeasurementFile(const std::filesystem::path& path);
