#include "win/install/RunAsAdmin.h"

#include <shellapi.h>

namespace vorda::win {

bool RunAsAdmin(HWND owner, const std::wstring& path, const std::wstring& parameters) noexcept {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.hwnd = owner;
  info.lpVerb = L"runas";
  info.lpFile = path.c_str();
  info.lpParameters = parameters.c_str();
  info.nShow = SW_SHOWNORMAL;
  return ::ShellExecuteExW(&info) != FALSE;
}

}  // namespace vorda::win
