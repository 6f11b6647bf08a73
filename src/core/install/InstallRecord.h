#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/registry/RegistryBackend.h"

namespace vorda::install {

// The program files, in the order they are copied and recorded.
inline constexpr std::array<std::wstring_view, 3> kProgramFiles = {L"Vorda.exe", L"Vorda.chm", L"SH.dll"};
inline constexpr std::wstring_view kProgramExe = L"Vorda.exe";

// Keys of the installation, under HKEY_LOCAL_MACHINE.
inline constexpr std::wstring_view kProgramKey = L"SOFTWARE\\Marobel\\Vorda";
inline constexpr std::wstring_view kInstallKey = L"SOFTWARE\\Marobel\\Install";
inline constexpr std::wstring_view kInstallRecordKey = L"SOFTWARE\\Marobel\\Install\\Vorda";
inline constexpr std::wstring_view kUninstallKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vorda";
// Under HKEY_CURRENT_USER.
inline constexpr std::wstring_view kUserProgramKey = L"SOFTWARE\\Marobel\\Vorda";
inline constexpr std::wstring_view kRunKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

inline constexpr std::wstring_view kPublisher = L"Marobel";
inline constexpr double kRequiredVersionOfUninstaller = 0.31;
inline constexpr std::uint32_t kLanguagePolish = 1045;

// Names compared without regard to the case of ASCII letters.
bool SameText(std::wstring_view a, std::wstring_view b) noexcept;

// A path as the name of a single key: every "\" becomes "/", and back.
std::wstring PathToKeyName(std::wstring_view path);
std::wstring KeyNameToPath(std::wstring_view name);

// A double as the record keeps it: 8 bytes of IEEE 754, least significant
// first; nothing when the data has another size.
std::vector<std::uint8_t> DoubleToBytes(double value);
std::optional<double> BytesToDouble(std::span<const std::uint8_t> data);

// The uninstall command of a folder (ending with "\"): the quoted path of the
// program, a blank and "/uninstall".
std::wstring UninstallString(std::wstring_view folder);
// The folder back from such a command (with its trailing "\"): the opening
// quote and the closing quote with " /uninstall" dropped, then the folder
// part of the path. Empty when the command is too short to hold a path.
std::wstring FolderFromUninstallString(std::wstring_view command);

// The version of the running program as the record needs it.
struct TProgramVersion {
  double number = -1;           // major.minor, 2.52
  std::wstring shortText;       // "2.52"
  std::wstring fullText;        // "2.52.3.43"
};

// What an installation writes into the record.
struct TInstallInfo {
  std::wstring folder;                  // the target folder, ending with "\"
  std::vector<std::wstring> shortcuts;  // full paths of the links created
  TProgramVersion version;
  std::wstring displayName;  // "Vorda (Elmqvara)"
  std::wstring email;
  std::wstring webSite;
  std::wstring programPage;
};

// One step of the registry work: the key is created when missing; a step
// with a value writes it.
struct TRegWrite {
  std::wstring key;  // from the root
  std::wstring name;
  std::optional<registry::TRegValue> value;
};

// Everything the installation writes under HKEY_LOCAL_MACHINE after the
// special-program table, in its order: the install path, the install record
// with its shortcut and folder subkeys, the entry in the list of installed
// programs.
std::vector<TRegWrite> InstallRecord(const TInstallInfo& info);

// Carries out the steps in order under the root; a failed step does not stop
// the later ones. The description of each failure ("key\name: reason"); empty
// when all went well.
std::vector<std::wstring> ApplyRegWrites(registry::IRegistryBackend& backend, registry::TRootKey root,
                                         const std::vector<TRegWrite>& writes);

}  // namespace vorda::install
