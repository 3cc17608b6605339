#pragma once

#include <optional>
#include <string>
#include <string_view>

// The one reading of a number that every reader of measured files uses: a whole cell in plain
// decimal or exponent form ("1e-3", "+2.5", ".5"). With decimalComma the cell's comma is its
// decimal point; a cell that then also holds a period is no number, since the period could be a
// thousands separator. Infinities and NaN are numbers here; the caller refuses them.
std::optional<double> parseNumber(std::string_view cell, bool decimalComma = false);

// As parseNumber, refusing (with MeasurementError naming file and line) a cell that is no number or
// no finite number.
double finiteNumber(std::string_view cell, bool decimalComma, const std::string& file, int line);

// The shortest text that reads back as the same double ("0.1", "1e-06").
std::string shortestNumber(double value);

// A cell of the file as it may appear in a message: at most a few dozen bytes, control characters
// replaced, never cut inside a UTF-8 character.
std::string quotedCell(std::string_view cell);
