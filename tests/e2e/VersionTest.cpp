#include <gtest/gtest.h>

#include "win/system/Version.h"

namespace vorda::win {
namespace {

TEST(VordaVersion, TheProgramCarriesTheProjectVersion) {
  const std::wstring exe = VORDA_EXE;
  const std::wstring full = VORDA_VERSION_TEXT;
  EXPECT_EQ(GetFileVersionText(exe, true, false), full);
  EXPECT_EQ(GetFileVersionText(exe, true, true), full);  // no private build
  const std::wstring shortText = full.substr(0, full.find(L'.', full.find(L'.') + 1));
  EXPECT_EQ(GetFileVersionText(exe, false, false), shortText);
  EXPECT_DOUBLE_EQ(GetFileVersionNumber(exe), std::stod(shortText));
}

}  // namespace
}  // namespace vorda::win
