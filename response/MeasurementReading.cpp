#include "response/MeasurementReading.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/ArithmeticError.h"
#include "measurement/DelimitedReader.h"
#include "measurement/MeasurementError.h"
#include "measurement/TouchstoneReader.h"

namespace {

// A sweep over one frequency alone would have no range: a decade around it instead.
constexpr double kSinglePointRoom = 3.1622776601683795;

}  // namespace

std::filesystem::path fileSystemPath(const QString& path) {
    return {QFile::encodeName(path).toStdString()};
}

bool isTouchstoneName(const QString& path) {
    static const QStringList kSuffixes = {QStringLiteral("s1p"), QStringLiteral("z1p"),
                                          QStringLiteral("y1p"), QStringLiteral("ts")};
    return kSuffixes.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive);
}

ShownMeasurement readSource(const MeasurementSource& source) {
    try {
        const std::filesystem::path path = fileSystemPath(source.path);
        return shownMeasurement(source, source.columns ? readDelimitedFile(path, *source.columns)
                                                       : readTouchstoneFile(path));
    } catch (const MeasurementError& error) {
        ShownMeasurement shown{source,
                               QFileInfo(source.path).fileName(),
                               std::nullopt,
                               QString::fromStdString(error.what()),
                               {}};
        return shown;
    }
}

ShownMeasurement shownMeasurement(MeasurementSource source, Measurement data) {
    ShownMeasurement shown;
    shown.name = QString::fromStdString(data.name);
    shown.source = std::move(source);
    shown.check = checkKramersKronig(data.points);
    shown.data = std::move(data);
    return shown;
}

std::vector<KkResidual> drawingResiduals(const ReductionPlan& plan, const Measurement& measured) {
    std::vector<KkResidual> residuals;
    residuals.reserve(measured.points.size());
    for (const MeasuredPoint& p : measured.points) {
        const double size = std::hypot(p.z.re, p.z.im);
        if (!(size > 0)) continue;
        try {
            const Complex z = plan.evaluate(p.frequency).z;
            const double re = (z.re - p.z.re) / size * 100, im = (z.im - p.z.im) / size * 100;
            if (std::isfinite(re) && std::isfinite(im)) residuals.push_back({p.frequency, re, im});
        } catch (const ArithmeticError&) {
        }
    }
    return residuals;
}

FrequencySpan frequencySpan(const std::vector<const Measurement*>& measurements) {
    FrequencySpan span{INFINITY, -INFINITY};
    for (const Measurement* m : measurements)
        if (!m->points.empty()) {
            span.low = std::min(span.low, m->points.front().frequency);
            span.high = std::max(span.high, m->points.back().frequency);
        }
    if (span.low > span.high) return {};
    if (span.low == span.high) span = {span.low / kSinglePointRoom, span.high * kSinglePointRoom};
    return span;
}
