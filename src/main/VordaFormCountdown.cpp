// The one-second countdown and the end of it.
#include "core/schedule/CountdownTick.h"
#include "lang/StringIds.h"
#include "main/Monitoring.h"
#include "main/VordaForm.h"
#include "win/actions/WinFinalActions.h"
#include "win/app/Application.h"
#include "win/app/Strings.h"
#include "win/log/MsgLogger.h"
#include "win/system/ErrorBox.h"

namespace vorda::app {
namespace {

// Milliseconds of a clock that does not run while the computer sleeps.
std::uint64_t UnbiasedMilliseconds() noexcept {
  ULONGLONG units = 0;  // 100 ns
  if (::QueryUnbiasedInterruptTime(&units)) return units / 10'000;
  return ::GetTickCount64();
}

}  // namespace

void TVordaForm::PrepareAlarm() {
  FProgressOnTaskbarMax = 0;
  PrepareWarnings();
  FSecondScheduler.Start(UnbiasedMilliseconds());
  timerSec.Restart(1000);
}

void TVordaForm::ShowBalloon(const std::wstring&) {
  // Balloons belong to the tray icon, which this window does not show yet.
}

void TVordaForm::timerSecTimer() {
  if (FInSecond) return;  // a step is running and lets messages through
  FInSecond = true;
  const auto due = FSecondScheduler.OnTimer(UnbiasedMilliseconds());
  for (std::uint32_t i = 0; i < due.steps && timerSec.Enabled(); ++i) Second();
  if (timerSec.Enabled()) timerSec.Restart(due.nextDelayMs);
  FInSecond = false;
  win::TApplication::Get().ProcessMessages();
}

void TVordaForm::Second() {
  schedule::TTickInput in;
  in.caption = lblRemainingTime.Caption();
  in.pickerValue = dtpStartTime.Value();
  in.idleTrigger = cbComputerIdle.Checked();
  in.silenceTrigger = cbNoSound.Checked();
  in.activeCount = FActiveCount;
  in.silenceDetectionCounter = FSettings->SilenceDetectionCounter();
  in.alarm = FSettings->Alarm() > 0 ? static_cast<std::uint32_t>(FSettings->Alarm()) : 0;
  in.trayIconVisible = false;
  in.hasTaskbarProgress = HasTaskbarProgress();
  in.progressMax = FProgressOnTaskbarMax;

  const schedule::TTickResult r = schedule::CountdownTick(in);
  if (r.internalError) {
    win::LogEvent(L"Error - DateTime outside 2008!");
    win::ShowError(win::LoadStr(IDS_INTERNAL_ERROR), true);
    return;
  }
  lblRemainingTime.SetCaption(r.caption);
  FActiveCount = r.activeCount;
  FProgressOnTaskbarMax = r.progressMax;
  if (r.progress) ShowTaskbarProgress(r.progress->completed, r.progress->total);
  if (r.playTone) PlayAlarm();
  if (r.finalAction) DoFinalAction();
}

void TVordaForm::DoFinalAction() {
  win::LogEvent(std::wstring(L"DoFinalAction: ") + settings::TeskCommandName(FSettings->MainAction()));
  FFinalActions->DoFinalAction();
}

void TVordaForm::StopAlarm() {
  LetBeepEnd();
  ReleaseAlarm();
}

void TVordaForm::StopMonitoring() {
  if (FMonitoring) FMonitoring->Stop();
}

void TVordaForm::SaveWindowPosition() { SavePosition(); }

void TVordaForm::ShowOptionsPage() { ShowPage(tabOptions); }

void TVordaForm::EnableMainWindow() { ::EnableWindow(Handle(), TRUE); }

void TVordaForm::Terminate() { win::TApplication::Get().Terminate(); }

}  // namespace vorda::app
