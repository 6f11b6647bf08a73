#include "core/advanced/AdvancedOptions.h"

#include "core/programs/SpecPrg.h"
#include "core/settings/TeskSettings.h"

namespace vorda::advanced {

using settings::TTeskCommand;

TTeskCommand MainActionOf(TMainRadio radio, int otherIndex) noexcept {
  switch (radio) {
    case TMainRadio::mrShutdown:
      return settings::tcmdShutdownComputer;
    case TMainRadio::mrHibernation:
      return settings::tcmdHibernation;
    case TMainRadio::mrCloseApp:
      return settings::tcmdCloseProgram;
    case TMainRadio::mrOther:
      break;
  }
  return static_cast<TTeskCommand>(settings::tcmdModemDisconnect + ClampInt(otherIndex, 0, kOtherActionCount - 1));
}

TMainActionChoice ChoiceOf(TTeskCommand action, int currentOtherIndex) noexcept {
  if (action <= settings::tcmdCloseProgram) return {static_cast<TMainRadio>(action), currentOtherIndex};
  if (action >= settings::kTeskCommandCount) return {TMainRadio::mrShutdown, currentOtherIndex};
  return {TMainRadio::mrOther, action - settings::tcmdModemDisconnect};
}

int WindowStateAfterMinimizeToTray(int windowState, bool minimizeToTray) noexcept {
  return minimizeToTray && windowState == 1 ? 2 : windowState;
}

TAdvancedState StateFromSettings(const settings::TTeskSettings& s,
                                 const std::function<std::wstring()>& proposedScreenshotPath) {
  TAdvancedState state;
  const TMainActionChoice choice = ChoiceOf(s.MainAction(), 0);
  state.mainRadio = choice.radio;
  state.otherIndex = choice.otherIndex;
  state.hibernationEnabled = s.IsHibernationPossible();
  state.closeApp = s.CloseApp();
  state.windowState = s.AppWindowState() == 1 ? 1 : s.AppWindowState() == 2 ? 2 : 0;
  state.minimizeToTray = s.MinimizeToTray();
  state.windowState = WindowStateAfterMinimizeToTray(state.windowState, state.minimizeToTray);
  state.autoStartup = s.AutoStartup();
  state.forceShutdown = s.Force();
  state.screenshot = !s.Screenshot().empty();
  state.screenshotPath = state.screenshot || !proposedScreenshotPath ? s.Screenshot() : proposedScreenshotPath();
  state.soundWarning = s.SoundWarning();
  state.alarmSec = ClampInt(s.Alarm(), kAlarmMin, kAlarmMax);
  state.exactAppName = s.ExactProgramName();
  state.secToShutdown = ClampInt(s.SecToShutdown(), kSecToShutdownMin, kSecToShutdownMax);
  state.showClassNames = s.ShowWindowsClasses();
  state.watchInternalWindows = s.WatchInternalWindows();
  return state;
}

void ApplyState(const TAdvancedState& state, settings::TTeskSettings& s) {
  s.SetMainAction(MainActionOf(state.mainRadio, state.otherIndex));
  s.SetCloseApp(state.closeApp);
  s.SetAppWindowState(state.windowState);
  s.SetMinimizeToTray(state.minimizeToTray);
  s.SetAutoStartup(state.autoStartup);
  s.SetForce(state.forceShutdown);
  s.SetScreenshot(state.screenshot ? state.screenshotPath : std::wstring{});
  s.SetAlarm(state.soundWarning ? state.alarmSec : 0);
  s.SetExactProgramName(state.exactAppName);
  s.SetSecToShutdown(state.secToShutdown);
  s.SetShowWindowsClasses(state.showClassNames);
  s.SetWatchInternalWindows(state.watchInternalWindows);
}

TEnabling EnablingOf(const TAdvancedState& state) noexcept {
  TEnabling e;
  e.closeApp = state.mainRadio == TMainRadio::mrCloseApp;
  e.otherAction = state.mainRadio == TMainRadio::mrOther;
  e.screenshotPath = state.screenshot;
  e.alarm = state.soundWarning;
  e.minimizeRadio = MinimizeRadioEnabled(state.minimizeToTray);
  return e;
}

bool IsUsableCloseApp(std::wstring_view entry) noexcept {
  return !entry.empty() && entry != L"?" && entry != programs::kClassMarker;
}

bool IsUsableScreenshotPath(std::wstring_view path, const std::function<bool(std::wstring_view)>& isValidPath) {
  const auto slash = path.find_last_of(L"\\/:");
  const std::wstring_view fileName = slash == std::wstring_view::npos ? path : path.substr(slash + 1);
  return !fileName.empty() && isValidPath && isValidPath(path);
}

TFieldColour FieldColourOf(bool enabled, bool notEmpty, bool valid) noexcept {
  if (!enabled) return TFieldColour::fcDisabled;
  if (notEmpty && valid) return TFieldColour::fcNormal;
  if (!notEmpty) return TFieldColour::fcEmpty;
  return TFieldColour::fcInvalid;
}

bool OkButtonEnabled(bool closeAppEnabled, bool correctCloseApp, bool screenshotEnabled,
                     bool correctScreenshotPath) noexcept {
  return (!closeAppEnabled || correctCloseApp) && (!screenshotEnabled || correctScreenshotPath);
}

}  // namespace vorda::advanced
