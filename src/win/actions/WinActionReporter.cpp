#include "win/actions/WinActionReporter.h"

#include "lang/StringIds.h"
#include "win/app/Strings.h"
#include "win/log/MsgLogger.h"
#include "win/system/ErrorBox.h"

namespace vorda::win {

using actions::TActionMessage;

unsigned TWinActionReporter::StringId(TActionMessage message) noexcept {
  switch (message) {
    case TActionMessage::amErrorCaption: return IDS_ERROR_CAPTION;
    case TActionMessage::amShutdownImpossible: return IDS_SHUTDOWN_IMPOSSIBLE;
    case TActionMessage::amShutdownCancelled: return IDS_SHUTDOWN_CANCELLED;
    case TActionMessage::amHibernationDisabled: return IDS_HIBERNATION_DISABLED;
    case TActionMessage::amSuspendFailed: return IDS_SUSPEND_FAILED;
  }
  return IDS_ERROR_CAPTION;
}

void TWinActionReporter::ShowError(const std::wstring& prefix, TActionMessage text, bool fatal) {
  win::ShowError(prefix + LoadStr(StringId(text)), fatal);
}

void TWinActionReporter::ShowMessageBox(TActionMessage text, TActionMessage caption,
                                        const std::wstring& captionSuffix) {
  const std::wstring title = LoadStr(StringId(caption)) + captionSuffix;
  ::MessageBoxW(owner_, LoadStr(StringId(text)).c_str(), title.c_str(), MB_OK);
}

void TWinActionReporter::LogEvent(const std::wstring& line) { win::LogEvent(line); }

}  // namespace vorda::win
