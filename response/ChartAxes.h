#pragma once

#include <QColor>
#include <QPen>
#include <QString>
#include <cstddef>
#include <functional>

#include "response/PointRuns.h"

class QAbstractAxis;
class QCategoryAxis;
class QValueAxis;

// The axes and pens the response charts share.

// A value axis titled in the window's face, for a fixed range such as the phase angle's degrees.
QValueAxis* valueAxis(const QString& title);

// A category axis titled in the window's face, for a linear scale labelled by labelLinearAxis.
QCategoryAxis* linearAxis(const QString& title);

// A category axis titled in the window's face, its labels at their values (the decades of a
// logarithmic scale plotted as log10).
QCategoryAxis* logAxis(const QString& title);

// Room around the values, also for a span of one value, and round numbers at the ticks.
void setLinearRange(QCategoryAxis* axis, Span span);

// Labels of a logarithmic axis of ohms shown in the result unit of `factor`: "10 kΩ".
std::function<QString(double)> ohmLabels(double factor);

// Sets the title only when it changes, so that an unchanged title lays out nothing again.
void setAxisTitle(QAbstractAxis* axis, const QString& title);

// A curve's pen. Not cosmetic: the pictures for files scale their painter, and a cosmetic pen
// would keep its width in the PNG and the PDF's device pixels while SVG viewers scale it.
QPen chartPen(const QColor& colour, Qt::PenStyle style = Qt::SolidLine);

// The colour of the index-th listed measurement in every view, apart from the drawing's curves
// and the working frequency's mark; after the last the colours come round again.
QColor measurementColour(std::size_t index);
