#pragma once

#include <QString>
#include <functional>
#include <vector>

class QCategoryAxis;

// Where a logarithmic axis from 10^lowLog to 10^highLog is labelled, as log10 of the values:
// at every decade; where fewer than three decades fall inside, also at 2 and 5 of each; where
// still fewer than three, at every whole multiple; and at the two ends when even those give
// fewer than two.
std::vector<double> logTicks(double lowLog, double highLog);

// Sets the axis, which holds log10 of the plotted values, to the range and labels its ticks with
// label(value). Qt's logarithmic axis takes only a printf format, which cannot write SI prefixes.
void labelLogAxis(QCategoryAxis* axis, double lowLog, double highLog,
                  const std::function<QString(double)>& label);
