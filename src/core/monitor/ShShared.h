#pragma once

// The block shared between the program and the hook library, and the messages
// the library sends. Header-only and free of the standard library so that the
// hook library, which runs inside every process of the desktop, can use it.

namespace vorda::monitor {

// 12 bytes, little-endian, written by the program and read by every process
// the library is loaded into. Handles are kept as 32-bit values.
struct TSHShared {
  int HookHandle;  // the installed hook, 0 when none
  int TargetWnd;   // the window that receives the reports, 0 reports nothing
  int HookCode;    // the hook code to report (4, 2, or -1 for the input watch)
};
static_assert(sizeof(TSHShared) == 12);
static_assert(sizeof(int) == 4);
static_assert(__builtin_offsetof(TSHShared, HookHandle) == 0);
static_assert(__builtin_offsetof(TSHShared, TargetWnd) == 4);
static_assert(__builtin_offsetof(TSHShared, HookCode) == 8);

inline constexpr unsigned kSHSharedSize = 12;

// Messages received by the program's main window.
inline constexpr unsigned WMSH = 0x0401;        // wParam: the window being destroyed
inline constexpr unsigned WMSHGetMsg = 0x0402;  // wParam: the identifier of a retrieved message
inline constexpr unsigned WMSHDetach = 0x0403;  // wParam kDetachReload asks for a reload
inline constexpr unsigned kDetachReload = 2115;

// Hook kinds and the codes reported in each mode.
inline constexpr int kHookGetMessage = 3;  // WH_GETMESSAGE
inline constexpr int kHookCbt = 5;         // WH_CBT
inline constexpr int kHookShell = 10;      // WH_SHELL
inline constexpr int kCodeCbtDestroyWnd = 4;        // HCBT_DESTROYWND
inline constexpr int kCodeShellWindowDestroyed = 2;  // HSHELL_WINDOWDESTROYED
inline constexpr int kCodeInput = -1;

// The window property by which the program marks its window as the target of
// the library's reports; it holds the id of the window's process.
inline constexpr const wchar_t* kTargetProperty = L"Vorda.SHTarget";

inline constexpr unsigned kMouseMove = 0x0200;

// Keyboard messages and mouse buttons and wheels: activity whatever the cursor does.
constexpr bool IsKeyOrButtonMessage(unsigned msg) noexcept {
  return (msg >= 0x0100 && msg <= 0x0109) || (msg >= 0x0201 && msg <= 0x020E);
}

// The messages the input watch reports; nothing else is of use to the program.
constexpr bool IsInputMessage(unsigned msg) noexcept { return msg == kMouseMove || IsKeyOrButtonMessage(msg); }

// The name of a library file's block: its full path with every backslash
// turned into "/", then upper-cased (the caller upper-cases with the system's
// rules). Works in place on a zero-terminated buffer.
inline void SlashPathInPlace(wchar_t* path) noexcept {
  for (; *path; ++path)
    if (*path == L'\\') *path = L'/';
}

}  // namespace vorda::monitor
