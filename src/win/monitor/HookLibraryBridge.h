#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "win/util/UniqueHandle.h"

namespace vorda::win {

// The program's side of the hook library "SH.dll": loads the library (or a
// private copy when another instance uses the installed file), hands it the
// shared block that says where to report, installs the system-wide hook and
// removes it again. One per process.
class TSHLibrary {
 public:
  static TSHLibrary& Get() noexcept;

  TSHLibrary(const TSHLibrary&) = delete;
  TSHLibrary& operator=(const TSHLibrary&) = delete;

  // Installs the hook of a kind (3, 5 or 10) reporting a hook code to a
  // window (the application's main window when none is given). Errors are
  // shown to the user; the caller logs its own line.
  bool InitSH(int kind, int code, HWND window);
  void DoneSH() noexcept;
  // Takes the library's procedure for the remembered kind, calls "Init" and
  // installs the hook for all threads of the desktop; 0 on any failure.
  HHOOK SetSHHook() noexcept;
  // Handler of WMSHDetach: unloads and reloads the library and hooks it again.
  void ReattachSH(WPARAM wParam) noexcept;
  // Reports stop while the program opens a web page or a new e-mail.
  void PauseSH() noexcept;
  void ResumeSH() noexcept;

  bool Loaded() const noexcept { return module_ != nullptr; }
  // 0: the installed file; n: the copy "SH" + n + ".dll" in the temporary folder.
  std::uint32_t CopyNumber() const noexcept { return copy_; }

 private:
  TSHLibrary() = default;

  bool CreateBlock(const std::wstring& path, bool& existed) noexcept;
  void MarkTarget(HWND window) noexcept;

  HMODULE module_ = nullptr;  // forgotten without unloading when the hook is refused
  UniqueKernelHandle block_;
  std::wstring path_;
  std::uint32_t copy_ = 0;
  int kind_ = 0;
  // The program's own copy of the hook handle: the block's copy is only for the
  // library's call of the next hook, and any process may write there.
  HHOOK hook_ = nullptr;
  HWND target_ = nullptr;
  HWND savedTarget_ = nullptr;
};

// Tells whether a library copy in the temporary folder belongs to a running
// instance (its block exists) or is loaded into this process.
bool IsSHCopyInUse(const std::wstring& path);
// Deletes the library copies of the temporary folder that nobody uses.
void CleanSHCopies();
// Start-up: cleans the copies with a chance of one in four.
void CleanSHCopiesSometimes();

}  // namespace vorda::win
