#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace vorda::win {

// The process-wide application object: title, help file, the window that owns
// the taskbar button and message boxes, and the message loop.
class TApplication {
 public:
  static TApplication& Get() noexcept;

  const std::wstring& Title() const noexcept { return title_; }
  void SetTitle(std::wstring title) { title_ = std::move(title); }

  // The help file name as set, and its full path next to the executable.
  const std::wstring& HelpFile() const noexcept { return helpFile_; }
  void SetHelpFile(std::wstring name) { helpFile_ = std::move(name); }
  std::wstring HelpFilePath() const;

  HWND MainWindow() const noexcept { return mainWindow_; }
  void SetMainWindow(HWND hwnd) noexcept { mainWindow_ = hwnd; }

  // Asks the message loop to end; it ends when control returns to it.
  void Terminate() noexcept;
  bool Terminated() const noexcept { return terminated_; }

  // Key shortcuts of the whole application, whichever of its windows is
  // active: asked first for every key press; true when it handled the key.
  std::function<bool(const MSG&)> onShortCut;

  // Handles the messages waiting in the queue, then returns.
  void ProcessMessages() noexcept;

  // Runs the message loop until Terminate or WM_QUIT; the exit code.
  int Run() noexcept;

 private:
  bool DispatchOne(MSG& msg) noexcept;

  std::wstring title_;
  std::wstring helpFile_;
  HWND mainWindow_ = nullptr;
  bool terminated_ = false;
  int exitCode_ = 0;
};

// The folder of the running executable, with a trailing separator.
std::wstring ExeFolder();
// The full path of the running executable.
std::wstring ExePath();

}  // namespace vorda::win
