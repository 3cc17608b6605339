#pragma once

#include <stdexcept>
#include <string>

// Why a file was not read: its name, the line at fault (1-based; 0 where no one line is at fault)
// and the reason in Japanese. what() gives all three as one line for the window.
class MeasurementError : public std::runtime_error {
public:
    MeasurementError(std::string file, int line, std::string reason);

    const std::string& file() const { return mFile; }
    int line() const { return mLine; }
    const std::string& reason() const { return mReason; }

private:
    std::string mFile;
    int mLine;
    std::string mReason;
};
