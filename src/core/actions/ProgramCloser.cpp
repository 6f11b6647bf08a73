#include "core/actions/ProgramCloser.h"

#include "core/settings/TeskSettings.h"

namespace vorda::actions {

std::wstring_view ExtractFileExt(std::wstring_view path) noexcept {
  const std::size_t at = path.find_last_of(L".\\:");
  if (at == std::wstring_view::npos || path[at] != L'.') return {};
  return path.substr(at);
}

void TProgramCloser::CloseChosenProgram() {
  const std::wstring& closeApp = settings_.CloseApp();
  const std::size_t marker = closeApp.find(kClassMarker);
  if (marker != std::wstring::npos) {
    FHookPrg = api_.UpperCase(std::wstring_view(closeApp).substr(0, marker));
    FHookClass = api_.UpperCase(std::wstring_view(closeApp).substr(marker + kClassMarker.size()));
  } else {
    FHookPrg = api_.UpperCase(closeApp);
    FHookClass.clear();
  }
  // Neither a title nor a class would match every window on the desktop; the
  // settings never hold such an entry, and a damaged one must not close them all.
  if (FHookPrg.empty() && FHookClass.empty()) return;
  ownProcess_ = api_.OwnProcessId();
  ownTitle_ = api_.UpperCase(api_.ApplicationTitle());

  if (NamesExecutable())
    api_.EnumTopLevelWindows([this](TWindowId window) { CloseByExecutable(window); });
  else
    api_.EnumTopLevelWindows([this](TWindowId window) { CloseByTitleAndClass(window); });
}

bool TProgramCloser::NamesExecutable() {
  return ExtractFileExt(FHookPrg) == L".EXE" && api_.FileExists(FHookPrg) && api_.IsValidPath(FHookPrg);
}

bool TProgramCloser::IsOwnWindow(TWindowId window) { return api_.WindowProcessId(window) == ownProcess_; }

void TProgramCloser::CloseByExecutable(TWindowId window) {
  // Hidden windows count too: every window of such a process is closed.
  if (IsOwnWindow(window)) return;
  if (api_.UpperCase(api_.WindowExePath(window)) == FHookPrg) CloseWindowOrProcess(window, settings_.Force());
}

void TProgramCloser::CloseByTitleAndClass(TWindowId window) {
  if (!api_.IsAppWindow(window, true) || IsOwnWindow(window)) return;
  const std::wstring title = api_.UpperCase(api_.WindowTitle(window));
  if (title.empty() || title == L" ") return;
  if (title == ownTitle_) return;  // another instance of the program
  if (!FHookClass.empty() && api_.UpperCase(api_.WindowClass(window)) != FHookClass) return;
  if (FHookPrg.empty() || title == FHookPrg ||
      (!settings_.ExactProgramName() && title.find(FHookPrg) != std::wstring::npos))
    CloseWindowOrProcess(window, settings_.Force());
}

void TProgramCloser::CloseWindowOrProcess(TWindowId window, bool force) {
  if (!force) {
    api_.PostWindowMessage(window, kWmClose, 0, 0);
    return;
  }
  // Failures are ignored: the program ends right after.
  api_.TerminateProcess(api_.WindowProcessId(window), 0);
}

}  // namespace vorda::actions
