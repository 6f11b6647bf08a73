#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/install/InstallRecord.h"
#include "support/Driver.h"
#include "win/app/Application.h"
#include "win/install/InstallUi.h"
#include "win/install/Installer.h"
#include "win/registry/Win32Registry.h"
#include "win/system/Paths.h"

namespace vorda::win::test {

using namespace ::vorda::test;

// Remembers what the installer showed; the Retry/Cancel answers come from a handler.
class FakeInstallUi final : public IInstallUi {
 public:
  struct Error {
    std::wstring text;
    bool fatal;
  };
  std::vector<Error> errors;
  std::vector<std::wstring> retryTexts;
  std::function<bool()> answerRetry = [] { return false; };
  std::optional<bool> ended;  // EndProgram(immediately)
  int maximum = -1;
  std::vector<int> positions;

  void ShowError(const std::wstring& text, bool fatal) override { errors.push_back({text, fatal}); }
  bool AskRetry(const std::wstring& text) override {
    retryTexts.push_back(text);
    return answerRetry();
  }
  void EndProgram(bool immediately) override { ended = immediately; }
  void SetProgressMax(int value) override {
    maximum = value;
    positions.clear();
  }
  void SetProgress(int position) override { positions.push_back(position); }
};

constexpr const wchar_t* kSessionManager = L"System\\CurrentControlSet\\Control\\Session Manager";

// The raw PendingFileRenameOperations value, to put back after a test.
inline std::optional<std::vector<BYTE>> ReadPendingRaw() {
  DWORD size = 0;
  if (::RegGetValueW(HKEY_LOCAL_MACHINE, kSessionManager, L"PendingFileRenameOperations", RRF_RT_REG_MULTI_SZ,
                     nullptr, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  std::vector<BYTE> data(size);
  if (::RegGetValueW(HKEY_LOCAL_MACHINE, kSessionManager, L"PendingFileRenameOperations", RRF_RT_REG_MULTI_SZ,
                     nullptr, data.data(), &size) != ERROR_SUCCESS)
    return std::nullopt;
  data.resize(size);
  return data;
}

inline void WritePendingRaw(const std::optional<std::vector<BYTE>>& data) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  if (data)
    ::RegSetValueExW(key, L"PendingFileRenameOperations", 0, REG_MULTI_SZ, data->data(), static_cast<DWORD>(data->size()));
  else
    ::RegDeleteValueW(key, L"PendingFileRenameOperations");
  ::RegCloseKey(key);
}

// The strings of PendingFileRenameOperations.
inline std::vector<std::wstring> PendingOperations() {
  std::vector<std::wstring> strings;
  const auto raw = ReadPendingRaw();
  if (!raw) return strings;
  const auto* text = reinterpret_cast<const wchar_t*>(raw->data());
  const std::size_t count = raw->size() / sizeof(wchar_t);
  std::size_t start = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (text[i] != L'\0') continue;
    strings.emplace_back(text + start, i - start);
    start = i + 1;
  }
  return strings;
}

// A source folder with the three program files, an empty target folder, and
// the registry and the shell folders of the prefix put back afterwards.
class InstallFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearRegistry();
    pendingBefore_ = ReadPendingRaw();
    source = MakeTempFolder(L"vorda-install-src");
    folder = MakeTempFolder(L"vorda-install-dst") + L"Marobel\\Vorda\\";
    std::filesystem::create_directories(std::filesystem::path(folder));
    for (const auto name : install::kProgramFiles) Put(source + std::wstring(name), "source " + Narrow(name));
    desktopLink = GetSpecialFolder(sfCommonDesktopDirectory) + L"Vorda.lnk";
    programsLink = GetSpecialFolder(sfCommonPrograms) + L"Vorda.lnk";
    ::DeleteFileW(desktopLink.c_str());
    ::DeleteFileW(programsLink.c_str());
  }

  void TearDown() override {
    ClearRegistry();
    WritePendingRaw(pendingBefore_);
    ::DeleteFileW(desktopLink.c_str());
    ::DeleteFileW(programsLink.c_str());
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(source), ignored);
    std::filesystem::remove_all(std::filesystem::path(folder).parent_path().parent_path(), ignored);
  }

  static void ClearRegistry() {
    DeleteRegTree(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Marobel\\Vorda");
    DeleteRegTree(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Marobel\\Install\\Vorda");
    DeleteRegValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Marobel\\Install", L"Vorda");
    DeleteRegTree(HKEY_LOCAL_MACHINE, std::wstring(install::kUninstallKey));
    DeleteRegTree(HKEY_CURRENT_USER, L"SOFTWARE\\Marobel\\Vorda");
    for (const auto* name : {L"Kelvari1", L"Kelvari 1", L"Kelvari2", L"VordaTestOther"})
      DeleteRegValue(HKEY_CURRENT_USER, std::wstring(install::kRunKey), name);
  }

 public:
  static std::string Narrow(std::wstring_view text) { return std::string(text.begin(), text.end()); }

 protected:

  static void Put(const std::wstring& path, const std::string& content) {
    std::ofstream(std::filesystem::path(path), std::ios::binary) << content;
  }

  TInstallRequest Request() {
    TInstallRequest request;
    request.sourceFolder = source;
    request.folder = folder;
    request.versionSource = ExePath();
    request.writeSpecPrograms = [this] { ++specProgramsWritten_; };
    return request;
  }

  TInstallOutcome RunInstall(const TInstallRequest& request) { return Install(request, ui, Win32Registry()); }

  FakeInstallUi ui;
  std::wstring source;
  std::wstring folder;
  std::wstring desktopLink;
  std::wstring programsLink;
  int specProgramsWritten_ = 0;

 private:
  std::optional<std::vector<BYTE>> pendingBefore_;
};

}  // namespace vorda::win::test
