// The start-up sequence of the main window, its destruction, the system test
// and the window state kept between runs.
#include "controls/PngBitmap.h"
#include "core/programs/SpecPrgStore.h"
#include "core/registry/Registry.h"
#include "core/settings/CommandCaption.h"
#include "core/settings/SupportedSystem.h"
#include "core/settings/WindowState.h"
#include "core/time/Duration.h"
#include "lang/StringIds.h"
#include "main/Monitoring.h"
#include "main/VordaForm.h"

#include <shellapi.h>

#include "win/actions/WinFinalActions.h"
#include "win/app/Application.h"
#include "win/app/Strings.h"
#include "win/cmdline/ProcessCmdLine.h"
#include "win/log/MsgLogger.h"
#include "win/monitor/HookLibraryBridge.h"
#include "win/programs/WindowNames.h"
#include "win/registry/Win32Registry.h"
#include "win/settings/WinSettingsHost.h"
#include "win/system/ErrorBox.h"
#include "win/system/Paths.h"
#include "win/system/SystemInfo.h"
#include "win/system/Version.h"

namespace vorda::app {
namespace {

using win::LoadStr;

settings::TSystemVersion ReportedSystemVersion() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (!::GetVersionExW(&info)) return {settings::TPlatform::pfWindowsNT, 0, 0};
  settings::TPlatform platform = settings::TPlatform::pfWindowsNT;
  if (info.dwPlatformId == VER_PLATFORM_WIN32s) platform = settings::TPlatform::pfWin32s;
  if (info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) platform = settings::TPlatform::pfWindows9x;
  return {platform, info.dwMajorVersion, info.dwMinorVersion};
}

// A compatibility layer set for this executable makes the system report another version.
bool RunsUnderCompatibilityLayer() {
  registry::TRegistry reg(win::Win32Registry(), registry::kKeyRead);
  reg.SetRootKey(registry::TRootKey::CurrentUser);
  if (!reg.OpenKey(L"\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers", false)) return false;
  const std::wstring path = win::GetDisplayPath(win::ExePath());
  return !path.empty() && reg.ValueExists(path);
}

}  // namespace

void TVordaForm::FormCreate() {
  FTime0 = time::TextToDuration(L"0:00:00").value.value_or(time::DurationZero());
  ::SetCurrentDirectoryW(win::ExeFolder().c_str());
  if (win::CachedInstanceNumber() == 0)
    FormCreateInstaller();
  else
    FormCreateNormal();
}

void TVordaForm::FormCreateNormal() {
  LoadMenuPictures();
  btnMenu.onClick = [this] { actShowMenuExecute(true); };
  lblTip1.onClick = [this] { actShowMenuExecute(false); };
  win::TApplication::Get().onShortCut = [this](const MSG& msg) { return AppShortCut(msg); };
  if (CheckOperatingSystem()) {
    FShowMainForm = false;
    return;
  }
  wchar_t caption[64] = {};
  ::GetWindowTextW(Handle(), caption, 64);
  FTrayHint = caption;
  FShowAppCaption = LoadStr(IDS_HIDE_WINDOW);
  FCreate = false;
  cbNoSound.SetEnabled(win::IsVistaOrLater());

  FSettings = std::make_unique<settings::TTeskSettings>(win::SettingsHost());
  FSettings->LoadFromRegistry();
  FSettings->SaveToLog();
  // Copies of the hook library left behind by earlier instances.
  win::CleanSHCopiesSometimes();
  FFinalActions =
      std::make_unique<win::TWinFinalActions>(*FSettings, static_cast<actions::IEndSequenceHost&>(*this), Handle());
  const settings::TTeskCommand action = FSettings->MainAction();
  lblMainEvent.SetCaption(settings::CommandCaption(LoadStr(IDS_CMD_SHUTDOWN + static_cast<unsigned>(action)), action));
  FShowWindowsClasses = FSettings->ShowWindowsClasses();

  int mode = schedule::trPeriodOfTime;
  try {
    if (!LoadSpecPrograms()) {
      FShowMainForm = false;
      return;
    }
    mode = RestoreWindowState();
  } catch (...) {
    FShowMainForm = false;
    win::TApplication::Get().Terminate();
    return;
  }
  SelectTrigger(mode, true);

  ApplyCommandLine();

  if (!FShowMainForm) {
    win::TApplication::Get().Terminate();
    return;
  }
  FCreate = true;
}

