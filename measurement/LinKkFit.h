#pragma once

#include <vector>

#include "measurement/MeasuredPoint.h"

// Which of the measurement's two faces the linear Kramers–Kronig model is fitted to. The
// impedance form follows series resonances (its series L and C); the admittance form follows
// parallel ones, where a tank's admittance is a conductance, a capacitor and a coil in parallel.
enum class FitDomain { Impedance, Admittance };

// One least-squares fit of the linear Kramers–Kronig model (Schönleber et al., 2014): a series
// resistance, coil and capacitor with `elements` RC (Voigt) elements whose time constants are
// spread evenly on a logarithmic scale from 1/(2π f_max) to 1/(2π f_min).
struct LinKkFit {
    FitDomain domain = FitDomain::Impedance;
    int elements = 0;
    std::vector<Complex> residuals;  // (Z − Z_fit)/|Z| in percent, per point
    double rmsPercent = 0;           // over the real and imaginary residuals together
    double maxPercent = 0;           // the largest real or imaginary residual
};

// The fit to points in rising frequency, at least two of them. Every value of the model comes from
// one weighted linear solve over the real and imaginary parts together; each point weighs 1/|Z|
// (or 1/|Y|), so that every point counts by its relative error.
LinKkFit fitLinKk(const std::vector<MeasuredPoint>& points, int elements, FitDomain domain);

// The same model fitted to the phase alone: its values are those whose phase comes closest to the
// measured one, whatever their magnitude, scaled so that their magnitude matches on average.
// Returns the rms of the phase differences in radians × 100, which for small differences is the
// same measure as the residuals' percent. A measurement whose magnitude drifted during the sweep
// keeps its phase, so this fit tells such a measurement from one that no model of this form
// follows at all (a resonance).
double fitLinKkPhaseRms(const std::vector<MeasuredPoint>& points, int elements, FitDomain domain);
