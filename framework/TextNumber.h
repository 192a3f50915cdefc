#pragma once
// Number and text functions. Each rule is chosen once here and used everywhere.
//
// Texts are byte strings (UTF-8); positions count bytes from 1.

#include <cmath>
#include <cstdint>
#include <string>

// The one rule for storing a double in a 32-bit integer: the fraction is cut off
// (truncation toward zero: 2.9 gives 2, -2.9 gives -2); a value beyond the
// Int32 range gives the nearest end of the range; NaN gives 0.
inline int32_t ToInt32(double d) {
  if (d != d) return 0;  // NaN
  if (d >= 2147483647.0) return 2147483647;
  if (d <= -2147483648.0) return -2147483647 - 1;
  return static_cast<int32_t>(d);
}

// The number at the start of a text, as a double.
// Accepted, in this order: leading blanks (spaces and tabs); an optional sign
// (+ or -); digits with an optional decimal point and fraction (".5" and "5."
// count); an optional exponent, e or E with an optional sign and at least one
// digit ("1e3" is 1000; in "1e" the e is not part of the number). Reading stops
// at the first character that does not fit, so "42abc" is 42 and "12.5.3" is
// 12.5. The decimal point is always ".", whatever the user's locale.
// A text with no number at its start ("", "abc", "-", ".", "e5") is 0.
// Words such as "inf" and "nan" are not numbers. A value too large for a double
// is infinity with its sign.
double Val(const std::string& text);

// A double as text. A whole number below 10^15 in magnitude is written as plain
// decimal digits with a leading minus when negative, no decimal point and no
// exponent ("0", "1", "1000", "-1"; -0 is "0"), and Val reads it back exactly.
// Any other value is written in the shortest form that Val reads back to the
// same double: "0.5", "2.75", "0.1", "1e+20", "1.5e-07". Infinity is "INF" or
// "-INF", NaN is "NAN".
std::string Str(double d);
// A 32-bit integer as plain decimal digits.
std::string Str(int32_t i);

// The nearest whole number; a half goes away from zero (2.5 gives 3, -2.5 gives -3).
inline double Round(double d) { return std::round(d); }
inline double Floor(double d) { return std::floor(d); }
inline double Abs(double d) { return std::fabs(d); }
inline int32_t Abs(int32_t i) { return i < 0 ? -i : i; }
// x to the power y.
inline double Pow(double x, double y) { return std::pow(x, y); }
inline double Min(double a, double b) { return b < a ? b : a; }
// Angles in radians.
inline double Sin(double a) { return std::sin(a); }
inline double Cos(double a) { return std::cos(a); }

// length bytes of text from position start (counted from 1). A start beyond the
// end gives ""; a start below 1 counts as 1; the length is cut at the end.
std::string Mid(const std::string& text, int32_t start, int32_t length);
// The rest of text from position start.
std::string Mid(const std::string& text, int32_t start);
// The number of bytes in text.
int32_t Len(const std::string& text);
// The character with the given code: codes 0 to 127 are one byte (Chr(13) is
// the carriage return that starts a new line in drawn and label text); higher
// codes are written in UTF-8.
std::string Chr(int32_t code);
