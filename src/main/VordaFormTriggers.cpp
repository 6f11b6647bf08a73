// The options page, the start of a trigger and the switch between pages.
#include "controls/BackgroundColor.h"
#include "core/schedule/CountdownTick.h"
#include "lang/StringIds.h"
#include "main/Monitoring.h"
#include "main/VordaForm.h"
#include "win/app/Strings.h"
#include "win/log/MsgLogger.h"
#include "win/settings/StoredTime.h"
#include "win/system/ErrorBox.h"

namespace vorda::app {

using schedule::TPage;
using win::LoadStr;

int TVordaForm::SelectedTrigger() const {
  int selected = 1;
  for (const controls::TRadioButton* r : {&cbPeriodOfTime, &cbComputerIdle, &cbTime, &cbMonitoredApp, &cbNoSound})
    if (r->Checked()) selected = static_cast<int>(r->Tag());
  return selected;
}

void TVordaForm::SelectTrigger(int tag, bool loadStored) {
  const bool saved = FCreate;
  FCreate = loadStored;
  // Checking the first trigger first means a tag that no button has leaves it
  // chosen. Checking a button that was not checked runs its click handler.
  cbPeriodOfTime.SetChecked(true);
  for (controls::TRadioButton* r : {&cbPeriodOfTime, &cbComputerIdle, &cbTime, &cbMonitoredApp, &cbNoSound})
    if (r->Tag() == tag) r->SetChecked(true);
  FCreate = saved;
}

void TVordaForm::TriggerClick(int trigger) {
  UpdateTriggerControls();
  if (trigger == schedule::trMonitoredApp) {
    actMonitoredAppRefreshExecute(true);
    return;
  }
  if (!FCreate) return;
  std::wstring stored;
  switch (trigger) {
    case schedule::trPeriodOfTime:
      stored = win::ReadStoredTime(L"Time1", L"01:00:00.000");
      break;
    case schedule::trComputerIdle:
      stored = win::ReadStoredTime(L"Time2", win::ReadStoredTime(L"Time1", L"01:00:00.000"));
      break;
    case schedule::trClockTime: {
      SYSTEMTIME st;
      ::GetLocalTime(&st);
      const time::TDateTime now =
          time::EncodeTime(st.wHour, st.wMinute, st.wSecond, st.wMilliseconds).value_or(0.0);
      stored = win::ReadStoredTime(L"Time3", now + 1.0 / 24.0 - (now + 1.0 / 24.0 >= 1.0 ? 1.0 : 0.0));
      break;
    }
    case schedule::trNoSound:
      stored = win::ReadStoredTime(L"Time5", L"00:02:00.000");
      break;
  }
  if (!stored.empty()) dtpStartTime.SetAsString(stored);
}

void TVordaForm::UpdateTriggerControls() {
  const schedule::TTriggerControls c = schedule::TriggerControlsFor(SelectedTrigger());
  const bool refreshWasEnabled = btnMonitoredAppRefresh.Enabled();
  cbxMonitoredApp.SetEnabled(c.monitoredAppEnabled);
  if (c.monitoredAppEnabled != refreshWasEnabled) cbxMonitoredAppChange();
  btnMonitoredAppRefresh.SetEnabled(c.monitoredAppEnabled);
  grTime.SetEnabled(c.timeGroupEnabled);
  dtpStartTime.SetEnabled(c.timeGroupEnabled);
  dtpStartTime.SetFormat(c.systemTimeFormat ? L"" : controls::TDateTimePicker99::kDurationFormat);
}

void TVordaForm::cbxMonitoredAppChange() {
  const std::wstring text = cbxMonitoredApp.Text();
  const bool valid = schedule::IsMonitoredAppTextValid(text);
  controls::SetBackgroundColor(cbxMonitoredApp, !text.empty(), valid);
  btnStart.SetEnabled(schedule::StartButtonEnabled(cbMonitoredApp.Checked(), text));
}

void TVordaForm::btnStartClick(bool fromUser) {
  controls::TPage* active = tabctrlMain.ActivePage();
  if (active == &tabOptions) {
    // Another process of this instance may run a trigger already: it takes
    // this one over. Otherwise a second start gets through from now on.
    if (HandOffStart() != THandOff::hoStartHere) return;
    if (!ArmTrigger()) return;
  }
  if (fromUser) SaveWindowState();

  if (IsRunningPage(active)) {
    ShowPage(tabOptions);
    return;
  }
  const int trigger = SelectedTrigger();
  const auto page = schedule::RunningPageFor(trigger);
  if (!page) {
    win::ShowError(L"FnI" + std::to_wstring(trigger) + L" - " + LoadStr(IDS_NOT_IMPLEMENTED), false);
    return;
  }
  ShowPage(PageOf(*page));
}

void TVordaForm::SetDescription(controls::TLabel& label, schedule::TActionText text, bool colon) {
  std::wstring caption = LoadStr(IDS_ACTION_TEXT_FIRST + static_cast<unsigned>(text));
  if (colon) caption += L":";
  label.SetCaption(caption);
}

bool TVordaForm::ArmTrigger() {
  const settings::TTeskCommand action = FSettings->MainAction();
  if (cbMonitoredApp.Checked()) {
    if (const auto text = schedule::MainActionDescription(action)) SetDescription(lblMainActionDesc, *text, false);
    return StartAppCloseWatch();
  }
  if (const auto text = schedule::RemainingTimeDescription(action)) SetDescription(lblRemainingTimeDesc, *text, true);

  if (cbTime.Checked()) {
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    const time::TDateTime now = time::EncodeTime(st.wHour, st.wMinute, st.wSecond, st.wMilliseconds).value_or(0.0);
    lblRemainingTime.SetCaption(schedule::ClockTimeToRemaining(dtpStartTime.AsString(), now).value_or(L""));
    return true;
  }
  lblRemainingTime.SetCaption(win::DurationToText(dtpStartTime.Value()));
  if (cbComputerIdle.Checked()) {
    if (!FMonitoring->StartIdleWatch()) {
      win::LogEvent(L"Error - InitSH(Idle) failed.");
      return false;
    }
    FActiveCount = 0;
    FLastMousePos = POINT{-1, -1};
    return true;
  }
  if (cbNoSound.Checked()) {
    FActiveCount = 0;
    return FMonitoring->StartSilenceWatch();
  }
  return true;
}

bool TVordaForm::IsRunningPage(const controls::TPage* page) const noexcept {
  return page == &tabTime || page == &PrgPage;
}

controls::TPage& TVordaForm::PageOf(TPage page) noexcept {
  switch (page) {
    case TPage::pgTime:
      return tabTime;
    case TPage::pgProgram:
      return PrgPage;
    default:
      return tabOptions;
  }
}

void TVordaForm::ShowPage(controls::TPage& page) {
  controls::TPage* previous = tabctrlMain.ActivePage();
  ShowPage(page, previous ? *previous : tabOptions, true);
}

void TVordaForm::ShowPage(controls::TPage& page, controls::TPage& previous, bool applyButtons) {
  const bool toRunning = IsRunningPage(&page);
  if (&previous == &tabOptions && toRunning) {
    switch (FSettings->AppWindowState()) {
      case 1:
        ::ShowWindow(Handle(), SW_MINIMIZE);
        break;
      default:  // hiding to the tray comes with the tray icon
        break;
    }
    if (&page == &tabTime) PrepareAlarm();
  } else if (&page == &tabOptions && IsRunningPage(&previous)) {
    ReleaseAlarm();
    const int trigger = SelectedTrigger();
    if ((trigger == schedule::trMonitoredApp && &previous == &PrgPage) ||
        ((trigger == schedule::trComputerIdle || trigger == schedule::trNoSound) && &previous == &tabTime))
      StopMonitoring();
  }

  const bool closesProgram = FSettings->MainAction() == settings::tcmdCloseProgram;
  lblRemainingTimeDesc.SetVisible(!closesProgram);
  lblAppCloseDesc.SetVisible(closesProgram);

  if (toRunning) {
    controls::TFontSpec spec = lblAppClose.FontSpec();
    spec.SetSize(12);
    lblAppClose.SetFont(spec);
    FitLabel(lblAppClose, FSettings->CloseApp(), kClientWidth - 4);
    lblAppClose.SetLeft(kClientWidth / 2 - lblAppClose.Width() / 2);
    lblAppClose.SetVisible(lblAppCloseDesc.Visible());
    ::SetParent(lblAppClose.Handle(), page.Handle());
  }

  if (applyButtons) {
    btnStart.SetVisible(&page == &tabOptions && IsRunningPage(&previous));
    btnCancel.SetVisible(!btnStart.Visible());
    ::SetFocus(Handle());
    tabctrlMain.SetActivePage(page);
  }
}

void TVordaForm::FitLabel(controls::TLabel& label, const std::wstring& text, int maxWidth) {
  const controls::TFontSpec base = label.FontSpec();
  const schedule::TFitted fitted = schedule::FitLabel(text, base.Size(), maxWidth, [&](const std::wstring& t, int size) {
    controls::TFontSpec spec = base;
    spec.SetSize(size);
    const auto font = controls::CreateFontOf(spec);
    return controls::TextWidth(font.Get(), t);
  });
  controls::TFontSpec spec = base;
  spec.SetSize(fitted.fontSize);
  label.SetFont(spec);
  label.SetCaption(fitted.caption);
}

}  // namespace vorda::app
