#pragma once

#include <string>

namespace vorda::win {

// Folder numbers of GetSpecialFolder (0..40 shell folders, 41 Quick Launch).
enum TSpecialFolder : int {
  sfAdminTools = 0,
  sfAltStartup = 1,
  sfAppData = 2,
  sfBitBucket = 3,
  sfCDBurnArea = 4,
  sfCommonAdminTools = 5,
  sfCommonAltStartup = 6,
  sfCommonAppData = 7,
  sfCommonDesktopDirectory = 8,
  sfCommonDocuments = 9,
  sfCommonFavorites = 10,
  sfCommonMusic = 11,
  sfCommonPictures = 12,
  sfCommonPrograms = 13,
  sfCommonStartMenu = 14,
  sfCommonStartup = 15,
  sfCommonTemplates = 16,
  sfCommonVideo = 17,
  sfCookies = 18,
  sfDesktopDirectory = 19,
  sfFavorites = 20,
  sfFonts = 21,
  sfHistory = 22,
  sfInternetCache = 23,
  sfLocalAppData = 24,
  sfMyDocuments = 25,
  sfMyMusic = 26,
  sfMyPictures = 27,
  sfMyVideo = 28,
  sfProfile = 29,
  sfProfiles = 30,
  sfProgramFiles = 31,
  sfProgramFilesCommon = 32,
  sfPrograms = 33,
  sfRecent = 34,
  sfSendTo = 35,
  sfStartMenu = 36,
  sfStartup = 37,
  sfSystem = 38,
  sfTemplates = 39,
  sfWindows = 40,
  sfQuickLaunch = 41,
};

std::wstring GetShellDisplayName(const std::wstring& path);
std::wstring GetDisplayPath(const std::wstring& path);
// The Program Files folder with a trailing separator.
std::wstring GetProgramFilesDir();
// The folder's path with a trailing separator (the subfolder created when
// missing), or empty.
std::wstring GetSpecialFolder(int number, const std::wstring& subfolder = {});

// Creates a folder together with its missing parents; true when it exists afterwards.
bool ForceDirectories(const std::wstring& path);

bool IsDirectory(const std::wstring& path);
bool IsRelativePath(const std::wstring& path);
bool IsValidPath(const std::wstring& path);

}  // namespace vorda::win
