// What every end-to-end case needs of an installed Vorda: the machine-wide
// special-program table, and a settings key that a start takes as whole (a
// key without the window state is rebuilt, which drops the settings a case
// has just written). Cases that need something else change it themselves.
#include <gtest/gtest.h>

#include "support/Driver.h"
#include "win/programs/SpecPrograms.h"

namespace vorda::test {
namespace {

class TInstalledEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    const std::wstring table = L"SOFTWARE\\Marobel\\Vorda\\SpecPrograms";
    if (!GetRegString(HKEY_LOCAL_MACHINE, table, L"IVCAP")) ASSERT_TRUE(win::WriteBuiltInSpecPrograms());
    const std::wstring key = L"SOFTWARE\\Marobel\\Vorda";
    for (const wchar_t* name : {L"Position - Left", L"Position - Top"})
      if (!GetRegDword(HKEY_CURRENT_USER, key, name)) ASSERT_TRUE(SetRegDword(HKEY_CURRENT_USER, key, name, 100));
    if (!GetRegDword(HKEY_CURRENT_USER, key, L"MenuTip")) ASSERT_TRUE(SetRegDword(HKEY_CURRENT_USER, key, L"MenuTip", 3));
  }
};

[[maybe_unused]] ::testing::Environment* const kInstalled =
    ::testing::AddGlobalTestEnvironment(new TInstalledEnvironment);

}  // namespace
}  // namespace vorda::test
