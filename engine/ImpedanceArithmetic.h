#pragma once

#include <cfloat>
#include <cmath>

#include "engine/CheckedMath.h"
#include "model/Complex.h"
#include "model/PartKind.h"

// 6.283184 and 3.141592 as the calculation writes them, not 2π and π to full precision: the shown
// results depend on them.
inline constexpr double kCalculationTwoPi = 6.283184;
inline constexpr double kCalculationPi = 3.141592;

// What a calculation leaves in the model's result fields, at one frequency.
struct PlanResult {
    Complex z;                          // resultRe, resultIm: ohms, unscaled and unrounded
    double phase;                       // degrees, unrounded
    double shownAbs, shownRe, shownIm;  // in the result unit, rounded to three decimals
    double phaseAngle;                  // degrees, as shown
};

// The one checked arithmetic of an impedance: the complex operations, the impedance of a coil and
// a capacitor, and the result step. A calculation runs it with Throwing, one frequency at a time;
// the reduction plan also with Marking, for many frequencies side by side. The plan's file is
// built with -fno-math-errno, so that its loops over many frequencies vectorise; no value
// changes.
namespace arithmetic {

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

// Each step is checked as soon as it is formed, so that a division by zero, 0/0 or an overflow is
// found at the step where it happens.

template <typename Check>
Complex add(const Complex& a, const Complex& b, Check& check) {
    return {check.finite(a.re + b.re), check.finite(a.im + b.im)};
}

// The textbook quotient. The squared modulus is rounded to a double before use: for 0 + j1e-200
// it underflows to 0 and the division must fail rather than be rescued by extended precision.
// Always inlined: a reciprocal divides the constant 1 + j0, and its products with 0 and 1 fold
// only where the constants are seen.
template <typename Check>
[[gnu::always_inline]] inline Complex divide(const Complex& a, const Complex& b, Check& check) {
    const double d = check.finite(b.re * b.re + b.im * b.im);
    const double re = check.divide(check.finite(a.im * b.im + a.re * b.re), d);
    const double im = check.divide(check.finite(a.im * b.re - a.re * b.im), d);
    return {re, im};
}

template <typename Check>
Complex recip(const Complex& z, Check& check) {
    return divide(Complex{1.0, 0.0}, z, check);
}

// Each square by the general power operation, added before the root.
template <typename Check>
double magnitude(const Complex& z, Check& check) {
    return std::sqrt(
        check.finite(check.finite(std::pow(z.im, 2.0)) + check.finite(std::pow(z.re, 2.0))));
}

template <typename Check>
Complex parallel(const Complex& x, const Complex& y, Check& check) {
    const Complex recipX = recip(x, check);
    const Complex recipY = recip(y, check);
    return recip(add(recipX, recipY, check), check);
}

// The angular frequency is formed first, and a capacitor divides -1 by the product C·ω.
template <typename Check>
double angular(double frequency, Check& check) {
    return check.finite(kCalculationTwoPi * frequency);
}

template <typename Check>
double coilReactance(double henries, double omega, Check& check) {
    return check.finite(henries * omega);
}

template <typename Check>
double capacitorReactance(double farads, double omega, Check& check) {
    return check.divide(-1.0, check.finite(farads * omega));
}

template <typename Check>
Complex coil(double henries, double frequency, Check& check) {
    return {0.0, coilReactance(henries, angular(frequency, check), check)};
}

template <typename Check>
Complex capacitor(double farads, double frequency, Check& check) {
    return {0.0, capacitorReactance(farads, angular(frequency, check), check)};
}

// The phase in degrees off the imaginary axis, from the plain arctangent: -90..+90, also for a
// negative real part. The arctangent is a call, which a vectorised loop cannot
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
    const double modulus = magnitude(z, check);
    const bool onAxis = z.re == 0.0;
    const double offAxis =
        check.where(!onAxis, [&](auto& c) { return phaseOffAxis(z.re, z.im, c, arctangent); });
    const double rounded =
        check.where(!onAxis, [&](auto& c) { return roundToThousandths(offAxis, c); });
    result.phase = onAxis ? phaseOnAxis(z.im) : offAxis;
    result.phaseAngle = onAxis ? result.phase : rounded;
    result.shownAbs = roundToThousandths(check.finite(modulus * unitFactor), check);
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

}  // namespace arithmetic
