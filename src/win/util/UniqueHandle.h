#pragma once

#include <windows.h>

#include <utility>

namespace vorda::win {

// A move-only owner of one OS handle. Traits name the empty value and the
// call that gives the handle back.
template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() noexcept = default;
  explicit UniqueHandle(Handle h) noexcept : h_(h) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : h_(other.Detach()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Attach(other.Detach());
    return *this;
  }
  ~UniqueHandle() { Close(); }

  Handle Get() const noexcept { return h_; }
  explicit operator bool() const noexcept { return Traits::IsValid(h_); }

  void Attach(Handle h) noexcept {
    Close();
    h_ = h;
  }
  Handle Detach() noexcept { return std::exchange(h_, Traits::Empty()); }
  void Close() noexcept {
    if (Traits::IsValid(h_)) Traits::Close(h_);
    h_ = Traits::Empty();
  }
  // For out-parameters of the API: closes what is held first.
  Handle* Put() noexcept {
    Close();
    return &h_;
  }

 private:
  Handle h_ = Traits::Empty();
};

struct KernelHandleTraits {  // CreateMutex, OpenProcess, CreateFileMapping ...
  using Handle = HANDLE;
  static Handle Empty() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) noexcept { ::CloseHandle(h); }
};

struct FileHandleTraits : KernelHandleTraits {  // CreateFile gives INVALID_HANDLE_VALUE
  static Handle Empty() noexcept { return INVALID_HANDLE_VALUE; }
};

struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Empty() noexcept { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle h) noexcept { return h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) noexcept { ::FindClose(h); }
};

struct RegKeyTraits {
  using Handle = HKEY;
  static Handle Empty() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr; }
  static void Close(Handle h) noexcept { ::RegCloseKey(h); }
};

struct ModuleTraits {
  using Handle = HMODULE;
  static Handle Empty() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr; }
  static void Close(Handle h) noexcept { ::FreeLibrary(h); }
};

struct GdiObjectTraits {
  using Handle = HGDIOBJ;
  static Handle Empty() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr; }
  static void Close(Handle h) noexcept { ::DeleteObject(h); }
};

struct MappedViewTraits {  // MapViewOfFile
  using Handle = void*;
  static Handle Empty() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr; }
  static void Close(Handle h) noexcept { ::UnmapViewOfFile(h); }
};

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFileHandle = UniqueHandle<FileHandleTraits>;
using UniqueFindHandle = UniqueHandle<FindHandleTraits>;
using UniqueRegKey = UniqueHandle<RegKeyTraits>;
using UniqueModule = UniqueHandle<ModuleTraits>;
using UniqueGdiObject = UniqueHandle<GdiObjectTraits>;
using UniqueMappedView = UniqueHandle<MappedViewTraits>;

// Looks a function up in a system library loaded for the caller's scope.
// Functions that older systems lack are reached this way, with a fall-back.
template <typename Fn>
Fn GetProc(const UniqueModule& module, const char* name) noexcept {
  if (!module) return nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module.Get(), name)));
}

}  // namespace vorda::win
