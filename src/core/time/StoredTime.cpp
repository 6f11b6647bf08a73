#include "core/time/StoredTime.h"

#include <cstring>

#include "core/registry/NumberText.h"
#include "core/registry/Registry.h"
#include "core/settings/SettingsKeys.h"
#include "core/time/Duration.h"

namespace vorda::time {
namespace {

bool SameName(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto fold = [](wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

std::optional<std::wstring> StoredText(registry::TRegistry& reg, std::wstring_view name) {
  const auto type = reg.GetDataType(name);
  if (type == registry::rdString || type == registry::rdExpandString) {
    auto text = reg.ReadString(name);
    if (!text) return std::nullopt;
    if (SameName(name, L"Time5")) {
      // A silence duration from a version that did not store "Version" yet is
      // trusted only when its hours are 00.
      const auto hours = registry::StrToInt(std::wstring_view(*text).substr(0, 2));
      if (!hours) return std::nullopt;
      if (*hours > 0 && !reg.ValueExists(L"Version")) return std::nullopt;
    }
    return text;
  }
  // Older versions kept a date-time number as raw data.
  const auto data = reg.ReadBinaryData(name);
  if (!data || data->size() != sizeof(double)) return std::nullopt;
  double value = 0;
  std::memcpy(&value, data->data(), sizeof value);
  if (!IsValidDateTime(value)) return std::nullopt;
  return TimeToString(value, HourOf(value));
}

}  // namespace

std::wstring ReadStoredTime(registry::IRegistryBackend& backend, std::wstring_view name,
                            std::wstring_view defaultText) {
  try {
    registry::TRegistry reg(backend);
    if (!reg.OpenKey(settings::kSettingsKey, true)) return std::wstring(defaultText);
    auto text = StoredText(reg, name);
    if (text && StringToTime(*text)) return std::move(*text);
  } catch (...) {
  }
  return std::wstring(defaultText);
}

std::wstring ReadStoredTime(registry::IRegistryBackend& backend, std::wstring_view name, TDateTime defaultTime) {
  return ReadStoredTime(backend, name, TimeToString(defaultTime, HourOf(defaultTime)));
}

}  // namespace vorda::time
