#include "text/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

constexpr std::size_t kMaxSignificantDigits = 15;

// The plain form writes magnitudes from 0.0001 up to 999999999999999 without exponent: these are
// the powers of ten of their leading digits.
constexpr int kSmallestFixedExponent = -4;
constexpr int kLargestFixedExponent = 14;

// A positive finite magnitude as d.ddd × 10^exponent.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal scientific(double magnitude, std::optional<int> precision) {
    std::array<char, 40> buf{};
    const auto result = precision ? std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                                  std::chars_format::scientific, *precision)
                                  : std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                                  std::chars_format::scientific);
    const std::string_view text(buf.data(), static_cast<std::size_t>(result.ptr - buf.data()));

    const std::size_t e = text.find('e');
    Decimal d;
    for (char c : text.substr(0, e)) {
        if (c != '.') d.digits += c;
    }
    const std::string_view exp = text.substr(e + 1);
    std::from_chars(exp.data() + 1, exp.data() + exp.size(), d.exponent);
    if (exp.front() == '-') d.exponent = -d.exponent;
    return d;
}

// The shortest digits that read back exactly, unless that takes more than 15: then the value
// rounded to 15 significant digits, which may carry into the next power of ten.
Decimal significantDigits(double magnitude) {
    Decimal d = scientific(magnitude, std::nullopt);
    if (d.digits.size() > kMaxSignificantDigits) {
        d = scientific(magnitude, static_cast<int>(kMaxSignificantDigits) - 1);
    }
    const std::size_t last = d.digits.find_last_not_of('0');
    d.digits.erase(last + 1);
    return d;
}

std::string fixedForm(const Decimal& d) {
    if (d.exponent < 0) {
        return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    }
    const auto intLength = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= intLength) {
        return d.digits + std::string(intLength - d.digits.size(), '0');
    }
    return d.digits.substr(0, intLength) + "." + d.digits.substr(intLength);
}

std::string exponentForm(const Decimal& d) {
    std::string text(1, d.digits.front());
    if (d.digits.size() > 1) text += "." + d.digits.substr(1);
    text += d.exponent < 0 ? "E-" : "E+";
    const std::string exp = std::to_string(std::abs(d.exponent));
    if (exp.size() < 2) text += '0';
    return text + exp;
}

}  // namespace

std::string plainText(double x) {
    if (std::isnan(x)) return "nan";
    if (std::isinf(x)) return x < 0 ? "-inf" : "inf";
    if (x == 0) return "0";

    const Decimal d = significantDigits(std::fabs(x));
    const bool useExponent =
        d.exponent > kLargestFixedExponent || d.exponent < kSmallestFixedExponent;
    const std::string body = useExponent ? exponentForm(d) : fixedForm(d);
    return x < 0 ? "-" + body : body;
}

std::string plainText(double x, std::string_view decimalPoint) {
    std::string text = plainText(x);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalPoint);
    return text;
}

std::string signedText(double x) {
    std::string text = plainText(x);
    const bool negative = text.front() == '-';
    const std::size_t digitsAt = negative ? 1 : 0;
    if (text.compare(digitsAt, 2, "0.") == 0) text.erase(digitsAt, 1);
    return negative ? text : " " + text;
}

std::string wholeText(double x) {
    if (!std::isfinite(x)) return "0";
    const double rounded = std::round(x);
    if (rounded == 0) return "0";

    const std::string body = fixedForm(significantDigits(std::fabs(rounded)));
    return rounded < 0 ? "-" + body : body;
}
