#pragma once

#include <string>

#include "core/actions/ActionMessages.h"

namespace vorda::actions {

// How the final actions talk to the user and to the diagnostic log.
class IActionReporter {
 public:
  virtual ~IActionReporter() = default;

  // The program's one error box with prefix + the message; a fatal one asks
  // the program to end, and any later one ends the process at once.
  virtual void ShowError(const std::wstring& prefix, TActionMessage text, bool fatal) = 0;
  // A box owned by the main window with an OK button and no icon; the caption
  // is the message `caption` followed by `captionSuffix`.
  virtual void ShowMessageBox(TActionMessage text, TActionMessage caption, const std::wstring& captionSuffix) = 0;
  // An event line of the diagnostic log, dropped while the log is off.
  virtual void LogEvent(const std::wstring& line) = 0;
};

}  // namespace vorda::actions
