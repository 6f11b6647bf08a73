#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "win/util/UniqueHandle.h"

// Helpers of the Windows tests: start programs and watch them from outside,
// find and drive their windows, read and write the registry, capture the screen.
namespace vorda::test {

using namespace std::chrono_literals;

// A program started by a test; it is killed when the object goes unless it ended.
class TProcess {
 public:
  TProcess() = default;
  TProcess(TProcess&&) = default;
  TProcess& operator=(TProcess&&) = default;
  ~TProcess();

  // Starts exe with the command-line tail; false when it could not start.
  bool Start(const std::wstring& exe, const std::wstring& arguments);

  DWORD Id() const noexcept { return id_; }
  bool Running() const noexcept;
  // The exit code once the process ended within the time, nothing otherwise.
  std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout) const;
  void Kill() noexcept;

  // The first visible top-level window of the process with that class (any
  // class when empty) that shows up within the time.
  HWND WaitForWindow(const std::wstring& className, std::chrono::milliseconds timeout) const;
  // The process's visible top-level windows now.
  std::vector<HWND> Windows() const;

 private:
  win::UniqueKernelHandle process_;
  DWORD id_ = 0;
};

// Polls the condition every 20 ms until it holds or the time is up.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    ::Sleep(20);
  }
}

// Windows and controls.
std::wstring WindowText(HWND hwnd);
std::wstring ClassOf(HWND hwnd);
HWND FindChild(HWND parent, const std::wstring& className, int id = -1);
std::vector<HWND> Children(HWND parent);
// The first visible child of that class, and with that text unless it is empty.
HWND VisibleChild(HWND parent, const std::wstring& className, const std::wstring& text = {});
SIZE ClientSize(HWND hwnd);
// Presses a button as a user would (BM_CLICK).
void Click(HWND button);
// A message box (dialog class #32770) of the process with that caption.
HWND WaitForMessageBox(DWORD processId, const std::wstring& caption, std::chrono::milliseconds timeout);
// The text a message box shows.
std::wstring MessageBoxText(HWND box);

// The registry of the prefix (the tests run inside it).
bool SetRegDword(HKEY root, const std::wstring& key, const std::wstring& name, DWORD value);
bool SetRegString(HKEY root, const std::wstring& key, const std::wstring& name, const std::wstring& value);
std::optional<DWORD> GetRegDword(HKEY root, const std::wstring& key, const std::wstring& name);
std::optional<std::wstring> GetRegString(HKEY root, const std::wstring& key, const std::wstring& name);
void DeleteRegValue(HKEY root, const std::wstring& key, const std::wstring& name);
void DeleteRegTree(HKEY root, const std::wstring& key);

// Files.
std::string ReadFileBytes(const std::wstring& path);
bool FileExists(const std::wstring& path);
std::wstring AppDataFolder();
// A fresh empty folder under the temporary folder.
std::wstring MakeTempFolder(const std::wstring& name);

// Saves the whole screen as a 24-bit Windows bitmap; false on failure.
bool CaptureScreen(const std::wstring& bmpPath);

// The folder of the running test executable, with a trailing separator.
std::wstring TestExeFolder();

}  // namespace vorda::test
