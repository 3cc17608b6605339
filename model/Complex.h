#pragma once

// An impedance in ohms: real part = resistance, imaginary part = reactance (positive = inductive).
struct Complex {
    double re = 0.0;
    double im = 0.0;
};
