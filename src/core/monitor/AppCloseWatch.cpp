#include "core/monitor/AppCloseWatch.h"

#include <algorithm>

#include "core/monitor/ShShared.h"

namespace vorda::monitor {
namespace {

using programs::kClassMarker;

bool IsBlank(std::wstring_view text) noexcept {
  return std::all_of(text.begin(), text.end(), [](wchar_t ch) { return ch == L' '; });
}

const programs::TSpecPrg* FindSpecialProgram(const TAppWatch& watch, const programs::TSpecPrgTable& table,
                                             const TUpper& upper) {
  for (const programs::TSpecPrg& row : table) {
    switch (watch.monType) {
      case programs::wicWindowClass:
        if (watch.hookPrg == row.szukana_klasa) return &row;
        break;
      case programs::wicMainWindow:
        // Compared with case: a class not typed in upper case is no special program.
        if (watch.hookClass == row.szukana_klasa) return &row;
        break;
      case programs::wicProgramName:
        for (const std::wstring& title : row.naglowki)
          if (upper(title) == watch.hookPrg) return &row;
        break;
    }
  }
  return nullptr;
}

}  // namespace

std::optional<TAppWatch> ParseWatchedProgram(std::wstring_view text, const std::vector<std::wstring>& listEntries,
                                             const programs::TSpecPrgTable& specPrograms, const TUpper& upper) {
  std::size_t marker = text.find(kClassMarker);
  if (marker == 1) {
    const std::wstring upperText = upper(text);
    for (const std::wstring& entry : listEntries)
      if (upper(entry) == upperText) {
        marker = std::wstring_view::npos;
        break;
      }
  }

  TAppWatch watch;
  if (marker == std::wstring_view::npos) {
    watch.monType = programs::wicProgramName;
    watch.hookPrg = upper(text);
    watch.display = text;
  } else if (marker == 0) {
    const std::wstring_view cls = text.substr(kClassMarker.size());
    watch.monType = programs::wicWindowClass;
    watch.hookPrg = upper(cls);
    watch.display = cls;
  } else {
    const std::wstring_view title = text.substr(0, marker);
    const std::wstring_view cls = text.substr(marker + kClassMarker.size());
    watch.monType = programs::wicMainWindow;
    watch.hookClass = cls;
    watch.hookPrg = upper(title);
    watch.display = watch.hookPrg == L"?" ? std::wstring(cls) : std::wstring(title) + L" (" + std::wstring(cls) + L")";
  }
  if (IsBlank(watch.display)) return std::nullopt;

  if (const programs::TSpecPrg* row = FindSpecialProgram(watch, specPrograms, upper)) {
    watch.special = true;
    watch.display = row->widoczna_nazwa;
    if (!row->mon_prg.empty() && !row->mon_class.empty()) {
      watch.monType = programs::wicMainWindow;
      watch.hookPrg = row->mon_prg;
      watch.hookClass = row->mon_class;
    } else if (!row->mon_prg.empty()) {
      watch.monType = programs::wicProgramName;
      watch.hookPrg = row->mon_prg;
    } else {
      watch.monType = programs::wicWindowClass;
      watch.hookPrg = row->mon_class;
    }
  }
  watch.windowClassDescription =
      !watch.special && (watch.monType == programs::wicWindowClass || watch.hookPrg == L"?");
  return watch;
}

THookMode AppClosedHookMode(bool watchInternalWindows) noexcept {
  if (watchInternalWindows) return {kHookCbt, kCodeCbtDestroyWnd};
  return {kHookShell, kCodeShellWindowDestroyed};
}

bool IsWatchedProgramClosed(std::wstring_view closedUpper, std::wstring_view hookPrg, bool exactProgramName) noexcept {
  if (closedUpper == hookPrg) return true;
  return !exactProgramName && !hookPrg.empty() && closedUpper.find(hookPrg) != std::wstring_view::npos;
}

std::wstring LastClosedText(programs::TWhoIsClosed type, std::wstring_view lastClosed, std::wstring_view closedUpper) {
  if (type != programs::wicWindowClass) return std::wstring(closedUpper);
  if (lastClosed.empty()) return {};
  return std::wstring(lastClosed) + L" (" + std::wstring(closedUpper) + L")";
}

bool PollStep(bool& appWasRunning, bool found) noexcept {
  if (!appWasRunning) {
    appWasRunning = found;
    return false;
  }
  return !found;
}

time::TDateTime GracePeriod(std::int32_t seconds) noexcept {
  // The advanced dialog offers 0 to 119 seconds; a hand-edited registry may
  // hold up to 128, which are as many seconds too.
  const std::int32_t s = std::clamp<std::int32_t>(seconds, 0, 59 * 60 + 59);
  return time::EncodeTime(0, s / 60, s % 60, 0).value_or(0.0);
}

}  // namespace vorda::monitor
