#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vorda::programs {

// Upper case by the system's locale rules: names of programs and windows are
// compared this way.
using TUpperCase = std::function<std::wstring(std::wstring_view)>;

// One top-level window as the enumeration reports it.
struct TTopWindow {
  std::wstring title;
  std::wstring className;
  bool appWindow = true;   // a program's main window (not a tool window, not owned)
  bool ownWindow = false;  // one of this program's windows
};

// Windows that never appear in the lists: this program's own, the desktop,
// untitled ones (or titled with one blank) and the desktop window manager's.
bool IsIgnoredWindow(bool ownWindow, std::wstring_view className, std::wstring_view title, const TUpperCase& upper);

// Whether the list holds the entry (any case).
bool ListHolds(const std::vector<std::wstring>& items, std::wstring_view entry, const TUpperCase& upper);

// The running-program list of the main window. Without class names it is
// sorted and holds titles; with them it keeps the order of the windows and
// puts "KO>>" + class after each new title, so a second window of a listed
// class is not listed by its own title.
class TMonitoredAppList {
 public:
  using TLearn = std::function<void(const std::wstring& className, const std::wstring& title)>;

  TMonitoredAppList(bool showClasses, TUpperCase upper, TLearn learn);

  // One window of the enumeration; the enumeration always goes on. Every
  // window that is not left out is offered to learn, listed or not.
  bool MonitoredAppEnumProc(const TTopWindow& window);

  bool Sorted() const noexcept { return !showClasses_; }
  // The entries in the order the list shows them.
  std::vector<std::wstring> Items() const;

 private:
  bool showClasses_;
  TUpperCase upper_;
  TLearn learn_;
  std::vector<std::wstring> items_;
};

// The close-program list of the advanced options: titles (with "KO>>" +
// class when class names are shown), known players by fixed names.
class TCloseAppList {
 public:
  TCloseAppList(bool showClasses, bool exactName, TUpperCase upper);

  bool CloseAppEnumProc(const TTopWindow& window);
  const std::vector<std::wstring>& Items() const noexcept { return items_; }

 private:
  bool showClasses_;
  bool exactName_;
  TUpperCase upper_;
  std::vector<std::wstring> items_;
};

// The entry of a window for the close-program list.
std::wstring CloseAppEntry(std::wstring_view title, std::wstring_view className, bool showClasses, bool exactName,
                           const TUpperCase& upper);

}  // namespace vorda::programs
