// The advanced options' handlers: each turns a control event into a call of
// the portable rules and writes the result back into the controls.
#include <windows.h>

#include <commdlg.h>

#include <algorithm>

#include "core/advanced/AdvancedOptions.h"
#include "core/advanced/ScreenshotPath.h"
#include "core/settings/CommandCaption.h"
#include "core/settings/TeskSettings.h"
#include "lang/StringIds.h"
#include "main/AdvencedFrm.h"
#include "win/app/Application.h"
#include "win/app/Strings.h"
#include "win/system/FileHelpers.h"
#include "win/system/Paths.h"

namespace vorda::app {

using advanced::TMainRadio;
using settings::TTeskCommand;

namespace {

bool FileExists(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

controls::TColor ColourOf(advanced::TFieldColour colour) noexcept {
  switch (colour) {
    case advanced::TFieldColour::fcDisabled:
      return controls::clBtnFace;
    case advanced::TFieldColour::fcNormal:
      return controls::clWindow;
    case advanced::TFieldColour::fcEmpty:
      return advanced::kEmptyFieldColour;
    case advanced::TFieldColour::fcInvalid:
      break;
  }
  return advanced::kInvalidFieldColour;
}

std::wstring ProposedScreenshotPath() {
  return advanced::ProposedScreenshotPath(win::GetSpecialFolder(win::sfMyDocuments), win::GetExeBaseName(),
                                          FileExists);
}

}  // namespace

void TAdvencedTeskForm::BindEvents() {
  for (auto* radio : {&rbtnShutdown, &rbtnHibernation, &rbtnCloseApp, &rbtnOtherAction})
    radio->onClick = [this] { TeskMainActionChange(); };
  cbxOtherAction.onChange = [this] { cbxOtherActionChange(); };
  edtCloseApp.onChange = [this] { edtCloseAppChange(); };
  btnCloseAppRefresh.onClick = [this] { actCloseAppRefreshExecute(); };
  edtScreenshot.onChange = [this] { edtScreenshotChange(); };
  cbForceShutdown.onClick = [this] { cbForceShutdownClick(cbForceShutdown, cbNoForceShutdown); };
  cbNoForceShutdown.onClick = [this] { cbForceShutdownClick(cbNoForceShutdown, cbForceShutdown); };
  cbSoundWarning.onClick = [this] { cbSoundWarningClick(); };
  cbMinimizeToTray.onClick = [this] { cbMinimizeToTrayClick(); };
  rbtnAppWindowShow.onClick = [this] { ChangeAppWndState(0); };
  rbtnAppWindowMinimize.onClick = [this] { ChangeAppWndState(1); };
  rbtnAppWindowHide.onClick = [this] { ChangeAppWndState(2); };
  cbShowClassNames.onClick = [this] { cbShowClassNamesClick(); };
  cbScreenshot.onClick = [this] { cbScreenshotClick(); };
  btnScreenshotPath.onClick = [this] { btnScreenshotPathClick(); };
  btnOk.onClick = [this] { btnOkClick(); };
  btnCancel.onClick = [this] { btnCancelClick(); };
}

void TAdvencedTeskForm::FormCreate() {
  const advanced::TAdvancedState state = advanced::StateFromSettings(FSettings, ProposedScreenshotPath);
  SetMainAction(FSettings.MainAction());
  edtCloseApp.SetText(state.closeApp);
  controls::TRadioButton* windowState[] = {&rbtnAppWindowShow, &rbtnAppWindowMinimize, &rbtnAppWindowHide};
  windowState[FSettings.AppWindowState() == 1 ? 1 : FSettings.AppWindowState() == 2 ? 2 : 0]->SetChecked(true);
  cbMinimizeToTray.SetChecked(state.minimizeToTray);
  cbAutoStartup.SetChecked(state.autoStartup);
  cbForceShutdown.SetChecked(state.forceShutdown);
  cbNoForceShutdown.SetChecked(!state.forceShutdown);
  cbScreenshot.SetChecked(state.screenshot);
  edtScreenshot.SetText(state.screenshotPath);
  cbSoundWarning.SetChecked(state.soundWarning);
  edtAlarmSec.SetValue(state.alarmSec);
  cbExactAppName.SetChecked(state.exactAppName);
  edtSecToShutdown.SetValue(state.secToShutdown);
  cbShowClassNames.SetChecked(state.showClassNames);
  cbWatchInternalWindows.SetChecked(state.watchInternalWindows);
  grAppWindowState.SetTag(rbtnAppWindowHide.Checked() ? 2 : rbtnAppWindowMinimize.Checked() ? 1 : 0);
  rbtnHibernation.SetEnabled(state.hibernationEnabled);
}

TTeskCommand TAdvencedTeskForm::GetMainAction() const {
  const TMainRadio radio = rbtnShutdown.Checked()      ? TMainRadio::mrShutdown
                           : rbtnHibernation.Checked() ? TMainRadio::mrHibernation
                           : rbtnCloseApp.Checked()    ? TMainRadio::mrCloseApp
                                                       : TMainRadio::mrOther;
  return advanced::MainActionOf(radio, cbxOtherAction.ItemIndex());
}

void TAdvencedTeskForm::SetMainAction(TTeskCommand value) {
  const advanced::TMainActionChoice choice = advanced::ChoiceOf(value, cbxOtherAction.ItemIndex());
  controls::TRadioButton* radios[] = {&rbtnShutdown, &rbtnHibernation, &rbtnCloseApp, &rbtnOtherAction};
  radios[static_cast<int>(choice.radio)]->SetChecked(true);
  if (choice.radio == TMainRadio::mrOther) {
    cbxOtherAction.SetItemIndex(choice.otherIndex);
    cbxOtherActionChange();
  }
}

std::wstring TAdvencedTeskForm::GetCommandCaption(TTeskCommand value) const {
  std::wstring caption;
  switch (value) {
    case settings::tcmdShutdownComputer:
      caption = rbtnShutdown.Caption();
      break;
    case settings::tcmdHibernation:
      caption = rbtnHibernation.Caption();
      break;
    case settings::tcmdCloseProgram:
      caption = rbtnCloseApp.Caption();
      break;
    default:
      caption = cbxOtherAction.Item(value - settings::tcmdModemDisconnect);
  }
  return settings::CommandCaption(caption, value);
}

void TAdvencedTeskForm::RaiseCmdChange(TTeskCommand action) {
  if (OnCmdChangeHandler) OnCmdChangeHandler(*this, action, GetCommandCaption(action));
}

void TAdvencedTeskForm::SetCloseAppRefreshEnabled(bool enabled) {
  FCloseAppRefreshEnabled = enabled;
  btnCloseAppRefresh.SetEnabled(enabled);
}

void TAdvencedTeskForm::TeskMainActionChange() {
  const bool closeApp = rbtnCloseApp.Checked();
  edtCloseApp.SetEnabled(closeApp);
  SetCloseAppRefreshEnabled(closeApp);
  edtCloseAppChange();
  UpdateOkButton();
  cbxOtherAction.SetEnabled(rbtnOtherAction.Checked());
  if (rbtnHibernation.Checked() && !rbtnHibernation.Enabled())
    rbtnShutdown.SetChecked(true);
  else if (closeApp)
    actCloseAppRefreshExecute();
  RaiseCmdChange(GetMainAction());
}

void TAdvencedTeskForm::cbxOtherActionChange() { RaiseCmdChange(GetMainAction()); }

void TAdvencedTeskForm::edtCloseAppChange() {
  const std::wstring text = edtCloseApp.Text();
  const bool usable = advanced::IsUsableCloseApp(text);
  // The list takes a colour only while it is closed.
  if (!edtCloseApp.DroppedDown())
    edtCloseApp.SetColor(ColourOf(advanced::FieldColourOf(edtCloseApp.Enabled(), !text.empty(), usable)));
  FCorrectAppToCloseValue = !text.empty() && usable;
  UpdateOkButton();
}

void TAdvencedTeskForm::edtScreenshotChange() {
  const std::wstring path = edtScreenshot.Text();
  const bool usable = advanced::IsUsableScreenshotPath(
      path, [](std::wstring_view p) { return win::IsValidPath(std::wstring(p)); });
  edtScreenshot.SetColor(ColourOf(advanced::FieldColourOf(edtScreenshot.Enabled(), !path.empty(), usable)));
  FCorrectScreenshotPath = !path.empty() && usable;
  UpdateOkButton();
}

void TAdvencedTeskForm::UpdateOkButton() {
  btnOk.SetEnabled(advanced::OkButtonEnabled(edtCloseApp.Enabled(), FCorrectAppToCloseValue,
                                             edtScreenshot.Enabled(), FCorrectScreenshotPath));
}

void TAdvencedTeskForm::cbForceShutdownClick(controls::TCheckBox& clicked, controls::TCheckBox& other) {
  other.SetChecked(!clicked.Checked());
}

void TAdvencedTeskForm::cbSoundWarningClick() {
  const bool on = cbSoundWarning.Checked();
  Label5.SetEnabled(on);
  edtAlarmSec.SetEnabled(on);
  Label6.SetEnabled(on);
}

void TAdvencedTeskForm::cbMinimizeToTrayClick() {
  const bool toTray = cbMinimizeToTray.Checked();
  rbtnAppWindowMinimize.SetEnabled(advanced::MinimizeRadioEnabled(toTray));
  const int state = rbtnAppWindowHide.Checked() ? 2 : rbtnAppWindowMinimize.Checked() ? 1 : 0;
  if (advanced::WindowStateAfterMinimizeToTray(state, toTray) == 2 && state != 2) rbtnAppWindowHide.SetChecked(true);
}

void TAdvencedTeskForm::ChangeAppWndState(int tabOrder) { grAppWindowState.SetTag(tabOrder); }

void TAdvencedTeskForm::cbShowClassNamesClick() {
  if (OnClassNamesVisibleChangeHandler) OnClassNamesVisibleChangeHandler(cbShowClassNames, cbShowClassNames.Checked());
  actCloseAppRefreshExecute();
}

void TAdvencedTeskForm::cbScreenshotClick() {
  const bool on = cbScreenshot.Checked();
  edtScreenshot.SetEnabled(on);
  btnScreenshotPath.SetEnabled(on);
  edtScreenshotChange();
  UpdateOkButton();
}

void TAdvencedTeskForm::actCloseAppRefreshExecute() {
  if (!FCloseAppRefreshEnabled) return;
  const std::wstring kept = edtCloseApp.Text();
  edtCloseApp.Clear();
  // While the main window is being made there is nothing to list yet.
  if (win::TApplication::Get().MainWindow() && CloseAppListFill) {
    for (const auto& entry : CloseAppListFill(cbShowClassNames.Checked(), cbExactAppName.Checked()))
      edtCloseApp.Add(entry);
  }
  int widest = 0;
  for (const auto& item : edtCloseApp.Items()) widest = std::max(widest, controls::TextWidth(Font(), item));
  edtCloseApp.SetDropDownWidth(widest + 8);
  edtCloseApp.SetText(kept);
  ++FCloseAppRefreshCount;
}

void TAdvencedTeskForm::btnScreenshotPathClick() {
  const std::wstring current = edtScreenshot.Text();
  std::wstring folder(advanced::FolderPart(current));
  std::wstring name;
  int type = advanced::ptJpg;
  if (!folder.empty() && win::IsDirectory(folder)) {
    const std::wstring_view ext = advanced::ExtensionPart(current);
    type = advanced::PictureTypeOf(ext);
    name = current.substr(folder.size(), current.size() - folder.size() - ext.size());
    for (wchar_t c : ext) name += static_cast<wchar_t>(::towlower(c));
  } else {
    folder = win::GetSpecialFolder(win::sfMyDocuments);
    const std::wstring free =
        advanced::FreeFileName(folder, win::GetExeBaseName(), advanced::ExtensionOf(type), FileExists);
    name = free.substr(folder.size(), free.size() - folder.size() - advanced::ExtensionOf(type).size());
  }
  // The filter's separators become the nulls the dialog reads.
  std::wstring filter = win::LoadStr(IDS_ADV_PICTURE_FILTER);
  std::replace(filter.begin(), filter.end(), L'|', L'\0');
  filter.push_back(L'\0');
  std::wstring file = name;
  file.resize(std::max<std::size_t>(file.size() + 1, MAX_PATH * 4), L'\0');
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = Handle();
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(type);
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER;
  if (!::GetSaveFileNameW(&ofn)) return;
  file.resize(::wcslen(file.c_str()));
  edtScreenshot.SetText(advanced::WithPictureExtension(file, static_cast<int>(ofn.nFilterIndex)));
}

void TAdvencedTeskForm::btnOkClick() {
  if (!btnOk.Enabled()) return;
  advanced::TAdvancedState state;
  state.mainRadio = advanced::ChoiceOf(GetMainAction(), cbxOtherAction.ItemIndex()).radio;
  state.otherIndex = cbxOtherAction.ItemIndex();
  state.closeApp = edtCloseApp.Text();
  state.windowState = static_cast<int>(grAppWindowState.Tag());
  state.minimizeToTray = cbMinimizeToTray.Checked();
  state.autoStartup = cbAutoStartup.Checked();
  state.forceShutdown = cbForceShutdown.Checked();
  state.screenshot = cbScreenshot.Checked();
  state.screenshotPath = edtScreenshot.Text();
  state.soundWarning = cbSoundWarning.Checked();
  state.alarmSec = edtAlarmSec.Value();
  state.exactAppName = cbExactAppName.Checked();
  state.secToShutdown = edtSecToShutdown.Value();
  state.showClassNames = cbShowClassNames.Checked();
  state.watchInternalWindows = cbWatchInternalWindows.Checked();
  advanced::ApplyState(state, FSettings);
  FModalResult = TModalResult::mrOk;
}

void TAdvencedTeskForm::btnCancelClick() {
  RaiseCmdChange(FSettings.MainAction());
  FModalResult = TModalResult::mrCancel;
}

}  // namespace vorda::app
