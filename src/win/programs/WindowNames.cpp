#include "win/programs/WindowNames.h"

#include "win/app/Application.h"
#include "win/system/FileHelpers.h"

namespace vorda::win {
namespace {

struct TEnumContext {
  HWND own;
  std::vector<programs::TTopWindow>* windows;
};

BOOL CALLBACK CollectEnumProc(HWND window, LPARAM param) noexcept {
  try {
    auto& context = *reinterpret_cast<TEnumContext*>(param);
    programs::TTopWindow w;
    w.appWindow = IsAppWindow(window, true);
    if (!w.appWindow) return TRUE;  // nothing else of it is needed
    w.title = GetWindowTitle(window);
    w.className = GetWindowClass(window);
    w.ownWindow = window == context.own || window == TApplication::Get().MainWindow();
    context.windows->push_back(std::move(w));
  } catch (...) {
    // Out of memory: the list simply lacks this window.
  }
  return TRUE;
}

}  // namespace

std::wstring GetWindowTitle(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = ::GetWindowTextW(window, title.data(), length + 1);
  title.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return title;
}

std::wstring GetWindowClass(HWND window) {
  wchar_t name[64] = {};
  const int got = ::GetClassNameW(window, name, 64);
  return std::wstring(name, got > 0 ? static_cast<std::size_t>(got) : 0);
}

std::wstring UpperCaseName(std::wstring_view text) {
  std::wstring upper(text);
  if (!upper.empty()) ::CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
  return upper;
}

const programs::TUpperCase& ProgramUpperCase() {
  static const programs::TUpperCase upper = [](std::wstring_view text) { return UpperCaseName(text); };
  return upper;
}

bool IsIgnoredWindow(HWND window, HWND own, std::wstring_view className, std::wstring_view title) {
  const bool ownWindow = window == own || window == TApplication::Get().MainWindow();
  return programs::IsIgnoredWindow(ownWindow, className, title, ProgramUpperCase());
}

std::vector<programs::TTopWindow> TopLevelWindows(HWND own) {
  std::vector<programs::TTopWindow> windows;
  TEnumContext context{own, &windows};
  ::EnumWindows(CollectEnumProc, reinterpret_cast<LPARAM>(&context));
  return windows;
}

std::vector<std::wstring> CloseAppListItems(HWND own, bool showClasses, bool exactName) {
  programs::TCloseAppList list(showClasses, exactName, ProgramUpperCase());
  for (const programs::TTopWindow& window : TopLevelWindows(own)) list.CloseAppEnumProc(window);
  return list.Items();
}

}  // namespace vorda::win
