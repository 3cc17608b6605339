#pragma once

#include <string>
#include <string_view>

// Values as JSON writes them, for the command line's one object per line.

// A string in quotes, with quotes, backslashes and control characters escaped; other bytes, UTF-8
// included, pass as they are.
std::string jsonString(std::string_view text);

// The shortest form that reads back as the same double; null where JSON has no number for it
// (infinite or not a number).
std::string jsonNumber(double value);
