#include "win/app/Application.h"

namespace vorda::win {

TApplication& TApplication::Get() noexcept {
  static TApplication app;
  return app;
}

std::wstring ExePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring ExeFolder() {
  std::wstring path = ExePath();
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring{} : path.substr(0, slash + 1);
}

std::wstring TApplication::HelpFilePath() const {
  if (helpFile_.empty()) return {};
  return ExeFolder() + helpFile_;
}

void TApplication::Terminate() noexcept {
  if (!terminated_) ::PostQuitMessage(0);
  terminated_ = true;
}

bool TApplication::DispatchOne(MSG& msg) noexcept {
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    exitCode_ = static_cast<int>(msg.wParam);
    return false;
  }
  if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && onShortCut) {
    try {
      if (onShortCut(msg)) return true;
    } catch (...) {
    }
  }
  // Dialog navigation (Tab, arrows, Enter) for the window that has the message.
  HWND root = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (root && ::IsDialogMessageW(root, &msg)) return true;
  ::TranslateMessage(&msg);
  ::DispatchMessageW(&msg);
  return true;
}

void TApplication::ProcessMessages() noexcept {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (!DispatchOne(msg)) {
      // Leave WM_QUIT for the loop in Run.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
  }
}

int TApplication::Run() noexcept {
  MSG msg;
  BOOL r;
  while ((r = ::GetMessageW(&msg, nullptr, 0, 0)) > 0) DispatchOne(msg);
  if (r == 0) exitCode_ = static_cast<int>(msg.wParam);
  terminated_ = true;
  return exitCode_;
}

}  // namespace vorda::win
