#pragma once

#include <objbase.h>

#include <utility>

namespace vorda::win {

// An owning COM interface pointer: AddRef on copy, Release on reset;
// Put() releases the old pointer before the API writes a new one.
template <typename T>
class ComPtr {
 public:
  ComPtr() noexcept = default;
  ComPtr(const ComPtr& o) noexcept : p_(o.p_) {
    if (p_) p_->AddRef();
  }
  ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ComPtr& operator=(ComPtr o) noexcept {
    std::swap(p_, o.p_);
    return *this;
  }
  ~ComPtr() { Reset(); }

  T* Get() const noexcept { return p_; }
  T* operator->() const noexcept { return p_; }
  explicit operator bool() const noexcept { return p_ != nullptr; }

  void Reset() noexcept {
    if (p_) std::exchange(p_, nullptr)->Release();
  }
  T** Put() noexcept {
    Reset();
    return &p_;
  }
  void** PutVoid() noexcept { return reinterpret_cast<void**>(Put()); }

  template <typename U>
  ComPtr<U> As(REFIID iid) const noexcept {
    ComPtr<U> other;
    if (p_) p_->QueryInterface(iid, other.PutVoid());
    return other;
  }

 private:
  T* p_ = nullptr;
};

// CoInitializeEx for the lifetime of a scope (the UI thread: apartment).
class ComScope {
 public:
  explicit ComScope(DWORD model = COINIT_APARTMENTTHREADED) noexcept
      : ok_(SUCCEEDED(::CoInitializeEx(nullptr, model))) {}
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  ~ComScope() {
    if (ok_) ::CoUninitialize();
  }

 private:
  bool ok_;
};

}  // namespace vorda::win
