// The running-program list of the options page and the special-program table.
#include <algorithm>

#include "controls/Font.h"
#include "core/programs/ProgramList.h"
#include "core/programs/SpecPrgStore.h"
#include "lang/StringIds.h"
#include "main/VordaForm.h"
#include "win/app/Strings.h"
#include "win/log/MsgLogger.h"
#include "win/programs/WindowNames.h"
#include "win/registry/Win32Registry.h"
#include "win/system/ErrorBox.h"

namespace vorda::app {

void TVordaForm::actMonitoredAppRefreshExecute(bool fromSender) {
  if (!btnMonitoredAppRefresh.Enabled()) return;  // the action follows the program trigger
  const std::wstring kept = cbxMonitoredApp.Text();
  cbxMonitoredApp.Clear();
  if (fromSender && FSettings) FShowWindowsClasses = FSettings->ShowWindowsClasses();

  programs::TMonitoredAppList list(FShowWindowsClasses, win::ProgramUpperCase(),
                                   [this](const std::wstring& cls, const std::wstring& title) {
                                     LearnSpecPrgTitle(cls, title);
                                   });
  for (const programs::TTopWindow& window : win::TopLevelWindows(Handle())) list.MonitoredAppEnumProc(window);
  cbxMonitoredApp.SetSorted(list.Sorted());
  const std::vector<std::wstring> items = list.Items();
  cbxMonitoredApp.SetItems(items);

  int widest = 0;
  for (const std::wstring& item : items) widest = std::max(widest, controls::TextWidth(Font(), item));
  cbxMonitoredApp.SetDropDownWidth(widest + 8);
  cbxMonitoredApp.SetText(kept);
}

void TVordaForm::ShowWindowsClassesChanged(bool show) {
  FShowWindowsClasses = show;
  actMonitoredAppRefreshExecute(false);
}

void TVordaForm::LearnSpecPrgTitle(const std::wstring& className, const std::wstring& title) {
  programs::LearnSpecPrgTitle(win::Win32Registry(), SpecPrgTable, className, title, win::ProgramUpperCase());
}

bool TVordaForm::LoadSpecPrograms() {
  const programs::TSpecPrgLoadError error =
      programs::LoadSpecPrograms(win::Win32Registry(), SpecPrgTable, win::ProgramUpperCase());
  if (error == programs::sleNone) return true;
  win::ShowError(win::LoadStr(IDS_NOT_INSTALLED), true);
  win::LogEvent(L"Error " + std::to_wstring(static_cast<int>(error)) + L" - Missed installation info");
  return false;
}

}  // namespace vorda::app
