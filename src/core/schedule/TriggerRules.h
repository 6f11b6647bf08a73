#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings/TeskCommand.h"

namespace vorda::schedule {

// Trigger numbers: the Tag of the trigger radio buttons.
enum TTrigger : int {
  trPeriodOfTime = 1,
  trComputerIdle = 2,
  trClockTime = 3,
  trMonitoredApp = 4,
  trNoSound = 5,
};

enum class TPage { pgOptions, pgTime, pgProgram };

// The running page of a trigger; nothing for a number without one.
std::optional<TPage> RunningPageFor(int trigger) noexcept;

// How the options page follows the checked trigger.
struct TTriggerControls {
  bool monitoredAppEnabled = false;  // the program combo box and its refresh action
  bool timeGroupEnabled = false;     // the time group and its picker
  bool systemTimeFormat = false;     // the picker shows the system's time format (clock time)
};
TTriggerControls TriggerControlsFor(int trigger) noexcept;

// The number of times ch occurs in text.
int CountChar(wchar_t ch, std::wstring_view text) noexcept;

// A program entry is usable unless it is "?", empty or only blanks.
bool IsMonitoredAppTextValid(std::wstring_view text) noexcept;

// The start button needs a usable program entry only for the program trigger.
bool StartButtonEnabled(bool monitoredAppChecked, std::wstring_view comboText) noexcept;

// The texts in front of a running page, by final action.
enum class TActionText {
  atComputerOff,         // "Komputer zostanie wyłączony!"
  atProgramClosed,       // "Zostanie zamknięty program:"
  atModemDisconnected,   // "Połączenie modemowe zostanie rozłączone."
  atSystemLocked,        // "System zostanie zablokowany."
  atMonitorOff,          // "Monitor zostanie wyłączony."
  atSuspended,           // "Komputer zostanie przełączony w stan gotowości (uśpiony)."
  atTimeToComputerOff,   // "Czas pozostały do wyłączenia komputera"
  atTimeToStandby,       // "Czas pozostały do przełączenia w stan gotowości"
  atTimeToModemHangUp,   // "Czas pozostały do rozłączenia połączenia modemowego"
  atTimeToLock,          // "Czas pozostały do zablokowania systemu"
  atTimeToMonitorOff,    // "Czas pozostały do wyłączenia monitora"
};

// The program-closed trigger's description; nothing leaves the label unchanged.
std::optional<TActionText> MainActionDescription(settings::TTeskCommand action) noexcept;
// The timed triggers' description (a colon follows); nothing leaves it unchanged.
std::optional<TActionText> RemainingTimeDescription(settings::TTeskCommand action) noexcept;

// Fits a text into a width: shrinks the font down to 9 points first, then cuts
// the text by ten characters at a time and ends it with "...".
struct TFitted {
  std::wstring caption;
  int fontSize = 0;
};
using TMeasure = std::function<int(const std::wstring& text, int fontSize)>;
TFitted FitLabel(const std::wstring& text, int fontSize, int maxWidth, const TMeasure& measure);

}  // namespace vorda::schedule
