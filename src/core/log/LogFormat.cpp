#include "core/log/LogFormat.h"

#include <cstdio>

namespace vorda::log {
namespace {

bool IsPathSeparator(wchar_t c) { return c == L'\\' || c == L'/' || c == L':'; }

std::size_t FileNameStart(std::wstring_view path) {
  for (std::size_t i = path.size(); i > 0; --i)
    if (IsPathSeparator(path[i - 1])) return i;
  return 0;
}

}  // namespace

std::wstring FormatTimestamp(const LocalTime& t) {
  wchar_t buf[32];
  std::swprintf(buf, 32, L"%04d%02d%02d %02d%02d%02d.%03d", t.year, t.month, t.day, t.hour, t.minute,
                t.second, t.millisecond);
  return buf;
}

std::wstring FlattenMessage(std::wstring_view message) {
  std::wstring s(message);
  for (wchar_t& c : s)
    if (c == L'\n' || c == L'\r') c = L'-';
  return s;
}

std::wstring EventLine(const LocalTime& t, std::wstring_view message) {
  return FormatTimestamp(t) + L": " + FlattenMessage(message);
}

std::wstring_view SeparatorLine() { return L"----------------------------------------"; }

std::wstring HeaderLine(std::wstring_view exePath, std::wstring_view versionText) {
  std::wstring s = L"Application: [";
  s += exePath;
  s += L"] Version: [";
  s += versionText;
  s += L"]";
  return s;
}

std::wstring ExecTimeLine(std::wstring_view message, std::uint32_t ticks) {
  return std::wstring(message) + L" executing time: " + std::to_wstring(ticks) + L"ms";
}

std::wstring ChangeFileExt(std::wstring_view path, std::wstring_view ext) {
  const std::size_t nameStart = FileNameStart(path);
  std::size_t dot = path.rfind(L'.');
  if (dot == std::wstring_view::npos || dot < nameStart) dot = path.size();
  return std::wstring(path.substr(0, dot)) + std::wstring(ext);
}

std::wstring LogFileName(std::wstring_view folder, std::wstring_view exePath) {
  std::wstring name = ChangeFileExt(exePath.substr(FileNameStart(exePath)), L".log");
  std::wstring result(folder);
  if (result.empty() || result.back() != L'\\') result += L'\\';
  return result + name;
}

std::wstring BackupFileName(std::wstring_view logFileName) { return ChangeFileExt(logFileName, L".bak"); }

std::wstring NumberedFileName(std::wstring_view logFileName, int n) {
  return std::wstring(logFileName) + std::to_wstring(n);
}

}  // namespace vorda::log
