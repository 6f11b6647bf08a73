#include "core/install/InstallRecord.h"

#include <bit>
#include <charconv>

#include "core/registry/Registry.h"

namespace vorda::install {
namespace {

wchar_t AsciiLower(wchar_t c) noexcept { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c; }

std::wstring Replace(std::wstring_view text, wchar_t from, wchar_t to) {
  std::wstring out(text);
  for (auto& c : out)
    if (c == from) c = to;
  return out;
}

// The numbers before and after the point of "major.minor"; 0 for a part that
// does not read.
std::uint32_t VersionPart(std::wstring_view text, bool minor) {
  const auto dot = text.find(L'.');
  std::wstring_view part = minor ? (dot == std::wstring_view::npos ? std::wstring_view{} : text.substr(dot + 1))
                                 : text.substr(0, dot);
  std::uint32_t value = 0;
  for (const wchar_t c : part) {
    if (c < L'0' || c > L'9') break;
    value = value * 10 + static_cast<std::uint32_t>(c - L'0');
  }
  return value;
}

TRegWrite Value(std::wstring_view key, std::wstring_view name, registry::TRegValue value) {
  return {std::wstring(key), std::wstring(name), std::move(value)};
}

}  // namespace

bool SameText(std::wstring_view a, std::wstring_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

std::wstring PathToKeyName(std::wstring_view path) { return Replace(path, L'\\', L'/'); }
std::wstring KeyNameToPath(std::wstring_view name) { return Replace(name, L'/', L'\\'); }

std::vector<std::uint8_t> DoubleToBytes(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  std::vector<std::uint8_t> data(8);
  for (int i = 0; i < 8; ++i) data[i] = static_cast<std::uint8_t>(bits >> (8 * i));
  return data;
}

std::optional<double> BytesToDouble(std::span<const std::uint8_t> data) {
  if (data.size() != 8) return std::nullopt;
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | data[i];
  return std::bit_cast<double>(bits);
}

std::wstring UninstallString(std::wstring_view folder) {
  std::wstring command = L"\"";
  command += folder;
  command += kProgramExe;
  command += L"\" /uninstall";
  return command;
}

std::wstring FolderFromUninstallString(std::wstring_view command) {
  constexpr std::size_t kTail = 12;  // the closing quote and " /uninstall"
  if (command.size() <= kTail + 1) return {};
  const std::wstring_view path = command.substr(1, command.size() - kTail - 1);
  const auto end = path.find_last_of(L"\\:");
  return end == std::wstring_view::npos ? std::wstring{} : std::wstring(path.substr(0, end + 1));
}

std::vector<TRegWrite> InstallRecord(const TInstallInfo& info) {
  using registry::TRegValue;
  std::vector<TRegWrite> writes;
  writes.push_back(Value(kProgramKey, L"Install Path", TRegValue::String(info.folder)));
  writes.push_back(Value(kInstallKey, L"Vorda", TRegValue::String(info.displayName)));
  writes.push_back(Value(kInstallRecordKey, L"Author", TRegValue::String(std::wstring(kPublisher))));
  writes.push_back(Value(kInstallRecordKey, L"e-mail", TRegValue::String(info.email)));
  writes.push_back(Value(kInstallRecordKey, L"version", TRegValue::Binary(DoubleToBytes(info.version.number))));
  writes.push_back(Value(kInstallRecordKey, L"Type", TRegValue::Integer(0)));
  writes.push_back(Value(kInstallRecordKey, L"RequiredVersionOfUninstaller",
                         TRegValue::Binary(DoubleToBytes(kRequiredVersionOfUninstaller))));
  const std::wstring recordPrefix = std::wstring(kInstallRecordKey) + L"\\";
  for (const auto& link : info.shortcuts)
    if (!link.empty()) writes.push_back({recordPrefix + PathToKeyName(link), {}, std::nullopt});
  const std::wstring folderKey = recordPrefix + PathToKeyName(info.folder);
  for (std::size_t i = 0; i < kProgramFiles.size(); ++i)
    writes.push_back(Value(folderKey, L"File" + std::to_wstring(i + 1), TRegValue::String(std::wstring(kProgramFiles[i]))));
  writes.push_back(Value(folderKey, L"NoF", TRegValue::Integer(static_cast<std::uint32_t>(kProgramFiles.size()))));

  const std::wstring exe = info.folder + std::wstring(kProgramExe);
  writes.push_back(Value(kUninstallKey, L"DisplayName", TRegValue::String(info.displayName)));
  writes.push_back(Value(kUninstallKey, L"UninstallString", TRegValue::String(UninstallString(info.folder))));
  writes.push_back(Value(kUninstallKey, L"DisplayIcon", TRegValue::String(exe + L",0")));
  writes.push_back(Value(kUninstallKey, L"NoModify", TRegValue::Integer(1)));
  writes.push_back(Value(kUninstallKey, L"NoRepair", TRegValue::Integer(1)));
  writes.push_back(Value(kUninstallKey, L"Publisher", TRegValue::String(std::wstring(kPublisher))));
  writes.push_back(Value(kUninstallKey, L"URLInfoAbout", TRegValue::String(info.webSite)));
  writes.push_back(Value(kUninstallKey, L"URLUpdateInfo", TRegValue::String(info.programPage)));
  writes.push_back(Value(kUninstallKey, L"DisplayVersion", TRegValue::String(info.version.fullText)));
  writes.push_back(Value(kUninstallKey, L"MinorVersion", TRegValue::Integer(VersionPart(info.version.shortText, true))));
  writes.push_back(Value(kUninstallKey, L"MajorVersion", TRegValue::Integer(VersionPart(info.version.shortText, false))));
  writes.push_back(Value(kUninstallKey, L"Language", TRegValue::Integer(kLanguagePolish)));
  return writes;
}

std::vector<std::wstring> ApplyRegWrites(registry::IRegistryBackend& backend, registry::TRootKey root,
                                         const std::vector<TRegWrite>& writes) {
  std::vector<std::wstring> failures;
  for (const auto& step : writes) {
    registry::TRegStatus status = registry::kRegOk;
    auto key = backend.OpenKey(root, step.key, registry::kKeyAllAccess, true, status);
    if (key && step.value) status = key->SetValue(step.name, *step.value);
    if (!key || status != registry::kRegOk) failures.push_back(step.key + L"\\" + step.name + L": " + backend.ErrorText(status));
  }
  return failures;
}

}  // namespace vorda::install
