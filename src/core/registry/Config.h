#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/registry/Registry.h"
#include "core/registry/ShortCut.h"

namespace vorda::registry {

// A colour value as stored: any 32-bit number (0xFF000005 names a system colour).
using TColor = std::int32_t;

// The registry reader: reads that never fail. Each takes a default and gives
// it back whenever the value is missing, has another type, cannot be read or
// lies outside the accepted range. Open the key through the base first.
class TConfig : public TRegistry {
 public:
  explicit TConfig(IRegistryBackend& backend, std::uint32_t access = kKeyAllAccess) noexcept
      : TRegistry(backend, access) {}

  // The locale's decimal separator used by ReadFloat ('.' until set).
  wchar_t DecimalSeparator() const noexcept { return decimalSeparator_; }
  void SetDecimalSeparator(wchar_t separator) noexcept { decimalSeparator_ = separator; }

  std::wstring ReadStr(std::wstring_view name, std::wstring_view defaultValue);
  // A DWORD within min..max (both included); the default as given otherwise,
  // even when it lies outside the range.
  std::int32_t ReadInt(std::wstring_view name, std::int32_t min, std::int32_t max, std::int32_t defaultValue);
  // Only DWORD 0 and 1 count.
  bool ReadBool(std::wstring_view name, bool defaultValue);
  using TRegistry::ReadBool;
  // A number stored as text with any one decimal separator, within min..max.
  double ReadFloat(std::wstring_view name, double min, double max, double defaultValue);
  // A shortcut stored as its text or as a DWORD 0..0xFFFF.
  TShortCut ReadShortCut(std::wstring_view name, TShortCut defaultValue);
  // Any DWORD.
  TColor ReadColor(std::wstring_view name, TColor defaultValue);

  // False on any failure.
  bool DeleteKey(std::wstring_view path) noexcept;
  bool KeyExists(std::wstring_view path) noexcept;

  // The predefined root key of a name such as "HKEY_CURRENT_USER" (ASCII
  // letters in any case, no blanks around), or 0.
  static std::uint32_t StrToKey(std::wstring_view key) noexcept;

 private:
  wchar_t decimalSeparator_ = L'.';
};

}  // namespace vorda::registry
