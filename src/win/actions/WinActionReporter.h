#pragma once

#include <windows.h>

#include "core/actions/ActionReporter.h"

namespace vorda::win {

// The error boxes and log lines of the final actions.
class TWinActionReporter final : public actions::IActionReporter {
 public:
  // `owner` is the main window, which owns the boxes that are not ShowError's.
  explicit TWinActionReporter(HWND owner) noexcept : owner_(owner) {}

  void ShowError(const std::wstring& prefix, actions::TActionMessage text, bool fatal) override;
  void ShowMessageBox(actions::TActionMessage text, actions::TActionMessage caption,
                      const std::wstring& captionSuffix) override;
  void LogEvent(const std::wstring& line) override;

  // The string table identifier of a message.
  static unsigned StringId(actions::TActionMessage message) noexcept;

 private:
  HWND owner_;
};

}  // namespace vorda::win
