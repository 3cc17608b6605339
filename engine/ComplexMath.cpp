#include "engine/ComplexMath.h"

#include <cmath>

#include "engine/CheckedMath.h"

Complex ComplexAdd(const Complex& a, const Complex& b) {
    Complex sum;
    sum.re = checked(a.re + b.re);
    sum.im = checked(a.im + b.im);
    return sum;
}

Complex ComplexDiv(const Complex& a, const Complex& b) {
    // The squared modulus is rounded to a double before use: for 0 + j1e-200 it underflows to 0
    // and the division must fail rather than be rescued by extended precision.
    const double d = checked(b.re * b.re + b.im * b.im);
    Complex quotient;
    quotient.re = checkedDiv(checked(a.im * b.im + a.re * b.re), d);
    quotient.im = checkedDiv(checked(a.im * b.re - a.re * b.im), d);
    return quotient;
}

Complex ComplexRecip(const Complex& z) {
    return ComplexDiv(Complex{1.0, 0.0}, z);
}

double ComplexAbs(const Complex& z) {
    return std::sqrt(checked(checked(std::pow(z.im, 2.0)) + checked(std::pow(z.re, 2.0))));
}
