#include "number_text.h"

#include <locale.h>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace ombrelune {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Length of the longest decimal number at the start of s ([+-] digits [. digits]
// or [+-] . digits, then an optional exponent that counts only when it has
// digits), or 0 when s does not start with one.
size_t DecimalPrefixLength(std::string_view s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) ++j;
      i = j;
    }
  }
  return i;
}

// Converts a text already known to be a decimal number. strtod in the C locale
// rounds correctly, gives +-HUGE_VAL (inf) on overflow and 0 on underflow.
double ConvertDecimal(std::string_view number) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  char small[64];
  std::string large;
  const char* text;
  if (number.size() < sizeof small) {
    std::memcpy(small, number.data(), number.size());
    small[number.size()] = '\0';
    text = small;
  } else {
    large.assign(number);
    text = large.c_str();
  }
  return strtod_l(text, nullptr, cLocale);
}

}  // namespace

std::optional<double> ParseEditNumber(std::string_view text) {
  text = text.substr(0, 31);
  size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  const std::string_view rest = text.substr(start);
  const size_t length = DecimalPrefixLength(rest);
  if (length == 0) return std::nullopt;
  for (size_t i = length; i < rest.size(); ++i) {
    if (!IsBlank(rest[i])) return std::nullopt;
  }
  const double value = ConvertDecimal(rest.substr(0, length));
  // "-0", "+0" and ".0" are refused; "0", "00", "0.0" and "0e5" are zero.
  if (value == 0 && rest[0] != '0') return std::nullopt;
  return value;
}

double ParseLeadingNumber(std::string_view text) {
  size_t start = 0;
  // atof skips every white-space character, not only blanks and tabs.
  while (start < text.size() && std::strchr(" \t\n\v\f\r", text[start]) && text[start] != '\0') {
    ++start;
  }
  const std::string_view rest = text.substr(start);
  const size_t length = DecimalPrefixLength(rest);
  return length == 0 ? 0.0 : ConvertDecimal(rest.substr(0, length));
}

int ParseLeadingInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && std::strchr(" \t\n\v\f\r", text[i]) && text[i] != '\0') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

std::string FormatFieldValue(double value) {
  if (std::isnan(value) || value == 0) return "0";
  if (std::isinf(value)) return value > 0 ? "1e999" : "-1e999";
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  return std::string(buffer, result.ptr);
}

std::string FormatFixed(double value, int precision, int width) {
  std::string text;
  if (std::isnan(value)) {
    text = "nan";
  } else if (std::isinf(value)) {
    text = value > 0 ? "inf" : "-inf";
  } else {
    // %f of 1e308 has 309 digits before the point.
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    text.assign(buffer, result.ptr);
  }
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  return text;
}

}  // namespace ombrelune
