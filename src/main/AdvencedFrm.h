#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/GroupBox.h"
#include "controls/Label.h"
#include "controls/NumberBox.h"
#include "controls/RadioButton.h"
#include "controls/Window.h"
#include "controls/Gdi.h"
#include "core/settings/TeskCommand.h"

namespace vorda::settings {
class TTeskSettings;
}

namespace vorda::app {

class TAdvencedTeskForm;

// The chosen final action changed while the dialog is open.
using TTeskCommandChangeEvent =
    std::function<void(TAdvencedTeskForm& ASender, settings::TTeskCommand ANewValue, const std::wstring& ANewActionCaption)>;
// The option to show window classes changed; the sender is the check box.
using TTeskClassNamesVisibleChangeEvent = std::function<void(controls::TCheckBox& ASender, bool ANewState)>;
// The entries of the close-program list: the running programs, with their
// window classes when showClassNames is set; exactName tells how names match.
using TCloseAppListFill = std::function<std::vector<std::wstring>(bool showClassNames, bool exactName)>;

// The advanced options: a modal tool window that edits the settings object it
// is given. The controls show the settings from creation on; the settings
// change only when the user accepts.
class TAdvencedTeskForm : public controls::TWindow {
 public:
  static constexpr int kClientWidth = 606;
  static constexpr int kClientHeight = 292;
  static constexpr const wchar_t* kClassName = L"TAdvencedTeskForm";

  explicit TAdvencedTeskForm(settings::TTeskSettings& settings) noexcept;
  ~TAdvencedTeskForm() override;

  // Builds the hidden dialog, owned by owner, and shows the settings in it.
  bool Create(HWND owner);
  // Shows the dialog modally over its owner; true when it closed with OK.
  bool ShowModal();

  settings::TTeskCommand GetMainAction() const;
  void SetMainAction(settings::TTeskCommand value);
  // The caption of an action for the main window's label ("Wyłącz komputer:").
  std::wstring GetCommandCaption(settings::TTeskCommand value) const;

  TTeskCommandChangeEvent OnCmdChangeHandler;
  TTeskClassNamesVisibleChangeEvent OnClassNamesVisibleChangeHandler;
  // Fills the close-program list; without it the list stays empty.
  TCloseAppListFill CloseAppListFill;

  // The refresh of the close-program list (F5).
  void actCloseAppRefreshExecute();
  bool CloseAppRefreshEnabled() const noexcept { return FCloseAppRefreshEnabled; }
  int CloseAppRefreshCount() const noexcept { return FCloseAppRefreshCount; }

  // The controls, named as the dialog's designer names them.
  controls::TRadioButton rbtnShutdown;
  controls::TRadioButton rbtnHibernation;
  controls::TRadioButton rbtnCloseApp;
  controls::TComboBox edtCloseApp;
  controls::TButton btnCloseAppRefresh;
  controls::TRadioButton rbtnOtherAction;
  controls::TComboBox cbxOtherAction;
  controls::TGroupBox grAppWindowState;
  controls::TRadioButton rbtnAppWindowShow;
  controls::TRadioButton rbtnAppWindowMinimize;
  controls::TRadioButton rbtnAppWindowHide;
  controls::TCheckBox cbMinimizeToTray;
  controls::TCheckBox cbAutoStartup;
  controls::TCheckBox cbForceShutdown;
  controls::TGroupBox groupBeforeCloseSystem;
  controls::TCheckBox cbNoForceShutdown;
  controls::TCheckBox cbScreenshot;
  controls::TEdit edtScreenshot;
  controls::TButton btnScreenshotPath;
  controls::TCheckBox cbSoundWarning;
  controls::TLabel Label5;
  controls::TNumberBox edtAlarmSec;
  controls::TLabel Label6;
  controls::TCheckBox cbExactAppName;
  controls::TLabel Label3;
  controls::TNumberBox edtSecToShutdown;
  controls::TLabel Label4;
  controls::TCheckBox cbShowClassNames;
  controls::TCheckBox cbWatchInternalWindows;
  controls::TButton btnCancel;
  controls::TButton btnOk;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  enum class TModalResult { mrNone, mrOk, mrCancel };

  void CreateControls();
  void BindEvents();
  void FormCreate();
  void FormShow();
  void FormHide();

  void TeskMainActionChange();
  void cbxOtherActionChange();
  void edtCloseAppChange();
  void edtScreenshotChange();
  void cbForceShutdownClick(controls::TCheckBox& clicked, controls::TCheckBox& other);
  void cbSoundWarningClick();
  void cbMinimizeToTrayClick();
  void ChangeAppWndState(int tabOrder);
  void cbShowClassNamesClick();
  void cbScreenshotClick();
  void btnScreenshotPathClick();
  void btnOkClick();
  void btnCancelClick();
  void UpdateOkButton();
  void RaiseCmdChange(settings::TTeskCommand action);
  void SetCloseAppRefreshEnabled(bool enabled);

  settings::TTeskSettings& FSettings;
  bool FCorrectAppToCloseValue = false;
  bool FCorrectScreenshotPath = false;
  bool FCloseAppRefreshEnabled = true;
  int FCloseAppRefreshCount = 0;
  TModalResult FModalResult = TModalResult::mrNone;
  controls::UniqueFont FFont;
};

// The hooks of the main window into the advanced options.
struct TAdvancedOptionsHooks {
  TTeskCommandChangeEvent onCmdChange;
  TTeskClassNamesVisibleChangeEvent onClassNamesVisibleChange;
  TCloseAppListFill closeAppListFill;
};

// Creates the dialog for owner, shows it modally and destroys it; true when
// the user accepted, the settings then holding the dialog's choices.
bool ExecuteAdvancedOptions(HWND owner, settings::TTeskSettings& settings, const TAdvancedOptionsHooks& hooks);

}  // namespace vorda::app
