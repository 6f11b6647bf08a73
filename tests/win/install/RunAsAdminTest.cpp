#include "win/install/RunAsAdmin.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/Driver.h"

namespace vorda::win {
namespace {

// The started copy writes a file, so the test sees that it ran with the
// parameters given.
TEST(RunAsAdminTest, StartsTheProgramWithItsParameters) {
  const std::wstring folder = test::MakeTempFolder(L"vorda-runas");
  const std::wstring marker = folder + L"started.txt";
  wchar_t system[MAX_PATH] = {};
  ASSERT_GT(::GetSystemDirectoryW(system, MAX_PATH), 0u);
  const std::wstring cmd = std::wstring(system) + L"\\cmd.exe";
  ASSERT_TRUE(RunAsAdmin(nullptr, cmd, L"/c echo setup_admin> \"" + marker + L"\""));
  EXPECT_TRUE(test::WaitUntil([&] { return test::ReadFileBytes(marker).starts_with("setup_admin"); },
                              std::chrono::seconds(20)));
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(folder), ignored);
}

TEST(RunAsAdminTest, AMissingProgramIsAFailure) {
  const std::wstring folder = test::MakeTempFolder(L"vorda-runas-missing");
  EXPECT_FALSE(RunAsAdmin(nullptr, folder + L"Vorda.exe", L"setup_admin"));
  ::RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace vorda::win
