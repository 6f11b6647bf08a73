#include "win/log/MsgLogger.h"

#include <cstdarg>
#include <cstdio>
#include <stdexcept>

#include "core/log/LogFormat.h"
#include "core/text/Utf8.h"
#include "win/app/Application.h"
#include "win/system/Paths.h"
#include "win/system/Version.h"

namespace vorda::win {

std::unique_ptr<TMsgLogger> Logger;

class TMsgLogger::Lock {
 public:
  explicit Lock(CRITICAL_SECTION& cs) noexcept : cs_(cs) { ::EnterCriticalSection(&cs_); }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;
  ~Lock() { ::LeaveCriticalSection(&cs_); }

 private:
  CRITICAL_SECTION& cs_;
};

namespace {

log::LocalTime Now() noexcept {
  SYSTEMTIME st;
  ::GetLocalTime(&st);
  return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

bool FileExists(const std::wstring& path) noexcept {
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Deletes a file; a name that is a folder (or a link to one) is removed as a folder.
bool DeletePath(const std::wstring& path) noexcept {
  const DWORD attr = ::GetFileAttributesW(path.c_str());
  if (attr == INVALID_FILE_ATTRIBUTES) return true;
  if (attr & FILE_ATTRIBUTE_DIRECTORY) return ::RemoveDirectoryW(path.c_str()) != 0;
  return ::DeleteFileW(path.c_str()) != 0;
}

std::wstring FolderOf(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring{} : path.substr(0, slash + 1);
}

constexpr int kMaxNumberedFiles = 10000;

}  // namespace

TMsgLogger::TMsgLogger(std::int64_t maxSize, bool enabled) : maxSize_(maxSize) {
  ::InitializeCriticalSection(&onlyOneThread_);
  try {
    const std::wstring folder = GetSpecialFolder(sfAppData, L"Solvane");
    fileName_ = log::LogFileName(folder, ExePath());
    OpenLogFile();
    LogEvent(std::wstring(log::SeparatorLine()));
    LogHeader();
    SetEnabled(enabled);
  } catch (...) {
    stream_.Close();
    ::DeleteCriticalSection(&onlyOneThread_);
    throw;
  }
}

TMsgLogger::~TMsgLogger() {
  stream_.Close();
  ::DeleteCriticalSection(&onlyOneThread_);
}

void TMsgLogger::OpenLogFile() {
  enabled_ = true;
  // OPEN_ALWAYS opens an existing log for appending or creates a new one.
  stream_.Attach(::CreateFileW(fileName_.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!stream_ || !::GetFileSizeEx(stream_.Get(), &size)) {
    enabled_ = false;
    stream_.Close();
    throw std::runtime_error("the log file cannot be opened");
  }
  if (size.QuadPart == 0) {
    static constexpr char kBom[] = "\xEF\xBB\xBF";
    DWORD written = 0;
    if (!::WriteFile(stream_.Get(), kBom, 3, &written, nullptr) || written != 3) {
      enabled_ = false;
      stream_.Close();
      throw std::runtime_error("the log file cannot be written");
    }
  }
}

void TMsgLogger::LogHeader() {
  const std::wstring exe = ExePath();
  LogEvent(log::HeaderLine(exe, GetFileVersionText(exe, true, true)));
}

void TMsgLogger::SetEnabled(bool value) {
  if (value == enabled_) return;
  if (value && !stream_) return;  // a logger without a file cannot be enabled
  enabled_ = value;
  Log(value ? L"Log enabled" : L"Log disabled");
}

void TMsgLogger::LogEvent(const std::wstring& msg) {
  if (!enabled_) return;
  WriteToFile(log::EventLine(Now(), msg));
}

void TMsgLogger::LogDebug(const std::wstring& msg) noexcept { ::OutputDebugStringW(msg.c_str()); }

void TMsgLogger::Log(const std::wstring& msg) {
  LogEvent(msg);
  LogDebug(msg);
}

void TMsgLogger::LogStream(const std::wstring& msg) {
  if (enabled_) WriteToFile(msg);
}

void TMsgLogger::LogExecTime(const std::wstring& msg, std::uint32_t ticks) {
  LogEvent(log::ExecTimeLine(msg, ticks));
}

void TMsgLogger::WriteToFile(const std::wstring& line) noexcept {
  Lock lock(onlyOneThread_);
  try {
    if (!stream_) return;
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(stream_.Get(), &size) && log::NeedsRotation(size.QuadPart, maxSize_)) RotateLogFile();
    if (!stream_) return;

    ULARGE_INTEGER freeBytes{};
    const std::wstring folder = FolderOf(fileName_);
    if (!::GetDiskFreeSpaceExW(folder.empty() ? nullptr : folder.c_str(), nullptr, nullptr, &freeBytes)) return;
    if (!log::EnoughFreeSpace(freeBytes.QuadPart) || !enabled_) return;

    const std::string bytes = text::ToUtf8(line) + "\r\n";
    LARGE_INTEGER zero{};
    ::SetFilePointerEx(stream_.Get(), zero, nullptr, FILE_END);
    DWORD written = 0;
    ::WriteFile(stream_.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  } catch (...) {
    // A line that cannot be written is lost; the logger stays as it was.
  }
}

void TMsgLogger::RotateLogFile() noexcept {
  try {
    stream_.Close();
    const std::wstring backup = log::BackupFileName(fileName_);
    bool moved = DeletePath(backup) && ::MoveFileW(fileName_.c_str(), backup.c_str());
    if (!moved) {
      std::wstring candidate;
      for (int n = 1; n <= kMaxNumberedFiles; ++n) {
        std::wstring name = log::NumberedFileName(fileName_, n);
        if (!FileExists(name) || DeletePath(name)) {
          candidate = std::move(name);
          break;
        }
      }
      if (candidate.empty()) throw std::runtime_error("no free log file name");
      fileName_ = candidate;
    }
    OpenLogFile();
    LogHeader();
  } catch (...) {
    stream_.Close();
    fileName_.clear();
    enabled_ = false;
  }
}

bool TMsgLogger::RegEnabled(const std::wstring& appKey, HKEY root) {
  const std::wstring path = L"SOFTWARE\\Marobel\\" + appKey;
  UniqueRegKey key;
  if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.Put()) == ERROR_SUCCESS) {
    DWORD type = 0, value = 0, size = sizeof(value);
    const LSTATUS status =
        ::RegQueryValueExW(key.Get(), L"Logger", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    if (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
      return status == ERROR_SUCCESS && type == REG_DWORD && size == sizeof(value) && value != 0;
    }
  }
  if (root == HKEY_CURRENT_USER) return RegEnabled(appKey, HKEY_LOCAL_MACHINE);
  return false;
}

bool StartLogger(std::int64_t maxSize) noexcept {
  try {
    Logger = std::make_unique<TMsgLogger>(maxSize, true);
    return true;
  } catch (...) {
    Logger.reset();
    return false;
  }
}

void LogEvent(const std::wstring& msg) noexcept {
  if (!Logger) return;
  try {
    Logger->LogEvent(msg);
  } catch (...) {
  }
}

void Log(const std::wstring& msg) noexcept {
  if (!Logger) return;
  try {
    Logger->Log(msg);
  } catch (...) {
  }
}

std::wstring Format(const wchar_t* format, ...) {
  std::wstring out(256, L'\0');
  for (;;) {
    va_list args;
    va_start(args, format);
    const int n = std::vswprintf(out.data(), out.size(), format, args);
    va_end(args);
    if (n >= 0 && static_cast<std::size_t>(n) < out.size()) {
      out.resize(static_cast<std::size_t>(n));
      return out;
    }
    if (out.size() > (1u << 20)) return {};
    out.resize(out.size() * 2);
  }
}

}  // namespace vorda::win
