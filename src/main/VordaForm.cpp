#include "main/VordaForm.h"

#include "main/resource.h"
#include "win/app/Application.h"

namespace vorda::app {

bool TVordaForm::Create() {
  constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  constexpr DWORD exStyle = WS_EX_APPWINDOW;
  RECT r{0, 0, kClientWidth, kClientHeight};
  ::AdjustWindowRectEx(&r, style, FALSE, exStyle);
  HICON icon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAINICON));
  if (!CreateWindowOf(kClassName, L"Vorda", style, exStyle, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left,
                      r.bottom - r.top, nullptr, icon))
    return false;
  win::TApplication::Get().SetMainWindow(Handle());
  return true;
}

void TVordaForm::Show(int showCommand) {
  ::ShowWindow(Handle(), showCommand);
  ::UpdateWindow(Handle());
}

LRESULT TVordaForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_DESTROY:
      win::TApplication::Get().Terminate();
      return 0;
  }
  return Default(msg, wp, lp);
}

}  // namespace vorda::app
