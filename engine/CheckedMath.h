#pragma once

#include <cmath>

#include "engine/ArithmeticError.h"

// Floating-point exception flags do not survive optimisation reliably, so every step that can
// fault is checked on its result instead. Underflow to zero is not a fault.
inline double checked(double value) {
    if (!std::isfinite(value)) throw ArithmeticError("overflow or invalid operation");
    return value;
}

inline double checkedDiv(double dividend, double divisor) {
    if (divisor == 0.0) throw ArithmeticError("division by zero");
    return checked(dividend / divisor);
}
