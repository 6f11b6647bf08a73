#include "core/settings/WindowState.h"

#include "core/registry/Registry.h"
#include "core/settings/SettingsKeys.h"

namespace vorda::settings {
namespace {

using registry::TRegistry;

std::wstring FromRoot() { return L"\\" + std::wstring(kSettingsKey); }

// The values whose reading decides whether the key is whole.
bool ReadWhole(TRegistry& reg, TRestoredWindowState& state, const std::function<bool()>& loadUserSpecPrograms) {
  if (!reg.HasCurrentKey()) return false;
  const auto left = reg.ReadInteger(L"Position - Left");
  if (!left) return false;
  const auto top = reg.ReadInteger(L"Position - Top");
  if (!top) return false;
  state.position = TWindowPosition{*left, *top};
  const auto tip = reg.ReadInteger(L"MenuTip");
  if (!tip) return false;
  state.menuTip = *tip;
  if (reg.ValueExists(L"cbxMonitoredApp")) {
    const auto app = reg.ReadString(L"cbxMonitoredApp");
    if (!app) return false;
    state.monitoredApp = *app;
  }
  return !loadUserSpecPrograms || loadUserSpecPrograms();
}

}  // namespace

TRestoredWindowState RestoreWindowState(registry::IRegistryBackend& backend, bool vistaOrLater,
                                        const std::function<bool()>& loadUserSpecPrograms) {
  TRestoredWindowState state;
  TRegistry reg(backend, registry::kKeyAllAccess);
  reg.SetRootKey(registry::TRootKey::CurrentUser);
  reg.OpenKey(FromRoot(), true);
  if (reg.HasCurrentKey())
    if (const auto mode = reg.ReadInteger(L"Time")) state.mode = *mode;
  if (state.mode == 5 && !vistaOrLater) state.mode = 1;

  if (ReadWhole(reg, state, loadUserSpecPrograms)) return state;

  state.position.reset();
  state.menuTip.reset();
  state.monitoredApp.clear();
  state.rebuilt = true;
  reg.CloseKey();
  const bool ok = reg.DeleteKey(FromRoot()) && reg.OpenKey(FromRoot(), true) && reg.WriteInteger(L"MenuTip", 0);
  state.rebuildFailed = !ok;
  return state;
}

void SavePosition(registry::IRegistryBackend& backend, const TWindowPosition& position) {
  TRegistry reg(backend, registry::kKeyAllAccess);
  reg.SetRootKey(registry::TRootKey::CurrentUser);
  if (!reg.OpenKey(FromRoot(), true)) return;
  reg.WriteInteger(L"Position - Left", position.left);
  reg.WriteInteger(L"Position - Top", position.top);
}

std::optional<std::wstring> SaveWindowState(registry::IRegistryBackend& backend, const TWindowStateToSave& state) {
  TRegistry reg(backend, registry::kKeyAllAccess);
  reg.SetRootKey(registry::TRootKey::CurrentUser);
  reg.OpenKey(FromRoot(), true);
  bool ok = reg.HasCurrentKey() && reg.WriteInteger(L"Position - Left", state.position.left) &&
            reg.WriteInteger(L"Position - Top", state.position.top) && reg.WriteInteger(L"MenuTip", state.menuTip);
  if (ok) {
    if (state.trigger == 4)
      ok = reg.WriteString(L"cbxMonitoredApp", state.monitoredApp);
    else if (state.trigger >= 1 && state.trigger <= 5)
      ok = reg.WriteString(L"Time" + std::to_wstring(state.trigger), state.pickerText);
  }
  ok = ok && reg.WriteInteger(L"Time", state.trigger) && reg.WriteString(L"Version", state.version);
  if (ok) return std::nullopt;
  const std::wstring path = reg.HasCurrentKey() ? reg.CurrentPath() : std::wstring(kSettingsKey);
  return L"HCU\\" + path;
}

}  // namespace vorda::settings
