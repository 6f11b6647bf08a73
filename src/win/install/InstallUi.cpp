#include "win/install/InstallUi.h"

#include <windows.h>

#include <cstdlib>

#include "lang/StringIds.h"
#include "win/app/Application.h"
#include "win/app/Strings.h"
#include "win/system/ErrorBox.h"

namespace vorda::win {

void TWinInstallUi::ShowError(const std::wstring& text, bool fatal) { win::ShowError(text, fatal); }

bool TWinInstallUi::AskRetry(const std::wstring& text) {
  return ::MessageBoxW(TApplication::Get().MainWindow(), text.c_str(), LoadStr(IDS_ERROR_CAPTION).c_str(),
                       MB_RETRYCANCEL | MB_ICONERROR) == IDRETRY;
}

void TWinInstallUi::EndProgram(bool immediately) {
  if (immediately) std::exit(0);  // the normal finalisation still runs
  TApplication::Get().Terminate();
}

void TWinInstallUi::SetProgressMax(int maximum) {
  maximum_ = maximum;
  SetProgress(0);
}

void TWinInstallUi::SetProgress(int position) {
  if (onProgress_) onProgress_(position, maximum_);
}

}  // namespace vorda::win
