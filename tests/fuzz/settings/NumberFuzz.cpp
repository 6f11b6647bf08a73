// The registry reader's number conversions from arbitrary bytes: the first
// byte picks the locale's decimal separator, the rest is the stored text.
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "core/registry/NumberText.h"
#include "core/text/Utf8.h"

using namespace vorda::registry;

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const wchar_t separator = data[0] % 2 ? L',' : L'.';
  const std::wstring text =
      vorda::text::FromUtf8(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));

  if (const auto value = SeparatorTolerantToFloat(text, separator)) Check(std::isfinite(*value));
  if (const auto value = StrToFloat(text, separator)) Check(std::isfinite(*value));

  // A plain decimal (digits, or digits, one separator, digits) reads the same
  // whichever separator it was written with.
  bool plain = !text.empty() && text.front() != separator && text.back() != separator;
  int separators = 0;
  for (const wchar_t c : text) {
    if (c == separator)
      ++separators;
    else if (c < L'0' || c > L'9')
      plain = false;
  }
  if (plain && separators <= 1) {
    const auto strict = StrToFloat(text, separator);
    Check(strict.has_value() || text.size() > 300);  // only an overflow may refuse it
    std::wstring other = text;
    for (auto& c : other)
      if (c == separator) c = L';';
    const auto tolerant = SeparatorTolerantToFloat(other, separator);
    Check(tolerant == strict);
  }
  if (const auto n = ParseDecimal(text)) {
    const std::wstring back = std::to_wstring(*n);
    Check(ParseDecimal(back) == n);
    if (const auto i = StrToInt(text)) Check(*i == *n);
  }
  return 0;
}
