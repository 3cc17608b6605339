#include "response/ResponseTexts.h"

#include <cmath>

#include "results/NumberLabels.h"
#include "results/ResultUnits.h"
#include "text/NumberText.h"
#include "text/NumericText.h"

QString resonanceText(const Resonance& resonance) {
    const QString at = siText(resonance.frequency, QStringLiteral("Hz"));
    switch (resonance.kind) {
        case Resonance::Kind::PhaseZero: return QStringLiteral("位相 0°：") + at;
        case Resonance::Kind::Minimum: return QStringLiteral("|Z| 極小：") + at;
        case Resonance::Kind::Maximum: break;
    }
    return QStringLiteral("|Z| 極大：") + at;
}

QString bandwidthText(const Bandwidth& band) {
    return QStringLiteral("　Q = ") + localNumber(band.q, 4) + QStringLiteral("　帯域幅 ") +
           siText(band.high - band.low, QStringLiteral("Hz"), 4);
}

QString pointText(const SweepPoint& point, double unitFactor) {
    const QString f = QStringLiteral("f = ") + siText(point.frequency, QStringLiteral("Hz"));
    if (!point.valid) return f + QStringLiteral("：計算できません");
    const QString unit = QString::fromStdString(resultUnitText(unitFactor));
    const auto ohms = [&](double value) {
        return localNumber(value * unitFactor, 6) + u' ' + unit;
    };
    return f + QStringLiteral("　|Z| = %1　位相角 = %2°　R = %3　X = %4")
                   .arg(ohms(std::hypot(point.z.re, point.z.im)), localNumber(point.phase, 5),
                        ohms(point.z.re), ohms(point.z.im));
}

QString chartTitle(const QString& viewName, double start, double stop,
                   const std::optional<SweepPoint>& working, std::optional<double> reference) {
    QString title = QStringLiteral("周波数特性（") + viewName + QStringLiteral("）　") +
                    siText(start, QStringLiteral("Hz")) + QStringLiteral(" – ") +
                    siText(stop, QStringLiteral("Hz")) + QStringLiteral("　");
    title += working
                 ? QStringLiteral("動作周波数 ") + siText(working->frequency, QStringLiteral("Hz"))
                 : QStringLiteral("動作周波数は未設定");
    if (reference) title += QStringLiteral("　Z0 = ") + siText(*reference, QStringLiteral("Ω"));
    return title;
}

std::optional<double> typedNumber(const QString& text) {
    const std::string typed = text.toStdString();
    if (!isNumericText(typed)) return std::nullopt;
    return readLeadingNumber(typed);
}

RangeReading readRange(const QString& startText, const QString& stopText) {
    const std::optional<double> start = typedNumber(startText), stop = typedNumber(stopText);
    if (!start) return {0, 0, QStringLiteral("開始周波数を数で入力して下さい")};
    if (!stop) return {0, 0, QStringLiteral("終了周波数を数で入力して下さい")};
    if (!(*start > 0)) return {0, 0, QStringLiteral("開始周波数は 0 より大きくして下さい")};
    if (!(*stop > *start))
        return {0, 0, QStringLiteral("終了周波数は開始周波数より大きくして下さい")};
    return {*start, *stop, {}};
}
