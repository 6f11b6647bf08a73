#include <gtest/gtest.h>

#include <cwctype>

#include "win/app/Application.h"
#include "win/cmdline/ProcessCmdLine.h"

namespace vorda::win {
namespace {

TEST(ProcessCmdLine, LowerCasesTheProcessCommandLineInPlace) {
  LowerCaseCommandLine();
  const std::wstring line = ::GetCommandLineW();
  for (wchar_t c : line) EXPECT_FALSE(std::iswupper(c)) << line;

  // Position 0 is the program path as written, without its quotes.
  std::wstring exe = ExePath();
  ::CharLowerBuffW(exe.data(), static_cast<DWORD>(exe.size()));
  EXPECT_EQ(CmdLineParam(0), exe);
  EXPECT_GE(CmdLineParamCount(), 0);
  EXPECT_EQ(CmdLineParam(CmdLineParamCount() + 1), L"");
  EXPECT_EQ(CachedInstanceNumber(), InstanceNumber());
}

}  // namespace
}  // namespace vorda::win
