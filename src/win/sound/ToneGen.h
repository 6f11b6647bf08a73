#pragma once

#include <string>

#include "core/sound/ToneGen.h"

namespace vorda::win {

// The tone generator playing through the system's sound output.
class TToneGen final : public sound::TToneGen {
 public:
  TToneGen() noexcept;

  // Writes the whole image of the last build (header, data and the spare
  // tail, BufferSize bytes) to a new or replaced file. False without a build
  // or when the file cannot be created or written.
  bool ExportFile(const std::wstring& fileName) const noexcept;
};

}  // namespace vorda::win
