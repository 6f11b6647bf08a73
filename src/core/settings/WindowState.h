#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/registry/RegistryBackend.h"

namespace vorda::settings {

// What the main window keeps of itself between runs, beside the settings.
struct TWindowPosition {
  std::int32_t left = 0;
  std::int32_t top = 0;
};

// The decisions of the restoring step at start-up.
struct TRestoredWindowState {
  int mode = 1;                            // the trigger to select (any number; SelectTrigger falls back to 1)
  std::optional<TWindowPosition> position; // nothing: the window keeps its designed place
  std::optional<int> menuTip;              // nothing: the tip keeps its designed state
  std::wstring monitoredApp;               // the watched-program box
  bool rebuilt = false;                    // the key was rebuilt: the settings are to be written again
  bool rebuildFailed = false;              // ... and that failed: the user is told
};

// Reads the window state from the settings key of the current user. Any
// failed read (a missing position or tip counter, a value of the wrong type,
// a failed per-user table load) rebuilds the key: it is deleted and made
// again with only "MenuTip" = 0. Trigger 5 needs Windows Vista or later.
TRestoredWindowState RestoreWindowState(registry::IRegistryBackend& backend, bool vistaOrLater,
                                        const std::function<bool()>& loadUserSpecPrograms);

// Writes the position, swallowing every failure.
void SavePosition(registry::IRegistryBackend& backend, const TWindowPosition& position);

struct TWindowStateToSave {
  TWindowPosition position;
  int menuTip = 0;
  int trigger = 1;           // the selected trigger
  std::wstring monitoredApp; // written for trigger 4
  std::wstring pickerText;   // the picker's stored-time text, written as "Time<n>" for triggers 1, 2, 3, 5
  std::wstring version;      // the running program's file version
};

// Writes the window state; on failure the path for the error message
// ("HCU\" and the key that was open), nothing on success.
std::optional<std::wstring> SaveWindowState(registry::IRegistryBackend& backend, const TWindowStateToSave& state);

}  // namespace vorda::settings
