#include "results/NumberLabels.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/ArithmeticError.h"
#include "engine/Calculation.h"
#include "text/NumberText.h"
#include "text/NumericText.h"

namespace {

// Index 4 is the unit itself; each step is a factor of 1000.
constexpr std::array<const char*, 9> kPrefixes{"p", "n", "µ", "m", "", "k", "M", "G", "T"};
constexpr int kNoPrefix = 4;

QString withSystemPoint(QString text) {
    const QString point = QString::fromStdString(systemSeparators().decimalPoint);
    if (point != QStringLiteral(".")) text.replace(u'.', point);
    return text;
}

struct Prefixed {
    QString number;
    QString prefix;
};

Prefixed prefixed(double value, int digits) {
    if (value == 0 || !std::isfinite(value)) return {localNumber(value, digits), {}};
    int step = static_cast<int>(std::floor(std::log10(std::fabs(value)) / 3));
    // Rounding to the digits shown can carry into the next step: 999.9996 shows as "1k".
    const auto rounded = [&](int s) {
        return QString::number(value / std::pow(1000.0, s), 'g', digits).toDouble();
    };
    if (std::fabs(rounded(step)) >= 1000) ++step;
    step = std::clamp(step, -kNoPrefix, static_cast<int>(kPrefixes.size()) - 1 - kNoPrefix);
    const int prefix = step + kNoPrefix;
    return {localNumber(value / std::pow(1000.0, step), digits),
            QString::fromUtf8(kPrefixes[static_cast<std::size_t>(prefix)])};
}

}  // namespace

QString shownText(double ohms, double unitFactor) {
    double value = ohms * unitFactor;
    try {
        value = ShownValue(ohms, unitFactor);
    } catch (const ArithmeticError&) {
    }
    return QString::fromStdString(plainText(value, systemSeparators().decimalPoint));
}

QString localNumber(double value, int digits) {
    return withSystemPoint(QString::number(value, 'g', digits));
}

QString siText(double value, const QString& unit, int digits) {
    const Prefixed p = prefixed(value, digits);
    return p.number + u' ' + p.prefix + unit;
}

QString siCompact(double value, int digits) {
    const Prefixed p = prefixed(value, digits);
    return p.number + p.prefix;
}
