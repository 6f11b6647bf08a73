#include "win/monitor/HookLibraryBridge.h"

#include <chrono>
#include <random>

#include "core/monitor/HookLibrary.h"
#include "core/monitor/ShShared.h"
#include "lang/StringIds.h"
#include "win/app/Application.h"
#include "win/app/Strings.h"
#include "win/system/ErrorBox.h"
#include "win/system/FileHelpers.h"
#include "win/system/Version.h"

namespace vorda::win {
namespace {

using monitor::TSHShared;

// At most this many instances' copies are tried; a folder full of foreign
// blocks of these names must not keep the start busy for ever.
constexpr std::uint32_t kMaxCopies = 1000;

std::wstring Upper(std::wstring_view text) {
  std::wstring out(text);
  if (!out.empty()) ::CharUpperBuffW(out.data(), static_cast<DWORD>(out.size()));
  return out;
}

std::wstring MappingName(const std::wstring& path) { return monitor::SHMappingName(path, Upper); }

// The block mapped for the program's writes, unmapped when it goes.
class TBlockView {
 public:
  explicit TBlockView(HANDLE block) noexcept
      : view_(block ? ::MapViewOfFile(block, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, monitor::kSHSharedSize)
                    : nullptr) {}
  ~TBlockView() {
    if (view_) ::UnmapViewOfFile(view_);
  }
  TBlockView(const TBlockView&) = delete;
  TBlockView& operator=(const TBlockView&) = delete;
  volatile TSHShared* operator->() const noexcept { return static_cast<volatile TSHShared*>(view_); }
  explicit operator bool() const noexcept { return view_ != nullptr; }

