#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "controls/Button.h"
#include "controls/ComboBox.h"
#include "controls/DateTimePicker99.h"
#include "controls/Gdi.h"
#include "controls/Edit.h"
#include "controls/GroupBox.h"
#include "controls/ImageButton.h"
#include "controls/Label.h"
#include "controls/PageStack.h"
#include "controls/RadioButton.h"
#include "controls/ShadowLabel.h"
#include "controls/Timer.h"
#include "controls/Window.h"
#include "win/util/UniqueHandle.h"
#include "core/actions/Alarm.h"
#include "core/actions/EndSequenceHost.h"
#include "core/cmdline/CommandLine.h"
#include "core/schedule/SecondScheduler.h"
#include "core/schedule/TriggerRules.h"
#include "core/programs/SpecPrg.h"
#include "core/settings/TeskSettings.h"
#include "core/time/DateTime.h"

namespace vorda::win {
class TWinFinalActions;
}

namespace vorda::app {

class TMonitoring;

// The main window. Its client area is 339 x 257; it mediates between the
// units that hold the program's rules and the controls that show them.
class TVordaForm : public controls::TWindow, private actions::IEndSequenceHost {
 public:
  static constexpr int kClientWidth = 339;
  static constexpr int kClientHeight = 257;
  static constexpr const wchar_t* kClassName = L"TVordaForm";

  TVordaForm();
  ~TVordaForm() override;

  bool Create();
  void Show(int showCommand);

  // Triggers and pages.
  int SelectedTrigger() const;
  void SelectTrigger(int tag, bool loadStored);
  void UpdateTriggerControls();
  // A start (or a cancel while a trigger runs); fromUser is false for a start
  // from the command line, which does not save the window state.
  void btnStartClick(bool fromUser);
  bool ArmTrigger();
  void ShowPage(controls::TPage& page);
  void ShowPage(controls::TPage& page, controls::TPage& previous, bool applyButtons);

  // The one-second step of the countdown.
  void Second();

  // The window's menu, the advanced options and the application's shortcuts.
  void actShowMenuExecute(bool fromAction);
  void actAdvencedExecute();
  bool AppShortCut(const MSG& msg);

  // The command line, read once at the end of the window's creation.
  void ApplyCommandLine();
  void SetPickerTimePart(int value, cmdline::TPickerPart part);

  settings::TTeskSettings& Settings() noexcept { return *FSettings; }

  // Start-up, destruction and the window state kept between runs.
  void FormCreate();
  void FormDestroy();
  bool FormCloseQuery() const noexcept;
  bool CheckOperatingSystem();
  void SavePosition();
  void SaveWindowState();
  // The running-program list and the special programs.
  void actMonitoredAppRefreshExecute(bool fromSender);
  // The advanced options changed whether class names are shown: the list follows at once.
  void ShowWindowsClassesChanged(bool show);
  void LearnSpecPrgTitle(const std::wstring& className, const std::wstring& title);
  bool LoadSpecPrograms();

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  enum TTimerId : UINT_PTR { tiSecond = 1, tiWaitForEvent = 2 };

  void CreateComponents();
  void CreateOptionsPage();
  void CreateTimePage();
  void CreateProgramPage();
  void BindEvents();

  void TriggerClick(int trigger);
  void cbxMonitoredAppChange();
  void timerSecTimer();
  void FitLabel(controls::TLabel& label, const std::wstring& text, int maxWidth);
  bool IsRunningPage(const controls::TPage* page) const noexcept;
  controls::TPage& PageOf(schedule::TPage page) noexcept;
  void SetDescription(controls::TLabel& label, schedule::TActionText text, bool colon);

  // What the end of a countdown needs from the window.
  void StopAlarm() override;
  void StopMonitoring() override;
  void SaveScreenshot(const std::wstring& path) override;
  void SaveWindowPosition() override;
  void ShowOptionsPage() override;
  void EnableMainWindow() override;
  void Terminate() override;
  void DoFinalAction();

  // The hand-off of a start to the process of this instance number that owns
  // the shared record, and the owner's side of it.
  enum class THandOff { hoStartHere, hoHandedOff, hoAbandoned };
  THandOff HandOffStart();
  void WMTeskParametersUpdate(WPARAM wp);
  std::span<std::uint8_t> TeskData() const noexcept;

