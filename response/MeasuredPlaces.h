#pragma once

#include <QList>
#include <QPointF>
#include <vector>

#include "model/Complex.h"
#include "response/ShownMeasurement.h"

// Where the listed measurements' points lie in each chart, in the values the chart plots, one
// list per measurement (empty for one without data). The frequency is plotted as its log10.

// log10 of |Z| in the result unit; a |Z| of 0, which a log axis cannot show, is left out.
std::vector<QList<QPointF>> logMagnitudes(const std::vector<ShownMeasurement>& measured,
                                          double unitFactor);
// The phase angle in degrees.
std::vector<QList<QPointF>> phaseAngles(const std::vector<ShownMeasurement>& measured);
// R or X in the result unit.
std::vector<QList<QPointF>> parts(const std::vector<ShownMeasurement>& measured,
                                  double Complex::*component, double unitFactor);
// −X against R in the result unit.
std::vector<QList<QPointF>> nyquistPlaces(const std::vector<ShownMeasurement>& measured,
                                          double unitFactor);
