#include <windows.h>

#include <commctrl.h>

#include "main/VordaForm.h"
#include "win/app/Application.h"
#include "win/app/SingleInstance.h"
#include "win/cmdline/ProcessCmdLine.h"
#include "win/log/MsgLogger.h"
#include "win/util/ComPtr.h"

namespace {
constexpr std::int64_t kMaxLogSize = 5LL * 1024 * 1024;
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  using namespace vorda;
  win::LowerCaseCommandLine();

  if (win::TMsgLogger::RegEnabled(L"Vorda", HKEY_CURRENT_USER)) win::StartLogger(kMaxLogSize);

  // Another process of this instance number: end silently, without a window.
  if (!win::AcquireSingleInstance(win::InstanceNumber())) return 0;

  win::ComScope com;
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&icc);

  auto& app = win::TApplication::Get();
  app.SetTitle(L"Vorda (Elmqvara)");
  app.SetHelpFile(L"Vorda.chm");

  app::TVordaForm form;
  if (!form.Create()) return 1;
  form.Show(showCommand);
  return app.Run();
}
