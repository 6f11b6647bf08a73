#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorda::registry {

// The predefined root keys, by their handle values.
enum class TRootKey : std::uint32_t {
  ClassesRoot = 0x80000000,
  CurrentUser = 0x80000001,
  LocalMachine = 0x80000002,
  Users = 0x80000003,
  PerformanceData = 0x80000004,
  CurrentConfig = 0x80000005,
  DynData = 0x80000006,
};

// Access masks as the registry knows them.
constexpr std::uint32_t kKeyQueryValue = 0x0001;
constexpr std::uint32_t kKeySetValue = 0x0002;
constexpr std::uint32_t kKeyRead = 0x20019;
constexpr std::uint32_t kKeyAllAccess = 0xF003F;

// Result codes: the system's error codes (0 is success).
using TRegStatus = long;
constexpr TRegStatus kRegOk = 0;
constexpr TRegStatus kRegNotFound = 2;       // ERROR_FILE_NOT_FOUND
constexpr TRegStatus kRegAccessDenied = 5;   // ERROR_ACCESS_DENIED
constexpr TRegStatus kRegInvalidParam = 87;  // ERROR_INVALID_PARAMETER

// A value's type as the program tells them apart. Anything that is not a
// string, an expandable string, a 4-byte DWORD or binary data (a DWORD of
// another size, a QWORD, a multi-string ...) is rdUnknown.
enum TRegDataType : std::uint8_t { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

struct TRegValue {
  TRegDataType type = rdUnknown;
  std::wstring text;               // rdString, rdExpandString (up to the first NUL)
  std::uint32_t number = 0;        // rdInteger
  std::vector<std::uint8_t> data;  // rdBinary and rdUnknown: the raw bytes

  static TRegValue String(std::wstring s) { return {rdString, std::move(s), 0, {}}; }
  static TRegValue ExpandString(std::wstring s) { return {rdExpandString, std::move(s), 0, {}}; }
  static TRegValue Integer(std::uint32_t n) { return {rdInteger, {}, n, {}}; }
  static TRegValue Binary(std::vector<std::uint8_t> d) { return {rdBinary, {}, 0, std::move(d)}; }
};

// An open key. Names are compared without regard to case, as the registry does.
class IRegistryKey {
 public:
  virtual ~IRegistryKey() = default;
  // Nothing when the value is missing or cannot be read.
  virtual std::optional<TRegValue> QueryValue(std::wstring_view name) = 0;
  virtual TRegStatus SetValue(std::wstring_view name, const TRegValue& value) = 0;
  virtual TRegStatus DeleteValue(std::wstring_view name) = 0;
  virtual std::vector<std::wstring> ValueNames() = 0;
  virtual std::vector<std::wstring> SubKeyNames() = 0;
};

// The one seam between the program and the registry: the Windows registry in
// the program, an in-memory tree in the native tests. Paths are relative to
// the root and separated by backslashes.
class IRegistryBackend {
 public:
  virtual ~IRegistryBackend() = default;
  // The open key, or null with the reason in status.
  virtual std::unique_ptr<IRegistryKey> OpenKey(TRootKey root, std::wstring_view path, std::uint32_t access,
                                                bool create, TRegStatus& status) = 0;
  // Deletes the key with all its subkeys; an empty path is refused.
  virtual TRegStatus DeleteKeyTree(TRootKey root, std::wstring_view path) = 0;
  // The system's text for a result code.
  virtual std::wstring ErrorText(TRegStatus status) = 0;
};

}  // namespace vorda::registry
