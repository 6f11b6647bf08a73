#pragma once

namespace vorda::win {

// Creates the mutex "Tesk [Marobel]" + instance number and tries to own it
// without waiting. False when another process of that number owns it.
bool AcquireSingleInstance(int instanceNumber) noexcept;

// Releases and closes the mutex (a trigger started, or the program restarts
// itself): from then on another start of the same number gets through.
void ReleaseSingleInstance() noexcept;

}  // namespace vorda::win
