#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/registry/RegistryBackend.h"

namespace vorda::registry {

// The registry wrapper of the program: a root key, at most one open key, and
// typed reads and writes on it. Reads give nothing on failure; writes give
// false and leave the reason in LastError. Nothing here throws but bad_alloc.
//
// Paths: one that starts with a backslash is taken from the root; any other
// is relative to the open key (or to the root when none is open).
class TRegistry {
 public:
  explicit TRegistry(IRegistryBackend& backend, std::uint32_t access = kKeyAllAccess) noexcept
      : backend_(backend), access_(access) {}
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;
  virtual ~TRegistry() = default;

  TRootKey RootKey() const noexcept { return root_; }
  // Closes the open key.
  void SetRootKey(TRootKey root) noexcept;
  std::uint32_t Access() const noexcept { return access_; }
  void SetAccess(std::uint32_t access) noexcept { access_ = access; }

  // Opens the key (creating it and its missing parents when canCreate) with
  // the access mask; the key open before is closed first.
  bool OpenKey(std::wstring_view path, bool canCreate);
  void CloseKey() noexcept;
  bool HasCurrentKey() const noexcept { return key_ != nullptr; }
  // The path of the open key from the root, without a leading backslash.
  const std::wstring& CurrentPath() const noexcept { return currentPath_; }

  bool ValueExists(std::wstring_view name);
  // Nothing when the value is missing.
  std::optional<TRegDataType> GetDataType(std::wstring_view name);
  // A string or expandable string.
  std::optional<std::wstring> ReadString(std::wstring_view name);
  // A 4-byte DWORD, as a signed number.
  std::optional<std::int32_t> ReadInteger(std::wstring_view name);
  // A DWORD, true when not 0.
  std::optional<bool> ReadBool(std::wstring_view name);
  // The raw bytes of binary data (or of a value of a type the program does
  // not know); strings and DWORDs give nothing.
  std::optional<std::vector<std::uint8_t>> ReadBinaryData(std::wstring_view name);

  bool WriteString(std::wstring_view name, std::wstring_view value);
  bool WriteExpandString(std::wstring_view name, std::wstring_view value);
  bool WriteInteger(std::wstring_view name, std::int32_t value);
  bool WriteBool(std::wstring_view name, bool value);
  bool WriteBinaryData(std::wstring_view name, const std::vector<std::uint8_t>& data);
  // A missing value counts as deleted.
  bool DeleteValue(std::wstring_view name);

  // The key with all its subkeys; an empty path is refused.
  bool DeleteKey(std::wstring_view path);
  bool KeyExists(std::wstring_view path);

  std::vector<std::wstring> GetValueNames();
  std::vector<std::wstring> GetKeyNames();

  // What the last failed operation ran into (empty after success).
  const std::wstring& LastError() const noexcept { return lastError_; }

 protected:
  IRegistryBackend& Backend() noexcept { return backend_; }

 private:
  std::wstring FullPath(std::wstring_view path) const;
  std::optional<TRegValue> Query(std::wstring_view name);
  bool Write(std::wstring_view name, const TRegValue& value);
  void Fail(std::wstring what, TRegStatus status);

  IRegistryBackend& backend_;
  std::uint32_t access_;
  TRootKey root_ = TRootKey::CurrentUser;
  std::unique_ptr<IRegistryKey> key_;
  std::wstring currentPath_;
  std::wstring lastError_;
};

// The path with backslashes folded: no leading, trailing or doubled ones.
std::wstring NormalizeKeyPath(std::wstring_view path);

}  // namespace vorda::registry
