#include "win/monitor/HookLibraryBridge.h"

#include <gtest/gtest.h>

#include "win/system/FileHelpers.h"

namespace vorda::win {
namespace {

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool Touch(const std::wstring& path) {
  UniqueFileHandle file{::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr)};
  return static_cast<bool>(file);
}

std::wstring BlockName(std::wstring path) {
  for (wchar_t& ch : path)
    if (ch == L'\\') ch = L'/';
  ::CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
  return path;
}

// Copies in the temporary folder: unused ones go, one whose block an instance
// holds stays, and files that are no copies of the library are never touched.
TEST(CleanSHCopies, DeletesOnlyUnusedCopies) {
  const std::wstring temp = GetTempDir();
  ASSERT_FALSE(temp.empty());
  const std::wstring unused = temp + L"SH97.dll";
  const std::wstring held = temp + L"SH98.dll";
  const std::wstring foreign = temp + L"SHELL97.dll";
  for (const std::wstring& path : {unused, held, foreign}) ASSERT_TRUE(Touch(path));
  UniqueKernelHandle block{
      ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 12, BlockName(held).c_str())};
  ASSERT_TRUE(block);

  EXPECT_FALSE(IsSHCopyInUse(unused));
  EXPECT_TRUE(IsSHCopyInUse(held));
  CleanSHCopies();
  EXPECT_FALSE(Exists(unused));
  EXPECT_TRUE(Exists(held));
  EXPECT_TRUE(Exists(foreign));

  block.Close();
  for (const std::wstring& path : {unused, held, foreign}) ::DeleteFileW(path.c_str());
}

}  // namespace
}  // namespace vorda::win
