#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vorda::actions {

// An opaque top-level window handle and a process identifier.
using TWindowId = std::uintptr_t;
using TProcessId = std::uint32_t;

inline constexpr std::uint32_t kWmClose = 0x0010;

// The running programs as the close-program action sees them: their top-level
// windows and processes, the files they start from, and the system's rules
// for comparing their names.
class IProgramApi {
 public:
  virtual ~IProgramApi() = default;

  // Every top-level window, hidden ones included, in the system's order.
  virtual void EnumTopLevelWindows(const std::function<void(TWindowId)>& visit) = 0;
  // Visible or minimised, not owned, not a tool window; optionally not the
  // application's own hidden window.
  virtual bool IsAppWindow(TWindowId window, bool excludeApplication) = 0;
  virtual std::wstring WindowTitle(TWindowId window) = 0;
  // At most 63 characters.
  virtual std::wstring WindowClass(TWindowId window) = 0;
  // 0 when the window is gone.
  virtual TProcessId WindowProcessId(TWindowId window) = 0;
  // The full executable path of the window's process; empty when unknown.
  virtual std::wstring WindowExePath(TWindowId window) = 0;
  virtual void PostWindowMessage(TWindowId window, std::uint32_t message, std::uintptr_t wParam,
                                 std::intptr_t lParam) = 0;
  // Opens the process for termination and ends it; false when either failed.
  virtual bool TerminateProcess(TProcessId process, std::uint32_t exitCode) = 0;

  virtual TProcessId OwnProcessId() = 0;
  virtual std::wstring ApplicationTitle() = 0;

  // Upper case by the system's locale rules.
  virtual std::wstring UpperCase(std::wstring_view text) = 0;
  // A file (links followed), not a folder.
  virtual bool FileExists(const std::wstring& path) = 0;
  // Not relative, with a folder part, without ? / * < > | or double quotes.
  virtual bool IsValidPath(const std::wstring& path) = 0;
};

}  // namespace vorda::actions
