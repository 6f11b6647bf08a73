#include "core/programs/ProgramList.h"

#include <algorithm>

#include "core/programs/SpecPrg.h"

namespace vorda::programs {

bool IsIgnoredWindow(bool ownWindow, std::wstring_view className, std::wstring_view title, const TUpperCase& upper) {
  if (ownWindow) return true;
  if (upper(className) == L"PROGMAN") return true;
  if (title.empty() || title == L" ") return true;
  return className == L"Dwm";
}

bool ListHolds(const std::vector<std::wstring>& items, std::wstring_view entry, const TUpperCase& upper) {
  const std::wstring wanted = upper(entry);
  return std::any_of(items.begin(), items.end(), [&](const std::wstring& item) { return upper(item) == wanted; });
}

TMonitoredAppList::TMonitoredAppList(bool showClasses, TUpperCase upper, TLearn learn)
    : showClasses_(showClasses), upper_(std::move(upper)), learn_(std::move(learn)) {}

bool TMonitoredAppList::MonitoredAppEnumProc(const TTopWindow& window) {
  if (!window.appWindow) return true;
  if (IsIgnoredWindow(window.ownWindow, window.className, window.title, upper_)) return true;
  if (!ListHolds(items_, window.title, upper_)) {
    const std::wstring classEntry = std::wstring(kClassMarker) + window.className;
    const bool classListed = ListHolds(items_, classEntry, upper_);
    if (!(classListed && !window.className.empty() && showClasses_)) {
      items_.push_back(window.title);
      if (showClasses_ && !window.className.empty()) items_.push_back(classEntry);
    }
  }
  if (learn_) learn_(window.className, window.title);
  return true;
}

std::vector<std::wstring> TMonitoredAppList::Items() const {
  std::vector<std::wstring> items = items_;
  if (Sorted())
    std::stable_sort(items.begin(), items.end(),
                     [this](const std::wstring& a, const std::wstring& b) { return upper_(a) < upper_(b); });
  return items;
}

namespace {

struct TKnownPlayer {
  std::wstring_view upperClass;
  std::wstring_view name;  // the entry when names are not matched exactly
  bool classAlways;        // the class entry whatever the matching
};

constexpr TKnownPlayer kKnownPlayers[] = {
    {L"{DA7CD0DE-1602-45E6-89A1-C2CA151E008E}", L"foobar2000", false},
    {L"FOOBAR2000_CLASS", L"foobar2000", false},
    {L"WINAMP V1.X", L"Winamp", false},
    {L"STUDIO", L"KO>>STUDIO", true},
};

}  // namespace

std::wstring CloseAppEntry(std::wstring_view title, std::wstring_view className, bool showClasses, bool exactName,
                           const TUpperCase& upper) {
  const std::wstring upperClass = upper(className);
  for (const TKnownPlayer& player : kKnownPlayers) {
    if (upperClass != player.upperClass) continue;
    if (player.classAlways || !exactName) return std::wstring(player.name);
    return std::wstring(kClassMarker) + std::wstring(className);
  }
  std::wstring entry(title);
  if (showClasses && !className.empty()) entry += std::wstring(kClassMarker) + std::wstring(className);
  return entry;
}

TCloseAppList::TCloseAppList(bool showClasses, bool exactName, TUpperCase upper)
    : showClasses_(showClasses), exactName_(exactName), upper_(std::move(upper)) {}

bool TCloseAppList::CloseAppEnumProc(const TTopWindow& window) {
  if (!window.appWindow) return true;
  if (IsIgnoredWindow(window.ownWindow, window.className, window.title, upper_)) return true;
  std::wstring entry = CloseAppEntry(window.title, window.className, showClasses_, exactName_, upper_);
  if (!ListHolds(items_, entry, upper_)) items_.push_back(std::move(entry));
  return true;
}

}  // namespace vorda::programs
