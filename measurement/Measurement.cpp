#include "measurement/Measurement.h"

#include <algorithm>
#include <cmath>

#include "measurement/CellNumbers.h"
#include "measurement/MeasurementError.h"

namespace {

void checkRow(const std::string& name, const NumberedPoint& row) {
    const MeasuredPoint& p = row.point;
    if (!(p.frequency > 0))
        throw MeasurementError(
            name, row.line,
            "周波数は 0 Hz より大きくなければなりません（" + shortestNumber(p.frequency) + " Hz）");
    if (!std::isfinite(p.frequency) || !std::isfinite(p.z.re) || !std::isfinite(p.z.im))
        throw MeasurementError(name, row.line, "インピーダンスが有限の値になりません");
}

}  // namespace

Measurement collectMeasurement(const std::string& name, std::vector<NumberedPoint> rows) {
    if (rows.empty()) throw MeasurementError(name, 0, "データの行がありません");
    for (const NumberedPoint& row : rows) checkRow(name, row);

    const auto byFrequency = [](const NumberedPoint& a, const NumberedPoint& b) {
        return a.point.frequency < b.point.frequency;
    };
    Measurement measurement;
    measurement.name = name;
    measurement.resorted = !std::is_sorted(rows.begin(), rows.end(), byFrequency);
    // Stable, and the readers give rows in file order: of two rows with one frequency the
    // later line comes second.
    std::stable_sort(rows.begin(), rows.end(), byFrequency);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].point.frequency != rows[i - 1].point.frequency) continue;
        throw MeasurementError(name, rows[i].line,
                               "周波数 " + shortestNumber(rows[i].point.frequency) + " Hz が " +
                                   std::to_string(rows[i - 1].line) + " 行目にもあります");
    }
    if (measurement.resorted)
        measurement.note = "ファイルの行が周波数の順ではなかったため、周波数の順に並べ替えました";
    measurement.points.reserve(rows.size());
    for (const NumberedPoint& row : rows) measurement.points.push_back(row.point);
    return measurement;
}
