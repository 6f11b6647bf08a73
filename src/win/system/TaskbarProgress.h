#pragma once

#include <windows.h>

#include <memory>

#include "core/actions/TaskbarProgress.h"

namespace vorda::win {

// The name of the message the taskbar sends when it has made a window's
// button; only after it does the shell take progress for that window.
inline constexpr const wchar_t* kTaskbarButtonCreatedMessage = L"TaskbarButtonCreated";

// The registered "TaskbarButtonCreated" message, let through to the window
// even when the program runs elevated and the taskbar does not. 0 when it
// cannot be registered.
UINT RegisterTaskbarButtonCreated(HWND window) noexcept;

// A new taskbar object (ITaskbarList3) for a window, or nothing when the
// shell has none (before Windows 7 or when it cannot be made).
std::unique_ptr<actions::ITaskbarProgress> CreateTaskbarProgress(HWND window) noexcept;

}  // namespace vorda::win