 private:
  void* view_;
};

int HandleValue(const void* handle) noexcept {
  return static_cast<int>(reinterpret_cast<LONG_PTR>(handle));
}

std::wstring Replace(std::wstring text, std::wstring_view what, std::wstring_view with) {
  const auto at = text.find(what);
  if (at != std::wstring::npos) text.replace(at, what.size(), with);
  return text;
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

TSHLibrary& TSHLibrary::Get() noexcept {
  static TSHLibrary library;
  return library;
}

bool TSHLibrary::CreateBlock(const std::wstring& path, bool& existed) noexcept {
  block_.Attach(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, monitor::kSHSharedSize,
                                     MappingName(path).c_str()));
  existed = block_ && ::GetLastError() == ERROR_ALREADY_EXISTS;
  return static_cast<bool>(block_);
}

void TSHLibrary::MarkTarget(HWND window) noexcept {
  if (target_ && target_ != window) ::RemovePropW(target_, monitor::kTargetProperty);
  target_ = window;
  if (window)
    ::SetPropW(window, monitor::kTargetProperty,
               reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(::GetCurrentProcessId())));
}

bool TSHLibrary::InitSH(int kind, int code, HWND window) {
  if (!window) window = TApplication::Get().MainWindow();
  if (!window) return false;
  if (module_) DoneSH();
  // A block left by a failed start is this instance's own; it must not make
  // the next start look for a copy.
  block_.Close();

  const std::wstring installed = ExeFolder() + LoadStr(IDS_SH_DLL);
  if (!FileExists(installed)) {
    ShowError(LoadStr(IDS_SH_MISSING), false);
    return false;
  }
  std::wstring path = installed;
  std::uint32_t copy = 0;
  bool existed = false;
  CreateBlock(path, existed);
  const std::wstring temp = GetTempDir();
  while (block_ && existed) {
    block_.Close();
    if (++copy >= kMaxCopies || temp.empty()) break;
    path = monitor::SHLibraryPath(L"", temp, copy);
    CreateBlock(path, existed);
  }

  HMODULE module = nullptr;
  if (block_) {
    if (copy > 0 && !CopyFiles({installed}, {path})) {
      const DWORD error = ::GetLastError();
      block_.Close();
      if (error == ERROR_DISK_FULL) {
        const std::int32_t size = GetProgramFileSize(LoadStr(IDS_SH_DLL));
        std::wstring text = Replace(LoadStr(IDS_SH_DISK_FULL), L"%s", path.substr(0, 1));
        ShowError(Replace(std::move(text), L"%d", std::to_wstring(size > 0 ? size / 1024 : 0)), false);
      } else {
        ShowError(Replace(LoadStr(IDS_SH_CREATE_FAILED), L"%s", path), false);
      }
      return false;
    }
    if (GetFileVersionText(path, false, false) != L"0.22") {
      ShowError(LoadStr(IDS_SH_OLD), false);
      return false;
    }
    module = ::LoadLibraryW(path.c_str());
  }
  if (!block_ || !module) {
    ShowError(LoadStr(IDS_SH_LOAD_FAILED), false);
    return false;
  }
  module_ = module;
  path_ = path;
  copy_ = copy;
  kind_ = kind;

  bool hooked = false;
  if (TBlockView block{block_.Get()}) {
    block->HookCode = code;
    block->TargetWnd = HandleValue(window);
    MarkTarget(window);
    hook_ = SetSHHook();
    block->HookHandle = HandleValue(hook_);
    hooked = hook_ != nullptr;
  }
  if (!hooked) {
    module_ = nullptr;
    ShowError(LoadStr(IDS_SH_OLD), false);
    return false;
  }
  return true;
}

HHOOK TSHLibrary::SetSHHook() noexcept {
  if (!module_) return nullptr;
  const auto proc = reinterpret_cast<HOOKPROC>(
      reinterpret_cast<void*>(::GetProcAddress(module_, kind_ == monitor::kHookGetMessage ? "GetMsgProc" : "HookProc")));
  using TInit = BOOL(WINAPI*)();
  const auto init = reinterpret_cast<TInit>(reinterpret_cast<void*>(::GetProcAddress(module_, "Init")));
  if (!proc || !init) return nullptr;
  init();
  return ::SetWindowsHookExW(kind_, proc, module_, 0);
}

void TSHLibrary::DoneSH() noexcept {
  if (module_) {
    TBlockView block{block_.Get()};
    if (hook_) ::UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
    if (block) {
      block->HookHandle = 0;
      // Processes that keep the library a while longer report to nobody.
      block->TargetWnd = 0;
    }
    ::FreeLibrary(module_);
  }
  module_ = nullptr;
  MarkTarget(nullptr);
  savedTarget_ = nullptr;
  block_.Close();
}

void TSHLibrary::ReattachSH(WPARAM wParam) noexcept {
  if (wParam != monitor::kDetachReload || !module_) return;
  TBlockView block{block_.Get()};
  if (!block || !hook_) return;
  ::UnhookWindowsHookEx(hook_);
  hook_ = nullptr;
  block->HookHandle = 0;

  const std::wstring name = monitor::SHModuleName(copy_);
  // Every reference this process holds goes, however many there are; a module
  // that cannot be let go does not keep the loop turning.
  for (int i = 0; i < 64; ++i) {
    const HMODULE loaded = ::GetModuleHandleW(name.c_str());
    if (!loaded) break;
    ::FreeLibrary(loaded);
    TApplication::Get().ProcessMessages();
  }
  module_ = ::LoadLibraryW(path_.c_str());
  if (!module_) {
    TApplication::Get().Terminate();
    return;
  }
  hook_ = SetSHHook();
  if (hook_) ::UnhookWindowsHookEx(hook_);
  hook_ = SetSHHook();
  block->HookHandle = HandleValue(hook_);
  if (!hook_) TApplication::Get().Terminate();
}

void TSHLibrary::PauseSH() noexcept {
  if (!module_ || !block_) return;
  if (TBlockView block{block_.Get()}) {
    savedTarget_ = target_;
    block->TargetWnd = 0;
  }
}

void TSHLibrary::ResumeSH() noexcept {
  if (module_ && block_ && savedTarget_)
    if (TBlockView block{block_.Get()}) block->TargetWnd = HandleValue(savedTarget_);
  savedTarget_ = nullptr;
}

bool IsSHCopyInUse(const std::wstring& path) {
  UniqueKernelHandle block{::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                monitor::kSHSharedSize, MappingName(path).c_str())};
  if (!block || ::GetLastError() == ERROR_ALREADY_EXISTS) return true;
  block.Close();
  const auto slash = path.find_last_of(L"\\/");
  const std::wstring fileName = slash == std::wstring::npos ? path : path.substr(slash + 1);
  const HMODULE loaded = ::GetModuleHandleW(fileName.c_str());
  return loaded && GetModuleFileNameUpper(loaded) == Upper(path);
}

void CleanSHCopies() {
  const std::wstring temp = GetTempDir();
  if (temp.empty()) return;
  WIN32_FIND_DATAW found{};
  UniqueFindHandle find{::FindFirstFileW((temp + L"SH*.dll").c_str(), &found)};
  if (!find) return;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    if (!monitor::IsSHCopyName(found.cFileName)) continue;
    const std::wstring path = temp + found.cFileName;
    if (!IsSHCopyInUse(path)) DeleteFiles({path}, false);
  } while (::FindNextFileW(find.Get(), &found));
}

void CleanSHCopiesSometimes() {
  std::minstd_rand random(static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
  if (std::uniform_int_distribution<int>(0, 3)(random) == 1) CleanSHCopies();
}

}  // namespace vorda::win
