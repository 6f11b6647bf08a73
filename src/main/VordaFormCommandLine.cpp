// The command line: read once at the end of the window's creation, it may
// choose a trigger, change the picker, refuse the start or start at once.
#include <type_traits>
#include <variant>

#include "lang/StringIds.h"
#include "main/VordaForm.h"
#include "win/app/Application.h"
#include "win/app/Strings.h"
#include "win/cmdline/ProcessCmdLine.h"
#include "win/log/MsgLogger.h"

namespace vorda::app {
namespace {

UINT MessageId(cmdline::TCmdLineMessage message) noexcept {
  switch (message) {
    case cmdline::TCmdLineMessage::cmsMutuallyExclusive:
      return IDS_CMDLINE_MUTUALLY_EXCLUSIVE;
    case cmdline::TCmdLineMessage::cmsNoProgramName:
      return IDS_CMDLINE_NO_PROGRAM_NAME;
    default:
      return IDS_CMDLINE_UNKNOWN_PARAM;
  }
}

}  // namespace

void TVordaForm::ApplyCommandLine() {
  const int count = win::CmdLineParamCount();
  std::vector<std::wstring> params;
  for (int i = 0; i <= count; ++i) params.push_back(win::CmdLineParam(i));
  if (win::Logger) win::Log(cmdline::CommandLineLogLine(count, params));

  params.erase(params.begin());
  const cmdline::TCmdLineResult result = cmdline::ParseCommandLine(params, cbxMonitoredApp.Text());
  for (const cmdline::TCmdLineStep& step : result.steps) {
    std::visit(
        [&](const auto& s) {
          using T = std::decay_t<decltype(s)>;
          if constexpr (std::is_same_v<T, cmdline::TSelectTrigger>) {
            SelectTrigger(s.trigger, false);
            if (s.programName) {
              cbxMonitoredApp.SetText(*s.programName);
              cbMonitoredApp.SetChecked(true);
              cbxMonitoredAppChange();
            }
          } else if constexpr (std::is_same_v<T, cmdline::TSetPickerPart>) {
            SetPickerTimePart(s.value, s.part);
          } else if constexpr (std::is_same_v<T, cmdline::TLogLine>) {
            win::LogEvent(s.text);
          } else {
            FShowMainForm = false;
            const std::wstring text = win::LoadStr(IDS_CMDLINE_SYNTAX) + win::LoadStr(MessageId(s.message));
            ::MessageBoxW(Handle(), text.c_str(), win::LoadStr(IDS_ERROR_CAPTION).c_str(), MB_OK | MB_ICONERROR);
          }
        },
        step);
  }
  if (result.start && FShowMainForm) btnStartClick(false);
}

void TVordaForm::SetPickerTimePart(int value, cmdline::TPickerPart part) {
  const time::TDateTime picker = dtpStartTime.Value();
  const time::TDateTime changed = cmdline::SetPickerTimePart(picker, value, part);
  if (changed != picker) dtpStartTime.SetValue(changed);
}

}  // namespace vorda::app
