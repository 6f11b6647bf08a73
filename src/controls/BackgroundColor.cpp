#include "controls/BackgroundColor.h"

#include <stdexcept>

#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "core/text/Utf8.h"

namespace vorda::controls {

TColor ValidityColor(bool enabled, bool notEmpty, bool valid) noexcept {
  if (!enabled) return clBtnFace;
  if (notEmpty && valid) return clWindow;
  if (!notEmpty) return kEmptyFieldColor;
  return kInvalidFieldColor;
}

bool SetBackgroundColor(TControl& control, bool notEmpty, bool valid) {
  const TColor color = ValidityColor(control.Enabled(), notEmpty, valid);
  if (auto* edit = dynamic_cast<TEdit*>(&control)) {
    edit->SetColor(color);
  } else if (auto* combo = dynamic_cast<TComboBox*>(&control)) {
    if (!combo->DroppedDown()) combo->SetColor(color);
  } else {
    wchar_t name[64] = {};
    ::GetClassNameW(control.Handle(), name, 64);
    throw std::invalid_argument("Unsupported Class " + text::ToUtf8(name) + " in SetBackgroundColor");
  }
  return notEmpty && valid;
}

}  // namespace vorda::controls
