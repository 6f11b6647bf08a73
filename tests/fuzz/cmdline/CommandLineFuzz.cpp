// Whole command lines from arbitrary bytes: nothing may crash, a start is
// asked for only after a trigger was chosen without an error, and every time
// option sets a part within its range.
#include <cstddef>
#include <cstdint>
#include <variant>

#include "core/cmdline/CommandLine.h"
#include "core/text/Utf8.h"

using namespace vorda::cmdline;

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses the stored program name: none, "?" or a name.
  const wchar_t* stored[] = {L"", L"?", L"notepad.exe"};
  const std::wstring line =
      vorda::text::FromUtf8(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  const TCmdLineResult r = ParseCommandLine(line, stored[data[0] % 3]);

  bool selected = false;
  for (const TCmdLineStep& step : r.steps) {
    if (const auto* s = std::get_if<TSelectTrigger>(&step)) {
      Check(s->trigger >= 1 && s->trigger <= 4);
      Check(!s->programName || (s->trigger == 4 && *s->programName != L"?"));
      selected = true;
    } else if (const auto* p = std::get_if<TSetPickerPart>(&step)) {
      Check(p->value <= (p->part == TPickerPart::ppHour ? 23 : 59));
    }
  }
  if (r.start) Check(selected && !r.failed && r.mode > 100);
  if (r.failed) Check(!r.start);

  const vorda::time::TDateTime picker = 0.5;
  for (int part = 0; part < 3; ++part) {
    const auto changed = SetPickerTimePart(picker, static_cast<int>(size) - 40, static_cast<TPickerPart>(part));
    Check(changed >= 0 && changed < 1);
  }
  return 0;
}
