#pragma once

#include "model/Complex.h"

// The four complex operations of the impedance reduction. Each step is checked as soon as it is
// formed, so a division by zero, 0/0 or an overflow throws ArithmeticError instead of returning.
Complex ComplexAdd(const Complex& a, const Complex& b);
Complex ComplexDiv(const Complex& a, const Complex& b);
Complex ComplexRecip(const Complex& z);
double ComplexAbs(const Complex& z);
