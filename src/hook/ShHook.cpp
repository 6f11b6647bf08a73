// The hook library. The system loads it into every process of the desktop
// whose threads the hook reaches, so it stays small: no C++ runtime, no
// allocation, no state kept between calls. Each call opens the program's block
// by the name of this very file, reads it and lets it go again, so a process
// that keeps the library loaded never holds a block that the program has
// replaced, and a foreign writer of the block can only make the library
// report to a window that the program has marked as its own.
#include <windows.h>

#include "core/monitor/ShShared.h"

namespace {

using vorda::monitor::TSHShared;

HINSTANCE g_module = nullptr;

// The block as this process sees it now; false when there is none.
bool ReadBlock(TSHShared& block) noexcept {
  wchar_t name[MAX_PATH + 1];
  const DWORD n = ::GetModuleFileNameW(g_module, name, MAX_PATH + 1);
  if (n == 0 || n > MAX_PATH) return false;
  name[n] = L'\0';
  vorda::monitor::SlashPathInPlace(name);
  ::CharUpperBuffW(name, n);

  const HANDLE mapping = ::OpenFileMappingW(FILE_MAP_READ, FALSE, name);
  if (!mapping) return false;
  bool read = false;
  if (const void* view = ::MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, vorda::monitor::kSHSharedSize)) {
    const volatile TSHShared* shared = static_cast<const volatile TSHShared*>(view);
    block.HookHandle = shared->HookHandle;
    block.TargetWnd = shared->TargetWnd;
    block.HookCode = shared->HookCode;
    read = true;
    ::UnmapViewOfFile(view);
  }
  ::CloseHandle(mapping);
  return read;
}

// 32-bit handle values widen the way the system widens them.
HANDLE Widen(int value) noexcept { return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(value)); }

// The window to report to: one that exists and that its own process has
// marked as the target of this library (the mark holds that process's id).
HWND TargetOf(const TSHShared& block) noexcept {
  if (block.TargetWnd == 0) return nullptr;
  const HWND target = static_cast<HWND>(Widen(block.TargetWnd));
  if (!::IsWindow(target)) return nullptr;
  DWORD pid = 0;
  if (!::GetWindowThreadProcessId(target, &pid) || pid == 0) return nullptr;
  const HANDLE mark = ::GetPropW(target, vorda::monitor::kTargetProperty);
  if (reinterpret_cast<ULONG_PTR>(mark) != pid) return nullptr;
  return target;
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_module = instance;
    ::DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

// Called by the program before each installation of the hook: tells whether
// the block of this file is there.
__declspec(dllexport) BOOL WINAPI Init() noexcept {
  TSHShared block{};
  return ReadBlock(block) ? TRUE : FALSE;
}

// The CBT and shell hooks: a window is being destroyed. The report is sent,
// not posted, so the window still exists while the program reads its title and
// class; a program that does not answer within half a second is not waited for.
__declspec(dllexport) LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
  TSHShared block{};
  const bool have = ReadBlock(block);
  if (have && code >= 0 && code == block.HookCode && block.HookCode != vorda::monitor::kCodeInput) {
    if (const HWND target = TargetOf(block)) {
      DWORD_PTR result = 0;
      ::SendMessageTimeoutW(target, vorda::monitor::WMSH, wParam, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL, 500, &result);
    }
  }
  return ::CallNextHookEx(have ? static_cast<HHOOK>(Widen(block.HookHandle)) : nullptr, code, wParam, lParam);
}

// The get-message hook: each keyboard or mouse message that a thread takes
// from its queue is posted on (other messages are of no use to the program,
// and reporting them would report the reports themselves).
__declspec(dllexport) LRESULT CALLBACK GetMsgProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
  HHOOK next = nullptr;
  const MSG* msg = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && msg && vorda::monitor::IsInputMessage(msg->message)) {
    TSHShared block{};
    if (ReadBlock(block)) {
      next = static_cast<HHOOK>(Widen(block.HookHandle));
      if (block.HookCode == vorda::monitor::kCodeInput)
        if (const HWND target = TargetOf(block))
          ::PostMessageW(target, vorda::monitor::WMSHGetMsg, msg->message, 0);
    }
  }
  return ::CallNextHookEx(next, code, wParam, lParam);
}

}  // extern "C"
