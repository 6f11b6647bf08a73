#pragma once

#include <string>

namespace vorda::win {

// The program's one error box: caption "Błąd", OK, owned by the application
// window. A fatal error asks the application to terminate; any error shown
// after a fatal one ends the process at once, without a box.
void ShowError(const std::wstring& text, bool fatal = false);

}  // namespace vorda::win
