#include "win/cmdline/ProcessCmdLine.h"

#include <windows.h>

#include "core/cmdline/CmdLine.h"

namespace vorda::win {
namespace {

int gCachedInstance = 1;

std::wstring_view CommandLine() noexcept {
  const wchar_t* line = ::GetCommandLineW();
  return line ? std::wstring_view(line) : std::wstring_view();
}

}  // namespace

void LowerCaseCommandLine() noexcept {
  static bool done = false;
  if (done) return;
  done = true;
  wchar_t* line = ::GetCommandLineW();
  if (line) ::CharLowerBuffW(line, static_cast<DWORD>(::lstrlenW(line)));
  try {
    gCachedInstance = InstanceNumber();
  } catch (...) {
    gCachedInstance = 1;
  }
}

std::wstring CmdLineParam(int index) { return cmdline::ParamAt(CommandLine(), index); }

int CmdLineParamCount() { return cmdline::ParamCount(CommandLine()); }

int InstanceNumber() { return cmdline::InstanceNumberOf(CommandLine()); }

int CachedInstanceNumber() noexcept { return gCachedInstance; }

}  // namespace vorda::win
