// The hand-off record as a foreign process may leave it: decoding never reads
// past the record, the text stays within its 200 units, and re-encoding what
// was read gives the same reading.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/handoff/TeskRecord.h"

using namespace vorda::handoff;

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Exactly the bytes given: the sanitizer sees any read past them.
  std::vector<std::uint8_t> buffer(data, data + size);
  const auto record = DecodeRecord(buffer);
  if (size < kRecordSize) {
    Check(!record);
    return 0;
  }
  Check(record.has_value());
  Check(record->event.size() <= kEventUnits * 2);  // a lone surrogate may widen on 32-bit wchar_t

  if (const auto when = ParseEventDateTime(record->event)) {
    const auto text = FormatEventDateTime(*when);
    Check(text && ParseEventDateTime(*text) == when);
  }
  std::vector<std::uint8_t> copy(kRecordSize);
  if (EncodeRecord(copy, *record)) {
    const auto again = DecodeRecord(copy);
    Check(again && again->wnd == record->wnd && again->ver == record->ver && again->eventType == record->eventType);
  }
  return 0;
}
