#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/monitor/HookLibrary.h"
#include "core/programs/SpecPrg.h"
#include "core/time/DateTime.h"

namespace vorda::monitor {

// What a program entry turns into: how the program is recognised and what the
// waiting page shows.
struct TAppWatch {
  programs::TWhoIsClosed monType = programs::wicProgramName;
  std::wstring hookPrg;    // title or class, upper case; "?" for any title
  std::wstring hookClass;  // wicMainWindow: the class as typed or as the table gives it
  std::wstring display;    // the name shown while waiting
  bool special = false;    // a special program matched: exact names are off from now on
  bool windowClassDescription = false;  // "waiting for a window of class" rather than "for the program"
};

// Turns the text of the program list into a watch; nothing when the text names
// no program (empty, blanks, the marker alone). listEntries are the list's
// entries, which decide whether a title with the marker at its second place is
// a title.
std::optional<TAppWatch> ParseWatchedProgram(std::wstring_view text, const std::vector<std::wstring>& listEntries,
                                             const programs::TSpecPrgTable& specPrograms, const TUpper& upper);

// Polling watches look for a window of a class every 700 ms; the others are
// told of destroyed windows by the hook library.
inline bool IsPollingWatch(programs::TWhoIsClosed type) noexcept { return type == programs::wicMainWindow; }

struct THookMode {
  int kind = 0;
  int code = 0;
};
// The hook reporting destroyed windows: every window through the CBT hook, or
// top-level ones through the shell hook.
THookMode AppClosedHookMode(bool watchInternalWindows) noexcept;

// A reported window's title or class (upper case) against the watched name:
// equal, or containing it unless exact names are asked for.
bool IsWatchedProgramClosed(std::wstring_view closedUpper, std::wstring_view hookPrg, bool exactProgramName) noexcept;

// What "Ostatnio zamknięty program:" shows after a non-matching report.
// lastClosed is the field's text, which for class watches already holds the
// reported window's title.
std::wstring LastClosedText(programs::TWhoIsClosed type, std::wstring_view lastClosed, std::wstring_view closedUpper);
inline bool LastClosedVisible(bool watchInternalWindows, std::wstring_view text) noexcept {
  return !watchInternalWindows && !text.empty();
}

// One poll: the window is found or not. True when a window that had been seen
// is gone.
bool PollStep(bool& appWasRunning, bool found) noexcept;

// The grace period between the closing and the final action as a duration:
// that many seconds (none below 0).
time::TDateTime GracePeriod(std::int32_t seconds) noexcept;

}  // namespace vorda::monitor
