#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/time/DateTime.h"

namespace vorda::cmdline {

// What the reading of the command line has seen so far.
enum TCmdLineMode : int {
  cmlNothing = 0,        // nothing relevant yet
  cmlTimeOptions = 1,    // time options, no trigger yet
  cmlTimedTrigger = 101, // trigger 1, 2 or 3
  cmlProgramTrigger = 104,
};

// The error boxes; each text follows "Nieprawidłowa składnia linii poleceń: ".
enum class TCmdLineMessage : std::uint8_t {
  cmsMutuallyExclusive,  // "Użyto parametrów wzajemnie się wykluczających."
  cmsUnknownParam,       // "Użyto nieobsługiwanego (nieznanego) parametru."
  cmsNoProgramName,      // "Nie podano nazwy programu."
};

// The part of the picker's time a time option replaces.
enum class TPickerPart : std::uint8_t { ppHour = 0, ppMinute = 1, ppSecond = 2 };

// Check the trigger radio button (without loading its stored duration); for
// the program trigger with a name, put the name into the program combo box
// and check the program radio button.
struct TSelectTrigger {
  int trigger = 0;
  std::optional<std::wstring> programName;
  bool operator==(const TSelectTrigger&) const = default;
};

struct TSetPickerPart {
  TPickerPart part = TPickerPart::ppHour;
  int value = 0;
  bool operator==(const TSetPickerPart&) const = default;
};

struct TLogLine {
  std::wstring text;
  bool operator==(const TLogLine&) const = default;
};

struct TShowMessage {
  TCmdLineMessage message = TCmdLineMessage::cmsUnknownParam;
  bool operator==(const TShowMessage&) const = default;
};

using TCmdLineStep = std::variant<TSelectTrigger, TSetPickerPart, TLogLine, TShowMessage>;

// The steps in the order the form carries them out, the final mode, whether
// any error was reported (the window is then not shown) and whether the
// chosen trigger is to be started by program.
struct TCmdLineResult {
  std::vector<TCmdLineStep> steps;
  int mode = cmlNothing;
  bool failed = false;
  bool start = false;
};

// Reads the parameters after the program path, already lower-cased.
// storedProgramName is the program combo box text before reading: a bare "4"
// is a trigger only while that text is neither empty nor "?".
TCmdLineResult ParseCommandLine(const std::vector<std::wstring>& params,
                                std::wstring_view storedProgramName);

// The same for a whole (lower-cased) command line, split by ParamAt.
TCmdLineResult ParseCommandLine(std::wstring_view commandLine, std::wstring_view storedProgramName);

// "Command line (<count>): " and every parameter from the program's file on,
// each followed by one blank.
std::wstring CommandLineLogLine(int paramCount, const std::vector<std::wstring>& params);

// The picker's value with one part of its time of day replaced. A negative
// value, minutes or seconds above 59 and hours above 23 leave it unchanged,
// and so does a value that is no valid date-time.
time::TDateTime SetPickerTimePart(time::TDateTime picker, int value, TPickerPart part) noexcept;

}  // namespace vorda::cmdline
