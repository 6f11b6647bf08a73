#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/time/DateTime.h"

namespace vorda::schedule {

// What the one-second tick sees of the main window and the settings.
struct TTickInput {
  std::wstring caption;             // the remaining-time label: the one place of the remaining time
  time::TDateTime pickerValue = 0;  // the chosen duration (a time of day)
  bool idleTrigger = false;
  bool silenceTrigger = false;
  std::uint32_t activeCount = 0;              // input seen (idle) or silent checks (silence)
  std::uint32_t silenceDetectionCounter = 10;
  std::uint32_t alarm = 0;                    // warning tones during the last Alarm seconds; 0 is off
  bool trayIconVisible = false;
  bool hasTaskbarProgress = false;
  std::uint32_t progressMax = 0;              // 0 until the first progress update of a countdown
};

enum class TBalloonIcon : std::uint8_t { biInformation = 1, biWarning = 2 };

struct TBalloon {
  int seconds = 0;  // the remaining seconds the text names
  TBalloonIcon icon = TBalloonIcon::biInformation;
};

struct TProgress {
  std::uint32_t completed = 0;
  std::uint32_t total = 0;
};

// What one tick does: the new caption and counters, and the effects to carry out.
struct TTickResult {
  std::wstring caption;
  std::uint32_t activeCount = 0;
  std::uint32_t progressMax = 0;
  std::optional<TProgress> progress;
  bool playTone = false;
  std::optional<TBalloon> balloon;
  bool finalAction = false;
  // A duration beyond 2008 reached the text conversion: an internal error that
  // ends the program.
  bool internalError = false;
};

inline constexpr const wchar_t* kWaitingCaption = L"Oczekiwanie...";
inline constexpr std::int64_t kPreciseSecondsLimit = 3;  // hours
inline constexpr std::int64_t kCoarseSeconds = 10800;
inline constexpr std::int64_t kProgressWindow = 2700;    // seconds

// One step of the countdown: subtracts a second from the caption, or holds it
// while the idle or silence trigger waits, and says what to warn and when to end.
TTickResult CountdownTick(const TTickInput& in);

// The duration text from the time of day `now` to the clock time of a
// stored-time text, the next day when it has passed today; nothing when the
// text is no time.
std::optional<std::wstring> ClockTimeToRemaining(std::wstring_view storedTime, time::TDateTime now);

}  // namespace vorda::schedule
