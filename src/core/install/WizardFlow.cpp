#include "core/install/WizardFlow.h"

namespace vorda::install {

bool IsUninstallerParam(std::wstring_view param) { return param.find(L"uninst") != std::wstring_view::npos; }
bool IsElevatedParam(std::wstring_view param) { return param.find(L"_admin") != std::wstring_view::npos; }
std::wstring ElevatedParam(std::wstring_view param) { return std::wstring(param) + L"_admin"; }

bool HasInstallRight(bool windowsNt, unsigned majorVersion, bool elevated, bool userAdmin) {
  if (!windowsNt) return true;
  return majorVersion > 5 ? elevated : userAdmin;
}

TNextStep NextStep(const TWizardState& state) {
  if (state.busy) return TNextStep::nsNothing;
  switch (state.page) {
    case TWizardPage::wpEnd: return TNextStep::nsClose;
    case TWizardPage::wpFolder: return TNextStep::nsCheckFolder;
    case TWizardPage::wpProgress: return TNextStep::nsNothing;
    case TWizardPage::wpWelcome: break;
  }
  if (state.hasRights) return IsUninstallerParam(state.param) ? TNextStep::nsRunUninstall : TNextStep::nsShowFolderPage;
  return IsElevatedParam(state.param) ? TNextStep::nsNoRights : TNextStep::nsRestartElevated;
}

bool CloseAsksFirst(TWizardPage page) { return page == TWizardPage::wpFolder; }
bool CanCloseWizard(TWizardPage page) { return page != TWizardPage::wpProgress; }

}  // namespace vorda::install
