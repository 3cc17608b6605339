#include "measurement/MeasurementError.h"

#include <utility>

namespace {

std::string message(const std::string& file, int line, const std::string& reason) {
    if (line <= 0) return file + ": " + reason;
    return file + ": " + std::to_string(line) + " 行目: " + reason;
}

}  // namespace

MeasurementError::MeasurementError(std::string file, int line, std::string reason)
    : std::runtime_error(message(file, line, reason)),
      mFile(std::move(file)),
      mLine(line),
      mReason(std::move(reason)) {}
