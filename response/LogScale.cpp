#include "response/LogScale.h"

#include <QCategoryAxis>
#include <array>
#include <cmath>

namespace {

constexpr int kEnoughTicks = 3;
// A tick this close to an end, in decades, still counts as inside.
constexpr double kEdge = 1e-9;

}  // namespace

std::vector<double> logTicks(double lowLog, double highLog) {
    static const std::array<std::vector<int>, 3> kMultiples{
        {{1}, {1, 2, 5}, {1, 2, 3, 4, 5, 6, 7, 8, 9}}};
    std::vector<double> ticks;
    for (const std::vector<int>& multiples : kMultiples) {
        ticks.clear();
        for (double decade = std::floor(lowLog); decade <= std::ceil(highLog); ++decade) {
            for (int m : multiples) {
                const double tick = decade + std::log10(m);
                if (tick >= lowLog - kEdge && tick <= highLog + kEdge) ticks.push_back(tick);
            }
        }
        if (ticks.size() >= kEnoughTicks) return ticks;
    }
    if (ticks.size() < 2) ticks = {lowLog, highLog};
    return ticks;
}

void labelLogAxis(QCategoryAxis* axis, double lowLog, double highLog,
                  const std::function<QString(double)>& label) {
    for (const QString& old : axis->categoriesLabels()) axis->remove(old);
    axis->setRange(lowLog, highLog);
    axis->setStartValue(lowLog);
    for (double tick : logTicks(lowLog, highLog)) axis->append(label(std::pow(10.0, tick)), tick);
}
