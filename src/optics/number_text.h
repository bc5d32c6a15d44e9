#pragma once

#include <optional>
#include <string>
#include <string_view>

// Numbers are written and read with a full stop whatever the process locale:
// nothing here goes through printf, strtod or iostreams with a locale.
namespace ombrelune {

// The syntax of a number typed in an edit. Only the first 31 characters count.
// After leading blanks and tabs, a decimal number ([+-] digits [. digits] or
// [+-] . digits, optional exponent), then nothing but blanks and tabs. A zero is
// accepted only when its first non-blank character is the digit 0. No "inf",
// "nan" or hexadecimal forms. A number too large for a double reads as +-inf
// (the form TransferOut writes for an infinite value); one too small reads as 0.
std::optional<double> ParseEditNumber(std::string_view text);

// The leading decimal number of a line, read the way atof reads one: leading
// blanks skipped, reading stops at the first character that cannot continue the
// number, no number gives 0. Same decimal grammar as above.
double ParseLeadingNumber(std::string_view text);

// The leading integer of a line, read the way atoi reads one, but saturated to
// the int range instead of overflowing.
int ParseLeadingInt(std::string_view text);

// The text an edit shows for a value: "%.*g" with precision 15. Always accepted
// back by ParseEditNumber: minus zero is written "0", +-inf "1e999" / "-1e999",
// and NaN (only a damaged file can bring one) "0".
std::string FormatFieldValue(double value);

// printf("%*.*f", width, precision, value) in the C locale; NaN is written "nan"
// (never "-nan"), infinities "inf" / "-inf".
std::string FormatFixed(double value, int precision, int width = 0);

}  // namespace ombrelune