  // Warnings of the countdown: the tone, the balloon and the taskbar progress.
  void PrepareAlarm();
  void ReleaseAlarm();
  void PlayAlarm();
  // A balloon of the tray icon; nothing while the icon is not shown.
  void ShowBalloon(const std::wstring& text);
  // The beep generator, the raised volume and the taskbar progress behind them.
  void InitAlarm();
  void PrepareWarnings();
  void ShowTaskbarProgress(std::uint32_t completed, std::uint32_t total);
  bool HasTaskbarProgress() const noexcept;
  bool IsTaskbarButtonCreated(UINT msg) const noexcept;
  void TaskbarButtonCreated() noexcept;
  void LetBeepEnd();

  std::unique_ptr<settings::TTeskSettings> FSettings;
  std::unique_ptr<win::TWinFinalActions> FFinalActions;
  std::unique_ptr<TMonitoring> FMonitoring;
  // The special-program table, loaded at start-up; its learned titles grow while the program runs.
  programs::TSpecPrgTable SpecPrgTable;

  bool FCreate = false;
  std::uint32_t FActiveCount = 0;
  POINT FLastMousePos{-1, -1};
  std::uint32_t FProgressOnTaskbarMax = 0;
  bool FInSecond = false;
  schedule::TSecondScheduler FSecondScheduler;
  win::UniqueKernelHandle FTeskDataFileMap;
  win::UniqueMappedView FTeskData;
  std::unique_ptr<actions::TAlarm> FAlarm;
  UINT FTaskbarButtonCreatedMsg = 0;

  // The header.
  controls::TImageButton btnMenu;
  controls::TLabel lblTip1;
  controls::TLabel lblProgramName;
  controls::TLabel lblCopyright;

  // The pages and the buttons below them.
  controls::TPageStack tabctrlMain;
  controls::TPage tabOptions;
  controls::TPage tabTime;
  controls::TPage PrgPage;
  controls::TPageStack tabctrlButtons;
  controls::TPage PrgBtnPage;
  controls::TButton btnStart;
  controls::TButton btnCancel;

  // The options page.
  controls::TLabel lblMainEvent;
  controls::TRadioButton cbPeriodOfTime;
  controls::TRadioButton cbComputerIdle;
  controls::TRadioButton cbTime;
  controls::TRadioButton cbMonitoredApp;
  controls::TRadioButton cbNoSound;
  controls::TComboBox cbxMonitoredApp;
  controls::TButton btnMonitoredAppRefresh;
  controls::TGroupBox grTime;
  controls::TDateTimePicker99 dtpStartTime;

  // The countdown page.
  controls::TLabel lblRemainingTimeDesc;
  controls::TSuperLabel lblRemainingTime;
  controls::TLabel lblAppCloseDesc;
  controls::TLabel lblAppClose;

  // The program page.
  controls::TLabel lblMonitoredAppNameDesc;
  controls::TLabel lblMonitoredAppName;
  controls::TLabel lblMainActionDesc;
  controls::TLabel lblLastClosedApp;
  controls::TEdit edtLastClosedApp;

  controls::TTimer timerSec;
  controls::TTimer timerWaitForEvent;

  // Start-up and the window state.
  void FormCreateNormal();
  void FormCreateInstaller();
  void LoadMenuPictures();
  int RestoreWindowState();
  bool SystemIsClosing() const noexcept;
  bool FShowMainForm = true;           // false: a refused start, the window never shows
  bool FShown = false;                 // the window has been shown once
  time::TDateTime FTime0 = 0.0;        // the zero duration
  controls::TDib32 FMenuIcon1;         // the menu button's picture ...
  controls::TDib32 FMenuIcon2;         // ... and the one while the mouse is over it
  bool FShowWindowsClasses = false;    // the running-program list shows class entries
  std::wstring FTrayHint;              // the tray icon's hint, once there is a tray icon
  std::wstring FShowAppCaption;        // the caption of the show/hide action
  controls::TPage* FInstallProgressPage = nullptr;  // the installer's progress page, while it exists
  // The program-closed watch and the hook library's reports (VordaFormMonitor.cpp).
 public:
  bool StartAppCloseWatch();
  const std::wstring& HookProgramName() const noexcept { return FHookPrg; }
  const std::wstring& HookWindowClass() const noexcept { return FHookClass; }

 private:
  bool HandleMonitorMessage(UINT msg, WPARAM wp, LPARAM lp);
  void timerCheckIfAppIsRunning();
  void WMSH(WPARAM wp);
  void WMCloseWnd(WPARAM wp, LPARAM lp);
  void OnMonitoredAppClosed();
  void WMSHGetMsg(WPARAM wp);
  programs::TWhoIsClosed FMonType = programs::wicProgramName;
  std::wstring FHookPrg;
  std::wstring FHookClass;
  std::wstring FClosedWnd;
  bool FAppWasRunning = false;
};

}  // namespace vorda::app
