#pragma once

#include <string>
#include <string_view>

// The three forms in which the windows show numbers. All of them write '.' as the decimal point
// and never depend on the process locale: they are built on std::to_chars, not on printf or
// streams, which follow setlocale.

// Plain form, for coordinates, the frequency and the result fields: the shortest text that reads
// back as the same double, but at most 15 significant digits, so that 0.1 + 0.2 shows "0.3"
// rather than the binary noise in its 17th digit. No leading blank, no trailing zeros, no decimal
// point for whole numbers, "0" for both zeros, "0.5" for a half. Magnitudes of 1E+15 and above and
// below 0.0001 (after rounding to 15 digits) are written with an exponent of at least two digits:
// "1.5E+20", "-2.5E-07". Infinity and NaN, which no field should ever hold, show as "inf", "-inf"
// and "nan".
std::string plainText(double x);

// The plain form with the given decimal separator: the result fields and the frequency label
// follow the system's locale, as the number field of the dialogs does when it reads.
std::string plainText(double x, std::string_view decimalPoint);

// Form of the part value labels: the plain form behind one blank for a number that is not
// negative, and without the zero in front of the decimal point: " 4.7", " .5", "-.5", " 0".
std::string signedText(double x);

// Whole-number form of the impedance part labels: the value rounded to the nearest integer,
// halves away from zero, written out in full without exponent ("100000000000000000000").
// Digits past the 15th significant one are shown as zeros, as the plain form would round them.
// Infinity and NaN show as "0".
std::string wholeText(double x);
