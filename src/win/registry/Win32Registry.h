#pragma once

#include <windows.h>

#include "core/registry/RegistryBackend.h"

namespace vorda::win {

// The registry backend of the program: the Windows registry itself.
class TWin32Registry final : public registry::IRegistryBackend {
 public:
  std::unique_ptr<registry::IRegistryKey> OpenKey(registry::TRootKey root, std::wstring_view path,
                                                  std::uint32_t access, bool create,
                                                  registry::TRegStatus& status) override;
  registry::TRegStatus DeleteKeyTree(registry::TRootKey root, std::wstring_view path) override;
  std::wstring ErrorText(registry::TRegStatus status) override;
};

// The process's one backend.
registry::IRegistryBackend& Win32Registry() noexcept;

// The predefined key of a root.
HKEY RootKeyHandle(registry::TRootKey root) noexcept;

}  // namespace vorda::win
