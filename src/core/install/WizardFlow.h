#pragma once

#include <string>
#include <string_view>

namespace vorda::install {

// The pages of the install and uninstall wizard, in their order.
enum class TWizardPage { wpWelcome, wpFolder, wpProgress, wpEnd };

// What a press of "Dalej >>" does.
enum class TNextStep {
  nsNothing,          // a step is running (busy cursor) or the progress page is shown
  nsClose,            // the end page: close the window, the program ends
  nsShowFolderPage,   // the installer with the right to install
  nsRunUninstall,     // the uninstaller with the right: the work sequence with the uninstallation
  nsCheckFolder,      // the folder checks, then the work sequence with the installation
  nsRestartElevated,  // start a copy with administrator rights and close this one
  nsNoRights,         // the restarted copy still has no right: the fatal box
};

struct TWizardState {
  TWizardPage page = TWizardPage::wpWelcome;
  bool busy = false;       // the busy cursor is shown
  bool hasRights = false;  // the process may install programs
  std::wstring param;      // the first command-line parameter (lower case)
};

// The first parameter names the uninstaller ("/uninstall", "uninst_admin" ...).
bool IsUninstallerParam(std::wstring_view param);
// The first parameter of a copy that was restarted with administrator rights.
bool IsElevatedParam(std::wstring_view param);
// The parameter of the copy restarted with administrator rights.
std::wstring ElevatedParam(std::wstring_view param);

// The right to install: always on the Windows 95 family; on Windows NT 6 and
// later only in an elevated process; on older Windows NT for an administrator.
bool HasInstallRight(bool windowsNt, unsigned majorVersion, bool elevated, bool userAdmin);

TNextStep NextStep(const TWizardState& state);

// "Zakończ" asks first on the folder page only.
bool CloseAsksFirst(TWizardPage page);
// The window cannot be closed while the work runs.
bool CanCloseWizard(TWizardPage page);

}  // namespace vorda::install
