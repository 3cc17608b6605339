#include "results/WiredCheckText.h"

#include "results/NumberLabels.h"

namespace {

// The imaginary part keeps its own sign behind the fixed "＋ｊ", as in the result fields.
QString impedanceText(const Complex& z, double factor) {
    return QStringLiteral("Z = ") + shownText(z.re, factor) + QStringLiteral(" ＋ｊ") +
           shownText(z.im, factor);
}

QString verdict(const WiredCheck& check, double factor) {
    switch (check.outcome) {
        case WiredOutcome::Solved: break;
        case WiredOutcome::NoPartPlaced: return QStringLiteral("素子がありません");
        case WiredOutcome::NoPort:
            return QStringLiteral("計算の道筋が終わらず、端子が決まりません");
        case WiredOutcome::Singular: return QStringLiteral("解けません（特異）");
        case WiredOutcome::PortOneNode:
        case WiredOutcome::PortOpen: return QStringLiteral("端子間がつながっていません");
    }
    const Complex& wired = *check.impedance;
    if (!check.calculated)
        return impedanceText(wired, factor) + QStringLiteral("（計算では求まりません）");
    if (AgreesWithCalculation(wired, *check.calculated)) return QStringLiteral("一致");
    return impedanceText(wired, factor) + QStringLiteral("（計算と異なります）");
}

}  // namespace

QString wiredCheckText(const WiredCheck& check, double resultUnitFactor) {
    return QStringLiteral("図の配線による検算：") + verdict(check, resultUnitFactor);
}
