#pragma once

#include <cmath>

#include "engine/CheckedMath.h"
#include "model/Complex.h"

// The four complex operations of the impedance reduction. Each step is checked as soon as it is
// formed, so a division by zero, 0/0 or an overflow throws ArithmeticError instead of returning.
// They are inline because a frequency sweep runs them millions of times.

inline Complex ComplexAdd(const Complex& a, const Complex& b) {
    Complex sum;
    sum.re = checked(a.re + b.re);
    sum.im = checked(a.im + b.im);
    return sum;
}

inline Complex ComplexDiv(const Complex& a, const Complex& b) {
    // The squared modulus is rounded to a double before use: for 0 + j1e-200 it underflows to 0
    // and the division must fail rather than be rescued by extended precision.
    const double d = checked(b.re * b.re + b.im * b.im);
    Complex quotient;
    quotient.re = checkedDiv(checked(a.im * b.im + a.re * b.re), d);
    quotient.im = checkedDiv(checked(a.im * b.re - a.re * b.im), d);
    return quotient;
}

inline Complex ComplexRecip(const Complex& z) {
    return ComplexDiv(Complex{1.0, 0.0}, z);
}

inline double ComplexAbs(const Complex& z) {
    return std::sqrt(checked(checked(std::pow(z.im, 2.0)) + checked(std::pow(z.re, 2.0))));
}
