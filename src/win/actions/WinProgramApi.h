#pragma once

#include <optional>

#include "core/actions/ProgramApi.h"
#include "win/actions/ProcessList.h"

namespace vorda::win {

// The running programs over Win32, for the close-program action.
class TWinProgramApi final : public actions::IProgramApi {
 public:
  void EnumTopLevelWindows(const std::function<void(actions::TWindowId)>& visit) override;
  bool IsAppWindow(actions::TWindowId window, bool excludeApplication) override;
  std::wstring WindowTitle(actions::TWindowId window) override;
  std::wstring WindowClass(actions::TWindowId window) override;
  actions::TProcessId WindowProcessId(actions::TWindowId window) override;
  // One process list serves a whole enumeration of the windows.
  std::wstring WindowExePath(actions::TWindowId window) override;
  void PostWindowMessage(actions::TWindowId window, std::uint32_t message, std::uintptr_t wParam,
                   std::intptr_t lParam) override;
  bool TerminateProcess(actions::TProcessId process, std::uint32_t exitCode) override;
  actions::TProcessId OwnProcessId() override;
  std::wstring ApplicationTitle() override;
  std::wstring UpperCase(std::wstring_view text) override;
  bool FileExists(const std::wstring& path) override;
  bool IsValidPath(const std::wstring& path) override;

 private:
  std::optional<TAProcessInfo> processes_;
};

}  // namespace vorda::win
