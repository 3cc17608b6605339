#include "measurement/MeasurementCsv.h"

#include "measurement/CellNumbers.h"

std::string measurementCsv(const Measurement& measurement) {
    std::string text = "frequency_Hz,re_ohm,im_ohm\n";
    for (const MeasuredPoint& p : measurement.points)
        text += shortestNumber(p.frequency) + ',' + shortestNumber(p.z.re) + ',' +
                shortestNumber(p.z.im) + '\n';
    return text;
}
