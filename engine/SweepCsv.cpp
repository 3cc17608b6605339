#include "engine/SweepCsv.h"

#include <charconv>
#include <cmath>

namespace {

std::string exact(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return {text, result.ptr};
}

const char* unitName(double factor) {
    if (factor == 1e-3) return "kohm";
    if (factor == 1e-6) return "Mohm";
    return "ohm";
}

}  // namespace

std::string sweepCsv(const std::vector<SweepPoint>& points, double unitFactor) {
    const std::string unit = unitName(unitFactor);
    std::string csv = "frequency_Hz,re_" + unit + ",im_" + unit + ",abs_" + unit + ",phase_deg\n";
    for (const SweepPoint& p : points) {
        csv += exact(p.frequency);
        if (p.valid) {
            csv += ',' + exact(p.z.re * unitFactor) + ',' + exact(p.z.im * unitFactor) + ',' +
                   exact(std::hypot(p.z.re, p.z.im) * unitFactor) + ',' + exact(p.phase);
        } else {
            csv += ",,,,";
        }
        csv += '\n';
    }
    return csv;
}
