#pragma once

#include <string>
#include <vector>

#include "measurement/MeasuredPoint.h"

// A whole one-port measurement as read from one file, checked and in rising frequency.
struct Measurement {
    std::string name;                   // the file's name without its folder
    std::vector<MeasuredPoint> points;  // rising frequency, no frequency twice
    bool resorted = false;              // the file's rows were not in rising frequency
    std::string note;                   // a line for the window; empty when there is nothing to say
};

// A point with the line of the file it came from, so that a later check can name the line.
struct NumberedPoint {
    int line;
    MeasuredPoint point;
};

// The measurement made of the rows a reader found, in rising frequency. Refuses (with
// MeasurementError) no rows at all, a frequency at or below 0, an impedance that is not finite and
// a frequency given twice; rows out of order are sorted and the note says so.
Measurement collectMeasurement(const std::string& name, std::vector<NumberedPoint> rows);
