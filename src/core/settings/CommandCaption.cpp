#include "core/settings/CommandCaption.h"

namespace vorda::settings {

std::wstring CommandCaption(std::wstring_view optionCaption, TTeskCommand action) {
  std::wstring caption(optionCaption);
  if (action != tcmdCloseProgram) caption += L':';
  if (const auto amp = caption.find(L'&'); amp != std::wstring::npos) caption.erase(amp, 1);
  return caption;
}

}  // namespace vorda::settings
