#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorda::registry {

// A strict decimal integer: an optional sign and one or more ASCII digits,
// nothing else (no blanks). Nothing when the text is not such a number or
// does not fit 64 bits.
std::optional<std::int64_t> ParseDecimal(std::wstring_view text) noexcept;

// ParseDecimal limited to the 32-bit signed range.
std::optional<std::int32_t> StrToInt(std::wstring_view text) noexcept;

// The locale's strict decimal conversion: an optional sign, digits with at
// most one decimal separator (at least one digit in all), an optional
// exponent. No blanks, no grouping.
std::optional<double> StrToFloat(std::wstring_view text, wchar_t decimalSeparator) noexcept;

// Reads a decimal number written with any one separator: the unbroken run of
// non-digits between the first and the last character becomes the locale's
// decimal separator; a second run is an error. "2.5", "2,5" and even "1e5"
// (read as 1.5) give numbers; "1.234,5" does not.
std::optional<double> SeparatorTolerantToFloat(std::wstring_view text, wchar_t decimalSeparator);

}  // namespace vorda::registry
