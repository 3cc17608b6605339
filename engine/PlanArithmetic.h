#pragma once

#include <cfloat>
#include <cmath>

#include "engine/Calculation.h"
#include "engine/CheckedMath.h"
#include "engine/PartImpedance.h"
#include "engine/ReductionPlan.h"
#include "model/Complex.h"

// The checked arithmetic of the reduction plan, for one frequency at a time or for many side by
// side. Built with -fno-math-errno where it is used (ReductionPlan.cpp), so that its loops over
// many frequencies vectorise.
namespace plan_arithmetic {

// How a step's result is checked. A single evaluation throws where a calculation throws, with
// the same message. A frequency among many is marked instead: the loop over the frequencies then
// has neither a branch nor a call, and the compiler runs two of them in one instruction.
// `where` runs a part of a step that a calculation makes only under a condition; a lane makes it
// always, with meaningless values where the condition does not hold, and keeps its faults only
// where it does.
struct Throwing {
    double finite(double x) const { return checked(x); }
    double divide(double dividend, double divisor) const { return checkedDiv(dividend, divisor); }
    template <typename Part>
    double where(bool condition, Part part) {
        return condition ? part(*this) : 0.0;
    }
};

struct Marking {
    bool failed = false;
    double finite(double x) {
        failed |= !(std::fabs(x) <= DBL_MAX);  // std::isfinite in a form that vectorises
        return x;
    }
    double divide(double dividend, double divisor) {
        failed |= divisor == 0.0;
        return finite(dividend / divisor);
    }
    template <typename Part>
    double where(bool condition, Part part) {
        Marking own;
        const double value = part(own);
        failed |= condition & own.failed;
        return value;
    }
};

// The arithmetic of a calculation (ComplexMath.h, PartImpedance.h, the result step of
// Calculation.cpp) expression for expression and check for check, so that the bits are the same
// and a fault is found at the same step.

template <typename Check>
Complex add(const Complex& a, const Complex& b, Check& check) {
    return {check.finite(a.re + b.re), check.finite(a.im + b.im)};
}

// ComplexDiv of 1 + j0 by z, the squared modulus rounded to a double before use.
template <typename Check>
Complex recip(const Complex& z, Check& check) {
    const Complex one{1.0, 0.0};
    const double d = check.finite(z.re * z.re + z.im * z.im);
    const double re = check.divide(check.finite(one.im * z.im + one.re * z.re), d);
    const double im = check.divide(check.finite(one.im * z.re - one.re * z.im), d);
    return {re, im};
}

template <typename Check>
Complex parallel(const Complex& x, const Complex& y, Check& check) {
    const Complex recipX = recip(x, check);
    const Complex recipY = recip(y, check);
    return recip(add(recipX, recipY, check), check);
}

// The angular frequency is formed first, and a capacitor divides -1 by the product C·ω.
template <typename Check>
Complex coil(double henries, double frequency, Check& check) {
    const double omega = check.finite(kCalculationTwoPi * frequency);
    return {0.0, check.finite(henries * omega)};
}

template <typename Check>
Complex capacitor(double farads, double frequency, Check& check) {
    const double omega = check.finite(kCalculationTwoPi * frequency);
    return {0.0, check.divide(-1.0, check.finite(farads * omega))};
}

// PhaseDegrees off the imaginary axis. The arctangent is a call, which a vectorised loop cannot
// make: the lanes take theirs from a table filled beforehand, a single evaluation from std::atan.
template <typename Check, typename Arctangent>
double phaseOffAxis(double re, double im, Check& check, Arctangent arctangent) {
    return check.divide(check.finite(arctangent(check.divide(im, re)) * 180.0), kCalculationPi);
}

inline double phaseOnAxis(double im) {
    return im > 0.0 ? 90.0 : im < 0.0 ? -90.0 : 0.0;
}

// std::floor in instructions that SSE2 has for two doubles at once, which lack a rounding one,
// for every x but -0, which the rounding below never passes (x + 0.5 is not -0). Adding 2^52 to
// a magnitude below 2^52 and taking it away again rounds it to the nearest integer; where that
// went up, one is taken off. Larger magnitudes are integers already and have 0 added and taken
// away. Every step is made for every x, a constant chosen where they differ: a step made for
// some x only would be a branch, which keeps the loop from vectorising.
inline double floorOf(double x) {
    constexpr double kTwoTo52 = 4503599627370496.0;
    const double magnitude = std::fabs(x);
    const double shift = magnitude < kTwoTo52 ? kTwoTo52 : 0.0;
    const double nearest = std::copysign((magnitude + shift) - shift, x);
    return nearest + (nearest > x ? -1.0 : 0.0);
}

// Half up to three decimals, also for negative values; 1000 is formed as 10^3.
template <typename Check>
double roundToThousandths(double value, Check& check) {
    const double scale = std::pow(10.0, 3);
    return check.divide(floorOf(check.finite(check.finite(scale * value) + 0.5)), scale);
}

// The calculation's result step, fault checks and order included: a result whose magnitude,
// phase or shown values overflow fails there. On the imaginary axis the three fixed angles are
// not rounded.
template <typename Check, typename Arctangent>
PlanResult resultOf(const Complex& z, double unitFactor, Check& check, Arctangent arctangent) {
    PlanResult result{};
    result.z = z;
    const double magnitude = std::sqrt(
        check.finite(check.finite(std::pow(z.im, 2.0)) + check.finite(std::pow(z.re, 2.0))));
    const bool onAxis = z.re == 0.0;
    const double offAxis =
        check.where(!onAxis, [&](auto& c) { return phaseOffAxis(z.re, z.im, c, arctangent); });
    const double rounded =
        check.where(!onAxis, [&](auto& c) { return roundToThousandths(offAxis, c); });
    result.phase = onAxis ? phaseOnAxis(z.im) : offAxis;
    result.phaseAngle = onAxis ? result.phase : rounded;
    result.shownAbs = roundToThousandths(check.finite(magnitude * unitFactor), check);
    result.shownRe = roundToThousandths(check.finite(z.re * unitFactor), check);
    result.shownIm = roundToThousandths(check.finite(z.im * unitFactor), check);
    return result;
}

// The part of a step at a frequency; a resistor or an impedance part keeps its fixed value.
template <typename Step, typename Check>
Complex impedanceOf(const Step& step, double frequency, Check& check) {
    switch (step.kind) {
        case PartKind::Coil: return coil(step.value, frequency, check);
        case PartKind::Capacitor: return capacitor(step.value, frequency, check);
        case PartKind::Resistor:
        case PartKind::Impedance: break;
    }
    return step.fixed;
}

}  // namespace plan_arithmetic
