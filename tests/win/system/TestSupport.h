#pragma once

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "win/system/FileHelpers.h"
#include "win/util/UniqueHandle.h"

namespace vorda::win::test {

// A fresh folder under the temporary folder, removed with its content at the end.
class TestFolder {
 public:
  explicit TestFolder(const std::wstring& name)
      : path_(GetTempDir() + name + L"-" + std::to_wstring(::GetCurrentProcessId()) + L"\\") {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    std::filesystem::create_directories(path_);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;
  ~TestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  // The folder with its trailing separator.
  const std::wstring& Path() const noexcept { return path_; }

  // Writes a file of the folder and gives its full path.
  std::wstring Write(const std::wstring& name, const std::string& content) const {
    const std::wstring file = path_ + name;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path());
    std::ofstream(std::filesystem::path(file), std::ios::binary) << content;
    return file;
  }

 private:
  std::wstring path_;
};

// Sets a registry text for the length of a test and puts the old one back.
class ScopedRegValue {
 public:
  ScopedRegValue(HKEY root, const wchar_t* subKey, const wchar_t* name, const std::wstring& value) : name_(name) {
    ::RegCreateKeyExW(root, subKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, key_.Put(), nullptr);
    wchar_t buffer[1024] = {};
    DWORD size = sizeof(buffer) - sizeof(wchar_t);
    DWORD type = 0;
    if (::RegQueryValueExW(key_.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) ==
        ERROR_SUCCESS) {
      old_ = std::wstring(buffer);
      oldType_ = type;
    }
    ok_ = Set(REG_SZ, value);
  }
  ScopedRegValue(const ScopedRegValue&) = delete;
  ScopedRegValue& operator=(const ScopedRegValue&) = delete;
  ~ScopedRegValue() {
    if (old_)
      Set(oldType_, *old_);
    else
      ::RegDeleteValueW(key_.Get(), name_.c_str());
  }
  bool Ok() const noexcept { return ok_; }

 private:
  bool Set(DWORD type, const std::wstring& value) {
    return ::RegSetValueExW(key_.Get(), name_.c_str(), 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  }

  UniqueRegKey key_;
  std::wstring name_;
  std::optional<std::wstring> old_;
  DWORD oldType_ = REG_SZ;
  bool ok_ = false;
};

inline bool FileExists(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

inline std::string ReadFile(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace vorda::win::test
