#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "win/util/UniqueHandle.h"

namespace vorda::win {

// The optional diagnostic log: time-stamped UTF-8 lines in
// <application data>\Solvane\<exe name>.log, with a ".bak" backup once the file
// grows past its limit. It never reports its own failures.
class TMsgLogger {
 public:
  // Opens (or creates) the file and writes the separator and header lines.
  // Throws std::runtime_error when the file cannot be opened.
  TMsgLogger(std::int64_t maxSize, bool enabled);
  TMsgLogger(const TMsgLogger&) = delete;
  TMsgLogger& operator=(const TMsgLogger&) = delete;
  ~TMsgLogger();

  // The "Logger" switch under SOFTWARE\Marobel\<appKey>: the current user's
  // value when it exists, otherwise the machine's.
  static bool RegEnabled(const std::wstring& appKey, HKEY root);

  const std::wstring& FileName() const noexcept { return fileName_; }
  std::int64_t MaxSize() const noexcept { return maxSize_; }
  void SetMaxSize(std::int64_t value) noexcept { maxSize_ = value; }
  bool Enabled() const noexcept { return enabled_; }
  void SetEnabled(bool value);

  void LogEvent(const std::wstring& msg);
  static void LogDebug(const std::wstring& msg) noexcept;
  void Log(const std::wstring& msg);
  void LogStream(const std::wstring& msg);
  void LogExecTime(const std::wstring& msg, std::uint32_t ticks);

 private:
  class Lock;
  void OpenLogFile();
  void LogHeader();
  void WriteToFile(const std::wstring& line) noexcept;
  void RotateLogFile() noexcept;

  CRITICAL_SECTION onlyOneThread_;
  UniqueFileHandle stream_;
  bool enabled_ = false;
  std::wstring fileName_;
  std::int64_t maxSize_ = 0;
};

// The process's one logger; absent unless logging was switched on at start.
extern std::unique_ptr<TMsgLogger> Logger;

// Creates Logger with the size limit, enabled; false (Logger absent) on failure.
bool StartLogger(std::int64_t maxSize) noexcept;

// Writers that do nothing while Logger is absent.
void LogEvent(const std::wstring& msg) noexcept;
void Log(const std::wstring& msg) noexcept;

// printf-style formatting of a wide text: %ls for wide texts (pass c_str()),
// %d, %u, %.2d ...
std::wstring Format(const wchar_t* format, ...);

template <typename... Args>
void LogFmt(const wchar_t* format, Args... args) noexcept {
  if (!Logger) return;
  try {
    Log(Format(format, args...));
  } catch (...) {
  }
}

}  // namespace vorda::win
