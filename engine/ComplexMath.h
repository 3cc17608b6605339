#pragma once

#include "engine/ImpedanceArithmetic.h"

// The four complex operations of the impedance reduction, by their names in the calculation. Each
// throws ArithmeticError on a division by zero, 0/0 or an overflow instead of returning.

inline Complex ComplexAdd(const Complex& a, const Complex& b) {
    arithmetic::Throwing check;
    return arithmetic::add(a, b, check);
}

inline Complex ComplexDiv(const Complex& a, const Complex& b) {
    arithmetic::Throwing check;
    return arithmetic::divide(a, b, check);
}

inline Complex ComplexRecip(const Complex& z) {
    arithmetic::Throwing check;
    return arithmetic::recip(z, check);
}

inline double ComplexAbs(const Complex& z) {
    arithmetic::Throwing check;
    return arithmetic::magnitude(z, check);
}
