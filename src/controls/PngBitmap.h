#pragma once

#include <windows.h>

#include "controls/Gdi.h"

namespace vorda::controls {

// A PNG picture of the module's resources (type RCDATA) as a 32-bit bitmap
// with premultiplied alpha, ready for TImageButton; empty when the resource
// is missing or not a PNG of 8-bit RGBA.
TDib32 LoadPngResource(HMODULE module, const wchar_t* name) noexcept;

}  // namespace vorda::controls
