#include "win/system/ErrorBox.h"

#include <windows.h>

#include <cstdlib>

#include "lang/StringIds.h"
#include "win/app/Application.h"
#include "win/app/Strings.h"

namespace vorda::win {
namespace {
bool gFatalShown = false;
}

void ShowError(const std::wstring& text, bool fatal) {
  if (gFatalShown) std::exit(0);  // the normal finalisation still runs
  auto& app = TApplication::Get();
  ::MessageBoxW(app.MainWindow(), text.c_str(), LoadStr(IDS_ERROR_CAPTION).c_str(), MB_OK);
  if (fatal) {
    gFatalShown = true;
    app.Terminate();
  }
}

}  // namespace vorda::win
