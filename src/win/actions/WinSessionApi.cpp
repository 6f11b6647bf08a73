#include "win/actions/WinSessionApi.h"

#include <windows.h>
#include <wininet.h>

#include "win/actions/SystemLibrary.h"
#include "win/app/Application.h"
#include "win/util/UniqueHandle.h"

namespace vorda::win {

bool TWinSessionApi::LockWorkStation() {
  // Looked up at run time: the oldest supported systems lack it.
  const UniqueModule user32 = LoadSystemLibrary(L"user32.dll");
  using Fn = BOOL(WINAPI*)();
  const auto lock = GetProc<Fn>(user32, "LockWorkStation");
  return lock && lock() != FALSE;
}

void TWinSessionApi::SendToApplicationWindow(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  ::SendMessageW(TApplication::Get().MainWindow(), message, wParam, lParam);
}

bool TWinSessionApi::InternetGetConnectedState() {
  DWORD flags = 0;
  return ::InternetGetConnectedState(&flags, 0) != FALSE;
}

bool TWinSessionApi::InternetAutodialHangup() { return ::InternetAutodialHangup(0) != FALSE; }

}  // namespace vorda::win
