#pragma once

#include <string>
#include <string_view>

namespace vorda::cmdline {

// The n-th token of a command line; position 0 is the program path as written.
// Quotes group blanks, two quotes in a row give one quote character, and only
// the blank ends an unquoted token. A position past the end gives "".
std::wstring ParamAt(std::wstring_view commandLine, int index);

// The number of non-empty tokens after the program path.
int ParamCount(std::wstring_view commandLine);

// The instance number of a (lower-cased) command line: 0 for an installer or
// uninstaller run, otherwise 1 or more, taken from the last "instanceN".
int InstanceNumberOf(std::wstring_view commandLine);

}  // namespace vorda::cmdline
