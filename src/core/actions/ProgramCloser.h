#pragma once

#include <string>
#include <string_view>

#include "core/actions/ProgramApi.h"

namespace vorda::settings {
class TTeskSettings;
}

namespace vorda::actions {

// The marker that tells a window class from a title in a program entry.
inline constexpr std::wstring_view kClassMarker = L"KO>>";

// The close-program action: closes every top-level window that the setting
// CloseApp names by title, by class or by executable file, and never one of
// the program itself.
class TProgramCloser {
 public:
  TProgramCloser(settings::TTeskSettings& settings, IProgramApi& api) noexcept : settings_(settings), api_(api) {}

  void CloseChosenProgram();
  // Posts WM_CLOSE to the window, or with `force` ends its process (exit code 0).
  void CloseWindowOrProcess(TWindowId window, bool force);

  // The parts of CloseApp in upper case, as the last CloseChosenProgram split it.
  const std::wstring& HookProgramName() const noexcept { return FHookPrg; }
  const std::wstring& HookWindowClass() const noexcept { return FHookClass; }

 private:
  bool NamesExecutable();
  void CloseByExecutable(TWindowId window);
  void CloseByTitleAndClass(TWindowId window);
  bool IsOwnWindow(TWindowId window);

  settings::TTeskSettings& settings_;
  IProgramApi& api_;
  std::wstring FHookPrg;
  std::wstring FHookClass;
  std::wstring ownTitle_;
  TProcessId ownProcess_ = 0;
};

// The extension of a file name from its last point on, empty when the last
// point comes before the last folder or drive separator.
std::wstring_view ExtractFileExt(std::wstring_view path) noexcept;

}  // namespace vorda::actions
