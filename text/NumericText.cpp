#include "text/NumericText.h"

#include <charconv>
#include <clocale>
#include <optional>
#include <system_error>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A decimal number taken apart, digits only: thousands separators dropped, the locale's decimal
// point left out, so that it can be handed to from_chars in the C form.
struct DecimalText {
    bool negative = false;
    std::string intDigits;
    std::string fracDigits;
    bool expNegative = false;
    std::string expDigits;
};

// Walks a text from the front. Separators are matched as whole strings because they may be
// several bytes long; an empty separator never matches, or a loop over it would never advance.
class Cursor {
public:
    explicit Cursor(std::string_view text) : mRest(text) {}

    bool atEnd() const { return mRest.empty(); }
    bool atDigit() const { return !mRest.empty() && isDigit(mRest.front()); }
    bool at(std::string_view token) const { return !token.empty() && mRest.starts_with(token); }

    bool take(std::string_view token) {
        if (!at(token)) return false;
        mRest.remove_prefix(token.size());
        return true;
    }

    void skipBlanks() {
        while (!mRest.empty() && isBlank(mRest.front())) mRest.remove_prefix(1);
    }

    void takeSign(bool& negative) {
        if (mRest.empty() || (mRest.front() != '+' && mRest.front() != '-')) return;
        negative = mRest.front() == '-';
        mRest.remove_prefix(1);
    }

    void takeDigit(std::string& out) {
        out += mRest.front();
        mRest.remove_prefix(1);
    }

    void takeDigits(std::string& out) {
        while (atDigit()) takeDigit(out);
    }

    // All or nothing: "e", "e+" and "ex" are not exponents and stay unread.
    void takeExponent(DecimalText& d) {
        if (mRest.empty() || (mRest.front() != 'e' && mRest.front() != 'E')) return;
        std::size_t digitsAt = 1;
        if (mRest.size() > 1 && (mRest[1] == '+' || mRest[1] == '-')) digitsAt = 2;
        if (mRest.size() <= digitsAt || !isDigit(mRest[digitsAt])) return;
        d.expNegative = mRest[1] == '-';
        mRest.remove_prefix(digitsAt);
        takeDigits(d.expDigits);
    }

    // "1.5E" and "1.5E-" are on the way to "1.5E-3"; the field accepts them so that an exponent
    // can be typed key by key. The reader stops before such a marker.
    void takeUnfinishedExponent() {
        if (mRest.empty() || (mRest.front() != 'e' && mRest.front() != 'E')) return;
        const bool signed_ = mRest.size() > 1 && (mRest[1] == '+' || mRest[1] == '-');
        mRest.remove_prefix(signed_ ? 2 : 1);
    }

private:
    std::string_view mRest;
};

// Saturates far beyond any exponent a double can reach, so that a text of a million digits with a
// huge exponent still compares the right way round in decimalOrder.
long long exponentValue(const DecimalText& d) {
    constexpr long long kCap = 1'000'000'000'000'000;
    long long e = 0;
    for (char c : d.expDigits) {
        e = e * 10 + (c - '0');
        if (e >= kCap) {
            e = kCap;
            break;
        }
    }
    return d.expNegative ? -e : e;
}

// Power of ten of the leading non-zero digit. from_chars reports overflow and underflow alike
// as out of range; this tells them apart (only a number of at least 1 can overflow).
long long decimalOrder(const DecimalText& d) {
    long long order = 0;
    if (auto first = d.intDigits.find_first_not_of('0'); first != std::string::npos) {
        order = static_cast<long long>(d.intDigits.size() - 1 - first);
    } else if (auto firstFrac = d.fracDigits.find_first_not_of('0');
               firstFrac != std::string::npos) {
        order = -static_cast<long long>(firstFrac) - 1;
    } else {
        return -1;  // zero cannot overflow
    }
    return order + exponentValue(d);
}

// The double nearest to the number, or nothing when it lies beyond the largest double. A number
// too small for a double is 0 with its sign, which is what rounding to nearest gives.
std::optional<double> valueOf(const DecimalText& d) {
    std::string text;
    text.reserve(d.intDigits.size() + d.fracDigits.size() + d.expDigits.size() + 4);
    if (d.negative) text += '-';
    text += d.intDigits;
    if (!d.fracDigits.empty()) {
        text += '.';
        text += d.fracDigits;
    }
    if (!d.expDigits.empty()) {
        text += d.expNegative ? "e-" : "e";
        text += d.expDigits;
    }

    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc{} && end == text.data() + text.size()) return value;
    if (ec == std::errc::result_out_of_range && decimalOrder(d) < 0) return d.negative ? -0.0 : 0.0;
    return std::nullopt;
}

}  // namespace

NumberSeparators systemSeparators() {
    NumberSeparators sep;
    if (const std::lconv* conv = std::localeconv()) {
        if (conv->decimal_point && *conv->decimal_point) sep.decimalPoint = conv->decimal_point;
        if (conv->thousands_sep && *conv->thousands_sep) sep.thousands = conv->thousands_sep;
    }
    return sep;
}

bool isNumericText(std::string_view text, const NumberSeparators& sep) {
    Cursor cursor(text);
    DecimalText d;
    cursor.skipBlanks();
    cursor.takeSign(d.negative);

    bool endsWithSeparator = false;
    for (;;) {
        if (cursor.atDigit()) {
            cursor.takeDigit(d.intDigits);
            endsWithSeparator = false;
        } else if (!d.intDigits.empty() && !endsWithSeparator && !cursor.at(sep.decimalPoint) &&
                   cursor.take(sep.thousands)) {
            endsWithSeparator = true;
        } else {
            break;
        }
    }

    // A separator just typed ends the number; only blanks may follow it.
    if (!endsWithSeparator) {
        if (cursor.take(sep.decimalPoint)) cursor.takeDigits(d.fracDigits);
        if (d.intDigits.empty() && d.fracDigits.empty()) return false;
        cursor.takeExponent(d);
        if (d.expDigits.empty()) cursor.takeUnfinishedExponent();
    }
    cursor.skipBlanks();
    return cursor.atEnd() && valueOf(d).has_value();
}

double readLeadingNumber(std::string_view text, const NumberSeparators& sep) {
    Cursor cursor(text);
    DecimalText d;
    cursor.skipBlanks();
    cursor.takeSign(d.negative);
    cursor.takeDigits(d.intDigits);
    if (cursor.take(sep.decimalPoint)) cursor.takeDigits(d.fracDigits);
    if (d.intDigits.empty() && d.fracDigits.empty()) return 0.0;
    cursor.takeExponent(d);
    return valueOf(d).value_or(0.0);
}
