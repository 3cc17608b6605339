#pragma once

#include <string>
#include <string_view>

#include "model/Complex.h"

// What a Touchstone option line ("# MHz Z RI R 75") says about the data lines, with the format's
// defaults for the fields it leaves out: GHz, S, MA, R 50.
struct TouchstoneOptions {
    enum class Parameter { S, Z, Y };
    enum class Format { RI, MA, DB };
    double hertzPerUnit = 1e9;
    Parameter parameter = Parameter::S;
    Format format = Format::MA;
    double reference = 50;  // ohms
};

// The option line's fields in any order, case-insensitive. Refuses (with MeasurementError) a field
// it does not know, a parameter of two-port files only (G, H) and a reference that is no number
// above 0.
TouchstoneOptions readOptionLine(std::string_view line, const std::string& file, int lineNumber);

// The impedance a data line's two values stand for. Version 1 files give Z and Y divided by the
// reference resistance; version 2 files give them in ohms and siemens. Refuses S = 1 and Y = 0,
// whose impedance is infinite.
Complex impedanceOf(const TouchstoneOptions& options, bool version2, double first, double second,
                    const std::string& file, int lineNumber);
