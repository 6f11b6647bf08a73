#include "win/install/Installer.h"

#include <windows.h>

#include "core/install/MessageFill.h"
#include "lang/StringIds.h"
#include "win/app/Strings.h"
#include "win/log/MsgLogger.h"
#include "win/system/Shortcut.h"
#include "win/system/Version.h"

namespace vorda::win {
namespace {

bool FileExists(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring CreateLink(const TInstallRequest& request, int place) {
  return CreateShortcutIn(request.folder + std::wstring(install::kProgramExe), L"", request.folder, L"", true, place,
                          LoadStr(IDS_DISPLAY_NAME), LoadStr(IDS_LINK_NAME));
}

}  // namespace

install::TProgramVersion ReadProgramVersion(const std::wstring& file) {
  return {GetFileVersionNumber(file), GetFileVersionText(file, false, false), GetFileVersionText(file, true, false)};
}

TInstallOutcome Install(const TInstallRequest& request, IInstallUi& ui, registry::IRegistryBackend& backend) {
  ui.SetProgressMax(5);
  int progress = 0;
  for (const auto name : install::kProgramFiles) {
    const std::wstring file(name);
    const std::wstring source = request.sourceFolder + file;
    if (!FileExists(source)) {
      LogEvent(L"Error - Install: missing file " + source);
      ui.ShowError(install::FillPlaceholders(LoadStr(IDS_INSTALL_FILE_MISSING), {file}), true);
      return TInstallOutcome::ioFileMissing;
    }
    const std::wstring target = request.folder + file;
    while (!::CopyFileW(source.c_str(), target.c_str(), FALSE)) {
      LogEvent(L"Error - Install: cannot copy " + source + L" to " + target);
      if (!ui.AskRetry(install::FillPlaceholders(LoadStr(IDS_INSTALL_COPY_FAILED), {target}))) {
        ui.EndProgram(false);
        return TInstallOutcome::ioCancelled;
      }
    }
    ui.SetProgress(++progress);
  }

  install::TInstallInfo info;
  info.folder = request.folder;
  // A link that cannot be created is skipped and gets no place in the record.
  if (request.desktopLink) info.shortcuts.push_back(CreateLink(request, spCommonDesktop));
  if (request.programsLink) info.shortcuts.push_back(CreateLink(request, spCommonPrograms));
  std::erase(info.shortcuts, std::wstring{});
  ui.SetProgress(++progress);

  if (request.writeSpecPrograms) request.writeSpecPrograms();
  info.version = ReadProgramVersion(request.versionSource);
  info.displayName = LoadStr(IDS_DISPLAY_NAME);
  info.email = LoadStr(IDS_EMAIL);
  info.webSite = LoadStr(IDS_WEB_SITE);
  info.programPage = LoadStr(IDS_PROGRAM_PAGE);
  const auto failures = install::ApplyRegWrites(backend, registry::TRootKey::LocalMachine, install::InstallRecord(info));
  ui.SetProgress(++progress);
  if (failures.empty()) return TInstallOutcome::ioDone;
  // The installation is not complete: the user has to hear it.
  for (const auto& failure : failures) LogEvent(L"Error - Install registry write failed: HKLM\\" + failure);
  const std::wstring& first = failures.front();
  ui.ShowError(install::FillPlaceholders(LoadStr(IDS_REGISTRY_WRITE_FAILED), {L"HKLM\\" + first.substr(0, first.find(L": "))}),
               false);
  return TInstallOutcome::ioRegistryFailed;
}

}  // namespace vorda::win
