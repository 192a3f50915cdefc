#include "TextNumber.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double Val(const std::string& text) {
  const char* s = text.data();
  const size_t n = text.size();
  size_t i = 0;
  while (i < n && (s[i] == ' ' || s[i] == '\t')) ++i;

  bool negative = false;
  if (i < n && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  const size_t start = i;
  size_t digits = 0;
  while (i < n && IsDigit(s[i])) ++i, ++digits;
  if (i < n && s[i] == '.') {
    ++i;
    while (i < n && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < n && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < n && IsDigit(s[j])) {
      while (j < n && IsDigit(s[j])) ++j;
      i = j;
    }
  }

  double value = 0.0;
  const auto result = std::from_chars(s + start, s + i, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large or too small for a double. It is too small when its exponent
    // is negative, or when it has none and its whole part is 0.
    bool exponent = false, negativeExponent = false, wholePart = false, fraction = false;
    for (size_t k = start; k < i; ++k) {
      if (s[k] == 'e' || s[k] == 'E') {
        exponent = true;
        negativeExponent = s[k + 1] == '-';
        break;
      }
      if (s[k] == '.') fraction = true;
      else if (!fraction && s[k] != '0') wholePart = true;
    }
    const bool overflow = exponent ? !negativeExponent : wholePart;
    value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

std::string Str(double d) {
  if (std::isnan(d)) return "NAN";
  if (std::isinf(d)) return d < 0 ? "-INF" : "INF";
  if (d == 0.0) return "0";
  char buffer[64];
  std::to_chars_result r;
  if (d == std::floor(d) && std::fabs(d) < 1e15) {
    r = std::to_chars(buffer, buffer + sizeof buffer, d, std::chars_format::fixed);
  } else {
    r = std::to_chars(buffer, buffer + sizeof buffer, d);
  }
  return std::string(buffer, r.ptr);
}

std::string Str(int32_t i) { return std::to_string(i); }

std::string Mid(const std::string& text, int32_t start, int32_t length) {
  if (start < 1) start = 1;
  const size_t from = static_cast<size_t>(start) - 1;
  if (from >= text.size() || length <= 0) return std::string();
  return text.substr(from, static_cast<size_t>(length));
}

std::string Mid(const std::string& text, int32_t start) {
  return Mid(text, start, std::numeric_limits<int32_t>::max());
}

int32_t Len(const std::string& text) { return static_cast<int32_t>(text.size()); }

std::string Chr(int32_t code) {
  std::string s;
  const uint32_t c = static_cast<uint32_t>(code);
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | ((c >> 18) & 0x07));
    s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}
