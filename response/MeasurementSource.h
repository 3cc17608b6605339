#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "measurement/ColumnChoice.h"

// Where a measurement shown in the frequency response window comes from, as the drawing file
// remembers it: the file, and for delimited text the columns the user confirmed. The program and
// the window's library both use this plain header; lists of it cross between them by Qt's
// meta-object calls, which match the type by its name.
struct MeasurementSource {
    QString path;                         // absolute
    std::optional<ColumnChoice> columns;  // delimited text; none for a Touchstone file

    bool operator==(const MeasurementSource& other) const {
        if (path != other.path || columns.has_value() != other.columns.has_value()) return false;
        if (!columns) return true;
        const ColumnChoice &a = *columns, &b = *other.columns;
        return a.frequencyColumn == b.frequencyColumn && a.firstColumn == b.firstColumn &&
               a.secondColumn == b.secondColumn && a.meaning == b.meaning &&
               a.hertzPerUnit == b.hertzPerUnit;
    }
};

using MeasurementSources = QList<MeasurementSource>;

// The window's slots and signal the program reaches by name (the program does not link the
// window's code).
inline constexpr char kOpenMeasurement[] = "openMeasurement";
inline constexpr char kShowMeasurementSources[] = "showMeasurementSources";
