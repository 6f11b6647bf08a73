#include "win/registry/Win32Registry.h"

#include <cstring>
#include <vector>

#include "core/registry/Registry.h"
#include "win/util/UniqueHandle.h"

namespace vorda::win {
namespace {

using registry::TRegStatus;
using registry::TRegValue;

// A value can change between the size query and the read; a few tries do.
constexpr int kReadTries = 4;

TRegValue ValueOf(DWORD type, const std::vector<BYTE>& data) {
  TRegValue value;
  switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ: {
      value.type = type == REG_SZ ? registry::rdString : registry::rdExpandString;
      // An odd last byte is dropped; the text ends at the first NUL, if any.
      const std::size_t count = data.size() / sizeof(wchar_t);
      std::wstring text(count, L'\0');
      if (count) std::memcpy(text.data(), data.data(), count * sizeof(wchar_t));
      const auto nul = text.find(L'\0');
      if (nul != std::wstring::npos) text.resize(nul);
      value.text = std::move(text);
      break;
    }
    case REG_DWORD:
      if (data.size() == sizeof(DWORD)) {
        value.type = registry::rdInteger;
        std::memcpy(&value.number, data.data(), sizeof(DWORD));
        break;
      }
      value.type = registry::rdUnknown;  // a DWORD of another size is no number
      value.data.assign(data.begin(), data.end());
      break;
    case REG_BINARY:
      value.type = registry::rdBinary;
      value.data.assign(data.begin(), data.end());
      break;
    default:
      value.type = registry::rdUnknown;
      value.data.assign(data.begin(), data.end());
      break;
  }
  return value;
}

class Win32Key final : public registry::IRegistryKey {
 public:
  explicit Win32Key(HKEY key) noexcept : key_(key) {}
  HKEY Handle() const noexcept { return key_.Get(); }

  std::optional<TRegValue> QueryValue(std::wstring_view name) override {
    const std::wstring n(name);
    std::vector<BYTE> data;
    for (int i = 0; i < kReadTries; ++i) {
      DWORD type = REG_NONE;
      DWORD size = 0;
      if (::RegQueryValueExW(key_.Get(), n.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
      data.resize(size);
      const LSTATUS rc = ::RegQueryValueExW(key_.Get(), n.c_str(), nullptr, &type, data.data(), &size);
      if (rc == ERROR_MORE_DATA) continue;
      if (rc != ERROR_SUCCESS) return std::nullopt;
      data.resize(size);
      return ValueOf(type, data);
    }
    return std::nullopt;
  }

  TRegStatus SetValue(std::wstring_view name, const TRegValue& value) override {
    const std::wstring n(name);
    const BYTE* bytes = nullptr;
    std::size_t size = 0;
    DWORD type = REG_BINARY;
    switch (value.type) {
      case registry::rdString:
      case registry::rdExpandString:
        type = value.type == registry::rdString ? REG_SZ : REG_EXPAND_SZ;
        bytes = reinterpret_cast<const BYTE*>(value.text.c_str());
        size = (value.text.size() + 1) * sizeof(wchar_t);
        break;
      case registry::rdInteger:
        type = REG_DWORD;
        bytes = reinterpret_cast<const BYTE*>(&value.number);
        size = sizeof(DWORD);
        break;
      case registry::rdBinary:
      case registry::rdUnknown:
        bytes = value.data.data();
        size = value.data.size();
        break;
    }
    if (size > MAXDWORD) return ERROR_INVALID_PARAMETER;
    return ::RegSetValueExW(key_.Get(), n.c_str(), 0, type, bytes, static_cast<DWORD>(size));
  }

  TRegStatus DeleteValue(std::wstring_view name) override {
    return ::RegDeleteValueW(key_.Get(), std::wstring(name).c_str());
  }

  std::vector<std::wstring> ValueNames() override { return Names(false); }
  std::vector<std::wstring> SubKeyNames() override { return Names(true); }

 private:
  std::vector<std::wstring> Names(bool subKeys) {
    std::vector<std::wstring> names;
    DWORD maxKey = 0;
    DWORD maxValue = 0;
    if (::RegQueryInfoKeyW(key_.Get(), nullptr, nullptr, nullptr, nullptr, &maxKey, nullptr, nullptr, &maxValue,
                           nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      return names;
    std::vector<wchar_t> buffer((subKeys ? maxKey : maxValue) + 1);
    for (DWORD index = 0;;) {
      DWORD length = static_cast<DWORD>(buffer.size());
      const LSTATUS rc =
          subKeys ? ::RegEnumKeyExW(key_.Get(), index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr)
                  : ::RegEnumValueW(key_.Get(), index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
      if (rc == ERROR_MORE_DATA) {  // a longer name arrived meanwhile
        if (buffer.size() > 32768) break;
        buffer.resize(buffer.size() * 2);
        continue;
      }
      if (rc != ERROR_SUCCESS) break;
      names.emplace_back(buffer.data(), length);
      ++index;
    }
    return names;
  }

  UniqueRegKey key_;
};

LSTATUS DeleteTree(HKEY parent, const std::wstring& name, int depth) {
  if (depth > 512) return ERROR_INVALID_PARAMETER;
  {
    HKEY raw = nullptr;
    LSTATUS rc = ::RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ | DELETE, &raw);
    if (rc != ERROR_SUCCESS) return rc;
    Win32Key key(raw);
    // Names first: deleting while enumerating would shift the indices.
    for (const auto& sub : key.SubKeyNames())
      if ((rc = DeleteTree(key.Handle(), sub, depth + 1)) != ERROR_SUCCESS) return rc;
  }
  return ::RegDeleteKeyW(parent, name.c_str());
}

}  // namespace

HKEY RootKeyHandle(registry::TRootKey root) noexcept {
  // The predefined keys are sign-extended 32-bit numbers.
  return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(static_cast<std::uint32_t>(root))));
}

std::unique_ptr<registry::IRegistryKey> TWin32Registry::OpenKey(registry::TRootKey root, std::wstring_view path,
                                                                std::uint32_t access, bool create,
                                                                TRegStatus& status) {
  const std::wstring p = registry::NormalizeKeyPath(path);
  HKEY key = nullptr;
  status = create ? ::RegCreateKeyExW(RootKeyHandle(root), p.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                      nullptr, &key, nullptr)
                  : ::RegOpenKeyExW(RootKeyHandle(root), p.c_str(), 0, access, &key);
  if (status != ERROR_SUCCESS) return nullptr;
  return std::make_unique<Win32Key>(key);
}

TRegStatus TWin32Registry::DeleteKeyTree(registry::TRootKey root, std::wstring_view path) {
  const std::wstring p = registry::NormalizeKeyPath(path);
  if (p.empty()) return ERROR_INVALID_PARAMETER;
  return DeleteTree(RootKeyHandle(root), p, 0);
}

std::wstring TWin32Registry::ErrorText(TRegStatus status) {
  wchar_t* buffer = nullptr;
  const DWORD n = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      static_cast<DWORD>(status), 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
  std::wstring text = n && buffer ? std::wstring(buffer, n) : L"Error " + std::to_wstring(status);
  if (buffer) ::LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
  return text;
}

registry::IRegistryBackend& Win32Registry() noexcept {
  static TWin32Registry backend;
  return backend;
}

}  // namespace vorda::win
