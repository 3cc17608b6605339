#pragma once

#include <string>
#include <string_view>

// The decimal point and thousands separator of the user's locale. Either may be several bytes of
// UTF-8 (the narrow no-break space "\u202f" groups thousands in several European locales).
struct NumberSeparators {
    std::string decimalPoint = ".";
    std::string thousands = ",";
};

// The separators of the C library's current LC_NUMERIC. The C and POSIX locales have no thousands
// separator at all; "," stands in for it so that "1,000" is still accepted there. Where the decimal
// point and the thousands separator are the same text, the decimal point wins.
NumberSeparators systemSeparators();

// Whether the whole text is one number: blanks (space, tab) around it, a sign in front, digits
// with thousands separators, at most one decimal point and an exponent ("e5", "E-07").
//
// The value fields test their text after every keystroke and empty it when the test fails, so
// every prefix of a number the user may type must pass: "1," and "1,0" are numbers on the way to
// "1,000", and the size of the digit groups is therefore not checked. A thousands separator must
// follow a digit of the integer part and be followed by a digit or end the number ("1,,0", ",1",
// "1,.5" and "1.0,0" are not numbers).
//
// "inf", "nan", hexadecimal numbers and texts too large for a double are refused: the value read
// from an accepted text must be one the calculation can work with. A text too small for a double
// ("1e-999") is accepted and reads as 0, the nearest double.
bool isNumericText(std::string_view text, const NumberSeparators& sep = systemSeparators());

// The plain decimal number at the start of the text: blanks skipped, then an optional sign,
// digits, one decimal point and an exponent. Reading stops at the first character that cannot
// continue the number, so a thousands separator ends it ("1,000" reads 1) and an exponent marker
// without digits is left unread ("1e" reads 1). A text with no digits in front reads 0.
//
// The result is always finite. A number too large for a double reads 0 like an unreadable text:
// the fields never pass such a text here, and neither the largest double (which the unit multiplier
// would turn into infinity) nor infinity itself would be a value the calculation can use.
//
// Parsed by hand and std::from_chars rather than strtod, whose decimal point follows the process
// locale once the application has called setlocale(LC_ALL, "").
double readLeadingNumber(std::string_view text, const NumberSeparators& sep = systemSeparators());
