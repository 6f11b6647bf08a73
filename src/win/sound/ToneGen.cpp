#include "win/sound/ToneGen.h"

#include <windows.h>

#include "win/sound/WaveOut.h"
#include "win/util/UniqueHandle.h"

namespace vorda::win {

TToneGen::TToneGen() noexcept : sound::TToneGen(&SystemWaveOut()) {}

bool TToneGen::ExportFile(const std::wstring& fileName) const noexcept {
  const std::uint8_t* image = GetDataBuffer();
  if (!image) return false;
  UniqueFileHandle file(
      ::CreateFileW(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return ::WriteFile(file.Get(), image, BufferSize(), &written, nullptr) && written == BufferSize();
}

}  // namespace vorda::win
