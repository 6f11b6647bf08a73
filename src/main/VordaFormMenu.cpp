// The window's menu behind the menu button, the application's key shortcuts
// and the advanced options reached from them.
#include "lang/StringIds.h"
#include "main/AdvencedFrm.h"
#include "main/VordaForm.h"
#include "win/app/Application.h"
#include "win/app/Strings.h"
#include "win/programs/WindowNames.h"
#include "win/system/ErrorBox.h"

namespace vorda::app {
namespace {

enum TMenuCommand : UINT { mcAdvanced = 1, mcCloseProgram = 2 };

struct MenuTraits {
  using Handle = HMENU;
  static Handle Empty() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr; }
  static void Close(Handle h) noexcept { ::DestroyMenu(h); }
};

}  // namespace

void TVordaForm::actShowMenuExecute(bool fromAction) {
  win::UniqueHandle<MenuTraits> menu(::CreatePopupMenu());
  if (!menu) return;
  ::AppendMenuW(menu.Get(), MF_STRING, mcAdvanced, win::LoadStr(IDS_ACT_ADVANCED).c_str());
  ::AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(menu.Get(), MF_STRING, mcCloseProgram, win::LoadStr(IDS_ACT_CLOSE_PROGRAM).c_str());

  // At the menu button's top-left corner, the frame taken as lying left and above.
  RECT outer{};
  RECT client{};
  ::GetWindowRect(Handle(), &outer);
  ::GetClientRect(Handle(), &client);
  const int x = outer.left + (outer.right - outer.left) - client.right + btnMenu.Left();
  const int y = outer.top + (outer.bottom - outer.top) - client.bottom + btnMenu.Top();
  if (fromAction && lblTip1.Tag() < 3) lblTip1.SetTag(lblTip1.Tag() + 1);

  ::SetForegroundWindow(Handle());
  const UINT command = static_cast<UINT>(
      ::TrackPopupMenuEx(menu.Get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, x, y, Handle(), nullptr));
  ::PostMessageW(Handle(), WM_NULL, 0, 0);
  switch (command) {
    case mcAdvanced:
      actAdvencedExecute();
      break;
    case mcCloseProgram:
      ::PostMessageW(Handle(), WM_CLOSE, 0, 0);
      break;
  }
}

void TVordaForm::actAdvencedExecute() {
  TAdvancedOptionsHooks hooks;
  hooks.onCmdChange = [this](TAdvencedTeskForm&, settings::TTeskCommand, const std::wstring& caption) {
    lblMainEvent.SetCaption(caption);
  };
  hooks.onClassNamesVisibleChange = [this](controls::TCheckBox&, bool state) {
    FShowWindowsClasses = state;
    actMonitoredAppRefreshExecute(false);
  };
  hooks.closeAppListFill = [this](bool showClassNames, bool exactName) {
    return win::CloseAppListItems(Handle(), showClassNames, exactName);
  };
  if (!ExecuteAdvancedOptions(Handle(), *FSettings, hooks)) return;
  if (!FSettings->SaveToRegistry(SelectedTrigger()))
    win::ShowError(win::LoadStrWith(IDS_REGISTRY_WRITE_FAILED, win::LoadStr(IDS_HCU_SETTINGS)), false);
}

bool TVordaForm::AppShortCut(const MSG& msg) {
  if (!::IsWindowEnabled(Handle()) || !FSettings) return false;  // a modal window is open, or no normal run
  const HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
  if (root != Handle()) return false;
  const bool alt = (::GetKeyState(VK_MENU) & 0x8000) != 0;
  switch (msg.wParam) {
    case VK_F10:
      actShowMenuExecute(true);
      return true;
    case VK_F12:
      actAdvencedExecute();
      return true;
    case VK_F5:
      if (!btnMonitoredAppRefresh.Enabled()) return false;
      actMonitoredAppRefreshExecute(true);
      return true;
    case 'X':
      if (!alt) return false;
      ::PostMessageW(Handle(), WM_CLOSE, 0, 0);
      return true;
  }
  return false;
}

}  // namespace vorda::app
