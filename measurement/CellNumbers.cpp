#include "measurement/CellNumbers.h"

#include <charconv>
#include <cmath>

#include "measurement/MeasurementError.h"

namespace {

constexpr std::size_t kQuotedBytes = 40;

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::optional<double> parseNumber(std::string_view cell, bool decimalComma) {
    std::string text(cell);
    if (decimalComma) {
        if (text.find('.') != std::string::npos) return std::nullopt;
        for (char& c : text)
            if (c == ',') c = '.';
    }
    // from_chars takes no leading plus, which instruments do write ("+1.000E+00").
    std::size_t start = 0;
    if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+') start = 1;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    double value = 0;
    const auto [stop, error] = std::from_chars(first, last, value);
    if (stop != last || first == last) return std::nullopt;
    // Out of range means a magnitude beyond the doubles (or below the smallest one); both are
    // kept as the infinity or zero they stand for, and the caller decides.
    if (error == std::errc::result_out_of_range) {
        const std::string_view digits(first, last - first);
        const bool negative = digits.starts_with('-');
        const bool tiny = digits.find("e-") != std::string_view::npos ||
                          digits.find("E-") != std::string_view::npos;
        if (tiny) return negative ? -0.0 : 0.0;
        return negative ? -HUGE_VAL : HUGE_VAL;
    }
    if (error != std::errc()) return std::nullopt;
    return value;
}

double finiteNumber(std::string_view cell, bool decimalComma, const std::string& file, int line) {
    const std::optional<double> value = parseNumber(cell, decimalComma);
    if (!value)
        throw MeasurementError(file, line, "数値ではありません：「" + quotedCell(cell) + "」");
    if (!std::isfinite(*value))
        throw MeasurementError(file, line,
                               "有限の数値ではありません：「" + quotedCell(cell) + "」");
    return *value;
}

std::string shortestNumber(double value) {
    char text[32];
    const std::to_chars_result written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}

std::string quotedCell(std::string_view cell) {
    std::string text;
    for (char c : cell) text += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    if (text.size() <= kQuotedBytes) return text;
    std::size_t end = kQuotedBytes;
    while (end > 0 && isContinuationByte(text[end])) --end;
    return text.substr(0, end) + "…";
}
