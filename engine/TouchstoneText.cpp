#include "engine/TouchstoneText.h"

#include <charconv>
#include <cmath>
#include <complex>
#include <stdexcept>

namespace {

std::string shortest(double value) {
    char text[32];
    const std::to_chars_result written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}

// The reason a point has no S11, or nothing when it has one.
const char* missingBecause(const SweepPoint& p, double z0, const std::complex<double>& s11) {
    if (!p.valid) return "the network has no impedance at this frequency";
    if (p.z.re == -z0 && p.z.im == 0) return "Z = -Z0, so S11 is infinite";
    if (!std::isfinite(s11.real()) || !std::isfinite(s11.imag())) return "S11 is too large";
    return nullptr;
}

}  // namespace

std::string TouchstoneText(const std::vector<SweepPoint>& points, double z0) {
    if (!(z0 > 0 && std::isfinite(z0)))
        throw std::invalid_argument("the reference impedance must be a positive number of ohms");
    const std::string ohms = shortest(z0);
    std::string text =
        "! Selvoria: the drawn network as a one-port\n"
        "! S11 = (Z - Z0) / (Z + Z0), Z0 = " +
        ohms + " ohm\n# Hz S RI R " + ohms + "\n";
    for (const SweepPoint& p : points) {
        const std::complex<double> z(p.z.re, p.z.im);
        // The library's division scales its operands, so a large Z does not overflow on the way.
        const std::complex<double> s11 = p.valid ? (z - z0) / (z + z0) : 0.0;
        if (const char* reason = missingBecause(p, z0, s11)) {
            text += "! " + shortest(p.frequency) + " Hz left out: " + reason + "\n";
            continue;
        }
        text +=
            shortest(p.frequency) + " " + shortest(s11.real()) + " " + shortest(s11.imag()) + "\n";
    }
    return text;
}
