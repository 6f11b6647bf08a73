#pragma once

#include "controls/Color.h"
#include "controls/Control.h"

namespace vorda::controls {

// The colours of an input field by the validity of its content.
inline constexpr TColor kEmptyFieldColor = 0xE0FFE0;    // light green: nothing entered yet
inline constexpr TColor kInvalidFieldColor = 0xE0E0FF;  // light red: something wrong entered

// The colour of a field: the face colour while disabled, the window colour
// when it holds something valid, otherwise light green or light red.
TColor ValidityColor(bool enabled, bool notEmpty, bool valid) noexcept;

// Colours an edit field or a combo box (the latter only while its list is
// closed); the result is notEmpty and valid. Any other control is a
// programming error: std::invalid_argument "Unsupported Class <class> in
// SetBackgroundColor".
bool SetBackgroundColor(TControl& control, bool notEmpty, bool valid);

}  // namespace vorda::controls
