#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorda::log {

struct LocalTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// "yyyymmdd hhnnss.zzz"
std::wstring FormatTimestamp(const LocalTime& t);

// Every LF becomes "-", then every CR: a CR LF pair turns into "--".
std::wstring FlattenMessage(std::wstring_view message);

// The timestamp, ": " and the flattened message (no line end).
std::wstring EventLine(const LocalTime& t, std::wstring_view message);

// Forty hyphens: the first line of every start of the log.
std::wstring_view SeparatorLine();

// "Application: [<exe path>] Version: [<version text>]"
std::wstring HeaderLine(std::wstring_view exePath, std::wstring_view versionText);

// "<message> executing time: <ticks>ms"
std::wstring ExecTimeLine(std::wstring_view message, std::uint32_t ticks);

// <folder><separator><exe file name with its extension changed to ".log">;
// the folder is expected to end with a separator.
std::wstring LogFileName(std::wstring_view folder, std::wstring_view exePath);

// The path with its extension (from the last point of the file name) replaced.
std::wstring ChangeFileExt(std::wstring_view path, std::wstring_view ext);

// The backup of a log: its extension replaced by ".bak".
std::wstring BackupFileName(std::wstring_view logFileName);

// The numbered fall-back: the log file name followed directly by n.
std::wstring NumberedFileName(std::wstring_view logFileName, int n);

// The log starts a new file once it has grown past the limit (0 or less: never).
constexpr bool NeedsRotation(std::int64_t fileSize, std::int64_t maxSize) {
  return maxSize > 0 && fileSize > maxSize;
}

// Lines are written only while the volume keeps more than this many bytes free.
constexpr std::uint64_t kMinFreeBytes = 0xA00001;
constexpr bool EnoughFreeSpace(std::uint64_t freeBytes) { return freeBytes > kMinFreeBytes; }

}  // namespace vorda::log
