#pragma once

#include <string>
#include <vector>

#include "measurement/MeasuredPoint.h"

// How far a point lies from the best Kramers–Kronig-consistent model, in percent of its |Z|.
struct KkResidual {
    double frequency;  // hertz
    double re;
    double im;
};

// Whether a measurement is consistent with the Kramers–Kronig relations, that is, whether it can
// come from a linear, causal, stable system that did not change during the sweep.
struct KramersKronigCheck {
    enum class Verdict { Valid, Invalid, Undecided };
    Verdict verdict = Verdict::Undecided;
    std::string text;               // "有効", "無効" or "判定できません：<why>"
    double maxResidualPercent = 0;  // the largest real or imaginary residual
    double rmsResidualPercent = 0;  // over the real and imaginary residuals together
    std::size_t points = 0;
    int elements = 0;  // RC elements of the chosen model
    std::vector<KkResidual> residuals;
};

// The linear Kramers–Kronig test on points in rising frequency (as in a Measurement).
KramersKronigCheck checkKramersKronig(const std::vector<MeasuredPoint>& points);
