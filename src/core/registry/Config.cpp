#include "core/registry/Config.h"

#include <array>
#include <limits>

#include "core/registry/NumberText.h"

namespace vorda::registry {

std::wstring TConfig::ReadStr(std::wstring_view name, std::wstring_view defaultValue) {
  try {
    if (auto text = ReadString(name)) return std::move(*text);
  } catch (...) {
  }
  return std::wstring(defaultValue);
}

std::int32_t TConfig::ReadInt(std::wstring_view name, std::int32_t min, std::int32_t max, std::int32_t defaultValue) {
  try {
    const auto value = ReadInteger(name);
    if (value && *value >= min && *value <= max) return *value;
  } catch (...) {
  }
  return defaultValue;
}

bool TConfig::ReadBool(std::wstring_view name, bool defaultValue) {
  return ReadInt(name, 0, 1, defaultValue ? 1 : 0) != 0;
}

double TConfig::ReadFloat(std::wstring_view name, double min, double max, double defaultValue) {
  try {
    // Only a stored text is converted; a missing value or one of another type
    // gives the default itself, not a copy that went through text.
    const auto text = ReadString(name);
    if (!text) return defaultValue;
    const auto value = SeparatorTolerantToFloat(*text, decimalSeparator_);
    if (value && *value >= min && *value <= max) return *value;
  } catch (...) {
  }
  return defaultValue;
}

TShortCut TConfig::ReadShortCut(std::wstring_view name, TShortCut defaultValue) {
  try {
    if (GetDataType(name) == rdString) {
      if (const auto text = ReadString(name)) {
        const auto shortCut = TextToShortCut(*text);
        return shortCut ? *shortCut : defaultValue;
      }
    }
  } catch (...) {
    return defaultValue;
  }
  return static_cast<TShortCut>(ReadInt(name, 0, 0xFFFF, defaultValue));
}

TColor TConfig::ReadColor(std::wstring_view name, TColor defaultValue) {
  return ReadInt(name, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(),
                 defaultValue);
}

bool TConfig::DeleteKey(std::wstring_view path) noexcept {
  try {
    return TRegistry::DeleteKey(path);
  } catch (...) {
    return false;
  }
}

bool TConfig::KeyExists(std::wstring_view path) noexcept {
  try {
    return TRegistry::KeyExists(path);
  } catch (...) {
    return false;
  }
}

std::uint32_t TConfig::StrToKey(std::wstring_view key) noexcept {
  struct Root {
    std::wstring_view name;
    TRootKey root;
  };
  static constexpr std::array<Root, 7> kRoots{{
      {L"HKEY_CLASSES_ROOT", TRootKey::ClassesRoot},
      {L"HKEY_CURRENT_USER", TRootKey::CurrentUser},
      {L"HKEY_LOCAL_MACHINE", TRootKey::LocalMachine},
      {L"HKEY_USERS", TRootKey::Users},
      {L"HKEY_PERFORMANCE_DATA", TRootKey::PerformanceData},
      {L"HKEY_DYN_DATA", TRootKey::DynData},
      {L"HKEY_CURRENT_CONFIG", TRootKey::CurrentConfig},
  }};
  for (const auto& r : kRoots) {
    if (r.name.size() != key.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < key.size() && same; ++i) {
      wchar_t c = key[i];
      if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
      same = c == r.name[i];
    }
    if (same) return static_cast<std::uint32_t>(r.root);
  }
  return 0;
}

}  // namespace vorda::registry
