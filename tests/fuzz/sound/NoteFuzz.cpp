// libFuzzer target: any text and any octave go through the note parser.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/sound/Note.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  std::int32_t octaveIn;
  std::memcpy(&octaveIn, data, 4);
  // Two bytes a character, as the platform's texts are UTF-16.
  std::wstring text;
  for (std::size_t i = 4; i + 1 < size; i += 2) text.push_back(static_cast<wchar_t>(data[i] | data[i + 1] << 8));
  int octave = octaveIn;
  const int f = vorda::sound::ParseNote(text, octave);
  if (f != 0 && (f < 20 || f > 20000)) __builtin_trap();
  if (f == 0 && octave != octaveIn) __builtin_trap();
  return 0;
}
