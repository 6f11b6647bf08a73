#pragma once

#include <cstdint>

namespace vorda::actions {

// The texts the final actions show; the Windows layer maps them to the
// string table.
enum class TActionMessage : std::uint8_t {
  amErrorCaption,         // "Błąd"
  amShutdownImpossible,   // "Zamknięcie systemu nie było możliwe. ..."
  amShutdownCancelled,    // "Zamykanie systemu anulowano."
  amHibernationDisabled,  // "Funkcja hibernacji w systemie została wyłączona!"
  amSuspendFailed,        // "Systemowi nie udało się przejść w stan hibernacji / uśpienia."
};

}  // namespace vorda::actions
