#pragma once

#include <complex>

#include "model/Complex.h"

// The reflection coefficient Γ = (Z − Z0) / (Z + Z0) of an impedance against a reference, where
// the Smith chart places it and what the marker table reads.
inline std::complex<double> reflection(const Complex& z, double z0) {
    const std::complex<double> impedance(z.re, z.im);
    return (impedance - z0) / (impedance + z0);
}
