#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/settings/TeskCommand.h"

namespace vorda::settings {
class TTeskSettings;
}

namespace vorda::advanced {

// The radio that shows the final action in the advanced options.
enum class TMainRadio : std::uint8_t { mrShutdown = 0, mrHibernation = 1, mrCloseApp = 2, mrOther = 3 };

// Entries of the other-action list: the final actions from tcmdModemDisconnect on.
inline constexpr int kOtherActionCount = 5;
inline constexpr int kAlarmMin = 2;
inline constexpr int kAlarmMax = 60;
inline constexpr int kSecToShutdownMin = 0;
inline constexpr int kSecToShutdownMax = 119;

// What the controls of the advanced options show.
struct TAdvancedState {
  TMainRadio mainRadio = TMainRadio::mrShutdown;
  int otherIndex = 0;
  bool hibernationEnabled = true;
  std::wstring closeApp;
  // The tab order of the checked window-state radio: 0 show, 1 minimise, 2 hide.
  int windowState = 0;
  bool minimizeToTray = false;
  bool autoStartup = false;
  bool forceShutdown = true;
  bool screenshot = false;
  std::wstring screenshotPath;
  bool soundWarning = false;
  int alarmSec = kAlarmMin;
  bool exactAppName = false;
  int secToShutdown = 10;
  bool showClassNames = false;
  bool watchInternalWindows = false;

  bool operator==(const TAdvancedState&) const = default;
};

struct TMainActionChoice {
  TMainRadio radio = TMainRadio::mrShutdown;
  int otherIndex = 0;  // kept as it is for the three radios of their own
};

// The action the controls show, and the controls for an action.
settings::TTeskCommand MainActionOf(TMainRadio radio, int otherIndex) noexcept;
TMainActionChoice ChoiceOf(settings::TTeskCommand action, int currentOtherIndex) noexcept;

constexpr int ClampInt(int value, int lo, int hi) noexcept { return value < lo ? lo : value > hi ? hi : value; }

// The controls for the settings. proposedScreenshotPath gives the path offered
// while no screenshot is set. Hibernation that the system does not allow is
// shown as standby with the hibernation radio disabled.
TAdvancedState StateFromSettings(const settings::TTeskSettings& settings,
                                 const std::function<std::wstring()>& proposedScreenshotPath);

// Writes the controls' state into the settings.
void ApplyState(const TAdvancedState& state, settings::TTeskSettings& settings);

// Checking the minimise-to-tray box while the minimise radio is selected moves
// the choice to the hide radio; the minimise radio is usable only without it.
int WindowStateAfterMinimizeToTray(int windowState, bool minimizeToTray) noexcept;
inline bool MinimizeRadioEnabled(bool minimizeToTray) noexcept { return !minimizeToTray; }

// Which controls are usable for a state.
struct TEnabling {
  bool closeApp = false;       // the program box and its refresh command
  bool otherAction = false;    // the list of other actions
  bool screenshotPath = false; // the path box and its "..." button
  bool alarm = false;          // the seconds box and its two labels
  bool minimizeRadio = true;

  bool operator==(const TEnabling&) const = default;
};
TEnabling EnablingOf(const TAdvancedState& state) noexcept;

// An entry of the close-program box names something to close: not empty,
// not "?" and not the bare class marker.
bool IsUsableCloseApp(std::wstring_view entry) noexcept;

// A screenshot path is usable when it is a valid path and names a file.
bool IsUsableScreenshotPath(std::wstring_view path, const std::function<bool(std::wstring_view)>& isValidPath);

// The colour of an entry box.
enum class TFieldColour : std::uint8_t { fcDisabled, fcNormal, fcEmpty, fcInvalid };
TFieldColour FieldColourOf(bool enabled, bool notEmpty, bool valid) noexcept;
// 0x00BBGGRR values of the two marking colours.
inline constexpr std::uint32_t kEmptyFieldColour = 0xE0FFE0;    // light green
inline constexpr std::uint32_t kInvalidFieldColour = 0xE0E0FF;  // light red

// The accept button: each box that is in use holds a usable entry.
bool OkButtonEnabled(bool closeAppEnabled, bool correctCloseApp, bool screenshotEnabled,
                     bool correctScreenshotPath) noexcept;

// Whether showing the dialog refreshes the program list: not yet refreshed
// more often than the close-program radio counts (1 when checked).
inline bool RefreshOnShow(int refreshCount, bool closeAppChecked) noexcept {
  return refreshCount <= (closeAppChecked ? 1 : 0);
}

}  // namespace vorda::advanced
