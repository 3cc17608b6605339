#pragma once

#include <QFile>
#include <QString>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/ReductionPlan.h"
#include "model/CircuitModel.h"

// Measurement files made from a drawing itself, in every digit a double has: the drawing's
// impedance at each frequency, through the same plan as the window's sweep.
namespace measured_files {

// `count` frequencies from `low` to `high`, evenly on a log scale.
inline std::vector<double> logFrequencies(double low, double high, int count) {
    std::vector<double> f;
    for (int i = 0; i < count; ++i)
        f.push_back(low * std::pow(high / low, static_cast<double>(i) / (count - 1)));
    return f;
}

inline QString number(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", x);
    return QString::fromLatin1(text);
}

inline void write(const QString& path, const QString& text) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(text.toUtf8());
}

// Touchstone 1.1 with Z in ohms against a reference of 1 Ω.
inline void writeTouchstone(const QString& path, const CircuitModel& model,
                            const std::vector<double>& frequencies) {
    const ReductionPlan plan(model);
    QString text = QStringLiteral("! made from the drawing\n# Hz Z RI R 1\n");
    for (double f : frequencies) {
        const Complex z = plan.evaluate(f).z;
        text += number(f) + u' ' + number(z.re) + u' ' + number(z.im) + u'\n';
    }
    write(path, text);
}

// "freq,Zreal,Zimag" with the frequency in kHz; with `falling`, the rows from the highest
// frequency down.
inline void writeCsv(const QString& path, const CircuitModel& model,
                     std::vector<double> frequencies, bool falling = false) {
    const ReductionPlan plan(model);
    if (falling) std::reverse(frequencies.begin(), frequencies.end());
    QString text = QStringLiteral("freq/kHz,Zreal,Zimag\n");
    for (double f : frequencies) {
        const Complex z = plan.evaluate(f).z;
        text += number(f / 1e3) + u',' + number(z.re) + u',' + number(z.im) + u'\n';
    }
    write(path, text);
}

}  // namespace measured_files
