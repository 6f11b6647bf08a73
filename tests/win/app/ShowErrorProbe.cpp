// Shows two errors through the program's error box, as the arguments say:
//   showerror_probe fatal   a fatal error, then another one
//   showerror_probe plain   two ordinary errors
// It returns 5 when it gets past both.
#include <cstring>

#include "win/system/ErrorBox.h"

int main(int argc, char** argv) {
  const bool fatal = argc > 1 && std::strcmp(argv[1], "fatal") == 0;
  vorda::win::ShowError(L"Pierwszy komunikat", fatal);
  vorda::win::ShowError(L"Drugi komunikat", false);
  return 5;
}
