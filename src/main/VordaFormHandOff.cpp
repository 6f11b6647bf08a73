// The hand-off of a start to the running process of the same instance number:
// the sender writes its trigger into the shared record and posts a message to
// the owner's window, which then restarts with the handed-off trigger.
#include "core/handoff/TeskRecord.h"
#include "lang/StringIds.h"
#include "main/VordaForm.h"
#include "win/app/Application.h"
#include "win/app/SingleInstance.h"
#include "win/app/Strings.h"
#include "win/cmdline/ProcessCmdLine.h"
#include "win/log/MsgLogger.h"

namespace vorda::app {

std::span<std::uint8_t> TVordaForm::TeskData() const noexcept {
  if (!FTeskData) return {};
  return {static_cast<std::uint8_t*>(FTeskData.Get()), handoff::kRecordSize};
}

TVordaForm::THandOff TVordaForm::HandOffStart() {
  bool other = false;
  if (!FTeskDataFileMap) {
    const std::wstring name = handoff::MappingName(win::CachedInstanceNumber());
    HANDLE map = ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      static_cast<DWORD>(handoff::kRecordSize), name.c_str());
    other = map != nullptr && ::GetLastError() == ERROR_ALREADY_EXISTS;
    FTeskDataFileMap.Attach(map);
  } else if (FTeskData) {
    const auto record = handoff::DecodeRecord(TeskData());
    other = record && record->wnd != static_cast<std::uint32_t>(reinterpret_cast<ULONG_PTR>(Handle()));
  }
  if (FTeskDataFileMap && !FTeskData) {
    // A mapping made by someone else may be smaller than the record: refuse it
    // rather than read past its end.
    void* view = ::MapViewOfFile(FTeskDataFileMap.Get(), FILE_MAP_WRITE, 0, 0, 0);
    MEMORY_BASIC_INFORMATION info{};
    if (view && ::VirtualQuery(view, &info, sizeof(info)) && info.RegionSize >= handoff::kRecordSize)
      FTeskData.Attach(view);
    else if (view)
      ::UnmapViewOfFile(view);
  }

  auto& app = win::TApplication::Get();
  const auto before = FTeskData ? handoff::DecodeRecord(TeskData()) : std::nullopt;
  if (!before || (other && before->ver != 0)) {
    win::LogEvent(std::wstring(handoff::SharedMemoryFailedLine()));
    FShowMainForm = false;
    return THandOff::hoAbandoned;
  }

  const int trigger = SelectedTrigger();
  std::wstring event;
  if (trigger == schedule::trMonitoredApp)
    event = cbxMonitoredApp.Text();
  else
    event = handoff::FormatEventDateTime(dtpStartTime.Value()).value_or(L"");
  if (!other) handoff::WriteOwner(TeskData(), static_cast<std::uint32_t>(reinterpret_cast<ULONG_PTR>(Handle())), 0);
  handoff::WriteEvent(TeskData(), static_cast<std::uint8_t>(trigger), event);

  const auto written = handoff::DecodeRecord(TeskData());
  win::LogEvent(handoff::StartLine(written->ver, other, written->eventType, written->event));
  win::ReleaseSingleInstance();

  if (!other) return THandOff::hoStartHere;
  ::PostMessageW(reinterpret_cast<HWND>(static_cast<ULONG_PTR>(written->wnd)), handoff::kWMTeskParametersUpdate, 0, 0);
  FShowMainForm = false;
  app.Terminate();
  return THandOff::hoHandedOff;
}

void TVordaForm::WMTeskParametersUpdate(WPARAM wp) {
  const auto record = handoff::DecodeRecord(TeskData());
  if (!record) return;  // this process never started a trigger: the record is not ours
  if (handoff::IsUpdateRefused(record->ver, static_cast<std::int64_t>(wp), record->eventType)) {
    win::LogEvent(handoff::RefusalLine(record->ver, static_cast<std::int64_t>(wp), record->eventType));
    return;
  }
  const int trigger = record->eventType;
  if (trigger == 0) return;  // no trigger was handed over

  // The value is read before anything changes, so that a record that does not
  // parse leaves the running trigger as it was.
  std::optional<time::TDateTime> value;
  if (trigger != 0 && trigger != schedule::trMonitoredApp) {
    value = handoff::ParseEventDateTime(record->event);
    // The countdown lives in its caption, so the picker may change first.
    if (!value || !dtpStartTime.SetValue(*value)) return;
  }

  // A cancel of what runs, then a start of the handed-off trigger.
  controls::TPage* active = tabctrlMain.ActivePage();
  if (IsRunningPage(active)) ShowPage(tabOptions, *active, false);
  SelectTrigger(trigger, false);
  if (trigger == schedule::trMonitoredApp) {
    cbxMonitoredApp.SetText(record->event);
    cbxMonitoredAppChange();
  }
  if (!ArmTrigger()) {
    win::TApplication::Get().Terminate();
    return;
  }

  handoff::TBalloonParts parts;
  const std::wstring remainingDesc = lblRemainingTimeDesc.Caption();
  const std::wstring remaining = lblRemainingTime.Caption();
  const std::wstring appDesc = lblMonitoredAppNameDesc.Caption();
  const std::wstring appName = lblMonitoredAppName.Caption();
  const std::wstring silence = win::LoadStr(IDS_WAITING_FOR_SILENCE);
  ShowPage(trigger == schedule::trMonitoredApp ? PrgPage : tabTime, tabOptions, true);
  parts.remainingTimeDesc = remainingDesc;
  parts.remainingTimeDescVisible = lblRemainingTimeDesc.Visible();
  parts.remainingTime = remaining;
  parts.monitoredAppDesc = appDesc;
  parts.monitoredAppName = appName;
  parts.waitingForSilence = silence;
  ShowBalloon(handoff::BalloonText(static_cast<std::uint8_t>(trigger), parts));

  if (::IsWindowVisible(Handle())) {
    if (::IsIconic(Handle())) ::ShowWindow(Handle(), SW_RESTORE);
    ::SetForegroundWindow(Handle());
    ::BringWindowToTop(Handle());
  }
}

}  // namespace vorda::app