void TVordaForm::FormCreateInstaller() {
  // Bottom right of the work area, 10 pixels from its edges.
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  RECT frame{};
  ::GetWindowRect(Handle(), &frame);
  ::SetWindowPos(Handle(), nullptr, work.right - (frame.right - frame.left) - 10,
                 work.bottom - (frame.bottom - frame.top) - 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The wizard's pages take the place of the options page here; until then the
  // window offers nothing that needs the settings of a normal run.
  btnMenu.SetVisible(false);
  tabctrlMain.SetVisible(false);
  tabctrlButtons.SetVisible(false);
  FCreate = true;
}

void TVordaForm::LoadMenuPictures() {
  const HMODULE module = ::GetModuleHandleW(nullptr);
  FMenuIcon1 = controls::LoadPngResource(module, L"XMenu1");
  FMenuIcon2 = controls::LoadPngResource(module, L"XMenu2");
  if (FMenuIcon1) btnMenu.SetPicture(FMenuIcon1.bitmap.Get());
  btnMenu.onMouseEnter = [this] {
    if (FMenuIcon2) btnMenu.SetPicture(FMenuIcon2.bitmap.Get());
  };
  btnMenu.onMouseLeave = [this] {
    if (FMenuIcon1) btnMenu.SetPicture(FMenuIcon1.bitmap.Get());
  };
}

bool TVordaForm::CheckOperatingSystem() {
  const bool layer = RunsUnderCompatibilityLayer();
  if (settings::IsSupportedSystem(ReportedSystemVersion(), layer)) return false;
  const std::wstring site = LoadStr(IDS_WEB_SITE);
  const std::wstring text = LoadStr(IDS_UNSUPPORTED_SYSTEM) + L"\r\n" + win::LoadStrWith(IDS_DOWNLOAD_QUESTION, site);
  auto& app = win::TApplication::Get();
  if (::MessageBoxW(app.MainWindow(), text.c_str(), LoadStr(IDS_ERROR_CAPTION).c_str(),
                    MB_YESNO | MB_ICONWARNING) == IDYES)
    ::ShellExecuteW(nullptr, L"open", site.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  app.Terminate();
  return true;
}

int TVordaForm::RestoreWindowState() {
  const settings::TRestoredWindowState state =
      settings::RestoreWindowState(win::Win32Registry(), win::IsVistaOrLater(), [this] {
        return programs::LoadUserSpecPrograms(win::Win32Registry(), SpecPrgTable, win::ProgramUpperCase());
      });
  if (state.position)
    ::SetWindowPos(Handle(), nullptr, state.position->left, state.position->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  lblTip1.SetTag(state.menuTip.value_or(0));
  if (state.menuTip) lblTip1.SetVisible(*state.menuTip < 3);
  cbxMonitoredApp.SetText(state.monitoredApp);
  if (state.rebuilt) FSettings->SetForce(true);
  if (state.rebuildFailed)
    win::ShowError(win::LoadStrWith(IDS_REGISTRY_WRITE_FAILED, L"HKCU\\SOFTWARE\\Marobel\\Vorda"), false);
  return state.mode;
}

bool TVordaForm::SystemIsClosing() const noexcept { return FFinalActions && FFinalActions->SystemIsClosing(); }

void TVordaForm::SavePosition() {
  RECT r{};
  if (!::GetWindowRect(Handle(), &r)) return;
  settings::SavePosition(win::Win32Registry(), {r.left, r.top});
}

void TVordaForm::SaveWindowState() {
  RECT r{};
  ::GetWindowRect(Handle(), &r);
  settings::TWindowStateToSave state;
  state.position = {r.left, r.top};
  state.menuTip = static_cast<int>(lblTip1.Tag());
  state.trigger = SelectedTrigger();
  state.monitoredApp = cbxMonitoredApp.Text();
  state.pickerText = dtpStartTime.AsString();
  state.version = win::GetFileVersionText(win::ExePath(), true, false);
  if (const auto failed = settings::SaveWindowState(win::Win32Registry(), state))
    win::ShowError(win::LoadStrWith(IDS_REGISTRY_WRITE_FAILED, *failed), false);
}

void TVordaForm::FormDestroy() {
  if (FSettings) {
    ReleaseAlarm();
    StopMonitoring();
  }
  for (programs::TSpecPrg& row : SpecPrgTable) row.naglowki.clear();
  // Only a window that has been on the screen has a place worth keeping.
  if (!SystemIsClosing() && win::CachedInstanceNumber() > 0 && FShown) SavePosition();
  btnMenu.SetPicture(nullptr);
  FMenuIcon1 = {};
  FMenuIcon2 = {};
}

bool TVordaForm::FormCloseQuery() const noexcept {
  return FInstallProgressPage == nullptr || tabctrlMain.ActivePage() != FInstallProgressPage;
}

}  // namespace vorda::app
