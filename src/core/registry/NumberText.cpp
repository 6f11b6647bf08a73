#include "core/registry/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace vorda::registry {
namespace {

bool IsDigit(wchar_t c) noexcept { return c >= L'0' && c <= L'9'; }

}  // namespace

std::optional<std::int64_t> ParseDecimal(std::wstring_view text) noexcept {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  if (i == text.size()) return std::nullopt;
  // Accumulate as a negative number so that the lowest value fits too.
  std::int64_t value = 0;
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  for (; i < text.size(); ++i) {
    if (!IsDigit(text[i])) return std::nullopt;
    const int digit = text[i] - L'0';
    if (value < (kMin + digit) / 10) return std::nullopt;
    value = value * 10 - digit;
  }
  if (!negative) {
    if (value == kMin) return std::nullopt;
    value = -value;
  }
  return value;
}

std::optional<std::int32_t> StrToInt(std::wstring_view text) noexcept {
  const auto v = ParseDecimal(text);
  if (!v || *v < std::numeric_limits<std::int32_t>::min() || *v > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(*v);
}

std::optional<double> StrToFloat(std::wstring_view text, wchar_t decimalSeparator) noexcept {
  // Check the shape ourselves and hand an ASCII copy to from_chars, which
  // knows nothing of the locale.
  std::string ascii;
  try {
    ascii.reserve(text.size());
  } catch (...) {
    return std::nullopt;
  }
  std::size_t i = 0;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
    if (text[i] == L'-') ascii += '-';
    ++i;
  }
  std::size_t digits = 0;
  bool separator = false;
  for (; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (IsDigit(c)) {
      ascii += static_cast<char>(c);
      ++digits;
    } else if (c == decimalSeparator && !separator) {
      ascii += '.';
      separator = true;
    } else {
      break;
    }
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
    ascii += 'e';
    ++i;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) ascii += static_cast<char>(text[i++]);
    std::size_t expDigits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++expDigits) ascii += static_cast<char>(text[i]);
    if (expDigits == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;

  double value = 0;
  const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (ec != std::errc() || end != ascii.data() + ascii.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<double> SeparatorTolerantToFloat(std::wstring_view text, wchar_t decimalSeparator) {
  std::wstring s(text);
  if (s.size() > 2) {
    // The first and the last character are never a separator.
    std::size_t runStart = std::wstring::npos;
    std::size_t runEnd = 0;
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
      if (IsDigit(s[i])) continue;
      if (runStart == std::wstring::npos) {
        runStart = i;
      } else if (i != runEnd) {
        return std::nullopt;  // a second run of non-digits
      }
      runEnd = i + 1;
    }
    if (runStart != std::wstring::npos) s.replace(runStart, runEnd - runStart, 1, decimalSeparator);
  }
  return StrToFloat(s, decimalSeparator);
}

}  // namespace vorda::registry
