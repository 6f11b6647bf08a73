#include "core/schedule/TriggerRules.h"

namespace vorda::schedule {

std::optional<TPage> RunningPageFor(int trigger) noexcept {
  switch (trigger) {
    case trPeriodOfTime:
    case trComputerIdle:
    case trClockTime:
    case trNoSound:
      return TPage::pgTime;
    case trMonitoredApp:
      return TPage::pgProgram;
    default:
      return std::nullopt;
  }
}

TTriggerControls TriggerControlsFor(int trigger) noexcept {
  TTriggerControls c;
  c.monitoredAppEnabled = trigger == trMonitoredApp;
  c.timeGroupEnabled = trigger == trPeriodOfTime || trigger == trComputerIdle || trigger == trClockTime;
  c.systemTimeFormat = trigger == trClockTime;
  return c;
}

int CountChar(wchar_t ch, std::wstring_view text) noexcept {
  int n = 0;
  for (wchar_t c : text) n += c == ch;
  return n;
}

bool IsMonitoredAppTextValid(std::wstring_view text) noexcept {
  return text != L"?" && static_cast<int>(text.size()) > CountChar(L' ', text);
}

bool StartButtonEnabled(bool monitoredAppChecked, std::wstring_view comboText) noexcept {
  return !monitoredAppChecked || (!comboText.empty() && IsMonitoredAppTextValid(comboText));
}

std::optional<TActionText> MainActionDescription(settings::TTeskCommand action) noexcept {
  using enum TActionText;
  switch (action) {
    case settings::tcmdShutdownComputer:
    case settings::tcmdHibernation:
      return atComputerOff;
    case settings::tcmdCloseProgram:
      return atProgramClosed;
    case settings::tcmdModemDisconnect:
      return atModemDisconnected;
    case settings::tcmdBlockWindowsUser:
      return atSystemLocked;
    case settings::tcmdTurnOffMonitor:
      return atMonitorOff;
    case settings::tcmdSuspend:
      return atSuspended;
    default:
      return std::nullopt;
  }
}

std::optional<TActionText> RemainingTimeDescription(settings::TTeskCommand action) noexcept {
  using enum TActionText;
  switch (action) {
    case settings::tcmdShutdownComputer:
    case settings::tcmdHibernation:
      return atTimeToComputerOff;
    case settings::tcmdCloseProgram:  // the label is hidden for this action
    case settings::tcmdSuspend:
      return atTimeToStandby;
    case settings::tcmdModemDisconnect:
      return atTimeToModemHangUp;
    case settings::tcmdBlockWindowsUser:
      return atTimeToLock;
    case settings::tcmdTurnOffMonitor:
      return atTimeToMonitorOff;
    default:
      return std::nullopt;
  }
}

TFitted FitLabel(const std::wstring& text, int fontSize, int maxWidth, const TMeasure& measure) {
  TFitted f{text, fontSize};
  std::wstring working = text;
  while (measure(f.caption, f.fontSize) > maxWidth) {
    if (f.fontSize > 9 || f.caption.size() < 14) {
      if (f.fontSize <= 1) break;  // nothing smaller to try
      --f.fontSize;
    } else {
      working.resize(working.size() > 10 ? working.size() - 10 : 0);
      f.caption = working + L"...";
      working = f.caption;
    }
  }
  return f;
}

}  // namespace vorda::schedule
