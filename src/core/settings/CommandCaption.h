#pragma once

#include <string>
#include <string_view>

#include "core/settings/TeskCommand.h"

namespace vorda::settings {

// The label above the triggers from the caption of a final action's option:
// a colon appended unless the caption is the close-program one (which has its
// own), and the first "&" removed.
std::wstring CommandCaption(std::wstring_view optionCaption, TTeskCommand action);

}  // namespace vorda::settings
