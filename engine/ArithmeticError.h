#pragma once

#include <stdexcept>

// Raised by a calculation step that divides by zero, gives 0/0 or overflows the double range.
// Only the calculate command catches it.
class ArithmeticError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
