// Duration texts, stored-time texts and raw date-time numbers from arbitrary
// bytes: nothing may crash, and whatever is accepted must convert back.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/text/Utf8.h"
#include "core/time/Duration.h"

using namespace vorda::time;

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

void Durations(const std::wstring& text) {
  const auto value = TextToDuration(text);
  if (!value) return;
  Check(*value >= DurationZero() && *value < DurationZero() + 366);
  const auto canonical = DurationToText(*value);
  Check(static_cast<bool>(canonical));
  const auto again = TextToDuration(*canonical);
  Check(again && *again == *value);
  Check(*DurationToText(*again) == *canonical);
}

void StoredTimes(const std::wstring& text) {
  const auto value = StringToTime(text);
  if (!value) return;
  Check(*value >= 0 && *value < 1);
  const std::wstring stored = TimeToString(*value, HourOf(*value));
  Check(stored.size() == 12);
  const auto again = StringToTime(stored);
  Check(again && *again == *value);
}

void RawNumber(const std::uint8_t* data) {
  double value = 0;
  std::memcpy(&value, data, sizeof value);
  const auto text = DurationToText(value);
  if (text) Check(static_cast<bool>(TextToDuration(*text)));
  const std::wstring stored = TimeToString(value, HourOf(value));
  Check(static_cast<bool>(StringToTime(stored)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::wstring text = vorda::text::FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
  Durations(text);
  StoredTimes(text);
  if (size == sizeof(double)) RawNumber(data);
  return 0;
}
