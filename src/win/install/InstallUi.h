#pragma once

#include <functional>
#include <string>

namespace vorda::win {

// What the installation and the uninstallation show the user: the error
// boxes, the Retry/Cancel box and the wizard's progress bar.
class IInstallUi {
 public:
  virtual ~IInstallUi() = default;
  // The program's error box; a fatal one asks the program to end.
  virtual void ShowError(const std::wstring& text, bool fatal) = 0;
  // A box with the caption "Błąd", an error icon, Retry and Cancel; true on Retry.
  virtual bool AskRetry(const std::wstring& text) = 0;
  // Ends the program after a Cancel: when control returns to the message
  // loop, or at once.
  virtual void EndProgram(bool immediately) = 0;
  virtual void SetProgressMax(int maximum) = 0;
  virtual void SetProgress(int position) = 0;
};

// The boxes of the program; the progress goes to the handler the wizard
// gives (none: nowhere).
class TWinInstallUi final : public IInstallUi {
 public:
  explicit TWinInstallUi(std::function<void(int position, int maximum)> onProgress = {})
      : onProgress_(std::move(onProgress)) {}
  void ShowError(const std::wstring& text, bool fatal) override;
  bool AskRetry(const std::wstring& text) override;
  void EndProgram(bool immediately) override;
  void SetProgressMax(int maximum) override;
  void SetProgress(int position) override;

 private:
  std::function<void(int, int)> onProgress_;
  int maximum_ = 100;
};

}  // namespace vorda::win
