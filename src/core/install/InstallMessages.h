#pragma once

#include <cstdint>

namespace vorda::install {

// The texts of the installer's folder checks; the Windows layer maps them to
// the string table.
enum class TInstallMessage : std::uint8_t {
  imNone,
  imNoFolder,      // "Nie podałeś katalogu."
  imBadFolder,     // "Nieprawidłowy format katalogu. ..."
  imNoSpace,       // "Brak wystarczającej ilości miejsca na dysku. ..." (needed, drive, free)
  imCannotCreate,  // "Utworzenie wskazanego katalogu nie było możliwe."
};

}  // namespace vorda::install
