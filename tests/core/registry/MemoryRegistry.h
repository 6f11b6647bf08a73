#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/registry/RegistryBackend.h"

namespace vorda::registry {

// An in-memory registry for the native tests: keys and values under each root,
// names compared without regard to case, with keys that refuse to be opened
// and keys that refuse writes.
class TMemoryRegistry final : public IRegistryBackend {
 public:
  std::unique_ptr<IRegistryKey> OpenKey(TRootKey root, std::wstring_view path, std::uint32_t access, bool create,
                                        TRegStatus& status) override;
  TRegStatus DeleteKeyTree(TRootKey root, std::wstring_view path) override;
  std::wstring ErrorText(TRegStatus status) override;

  // Test set-up and inspection; Put creates the key.
  void Put(TRootKey root, std::wstring_view path, std::wstring_view name, TRegValue value);
  void PutString(std::wstring_view path, std::wstring_view name, std::wstring_view text);
  void PutInteger(std::wstring_view path, std::wstring_view name, std::uint32_t number);
  std::optional<TRegValue> Get(TRootKey root, std::wstring_view path, std::wstring_view name) const;
  // Under HKEY_CURRENT_USER.
  std::optional<TRegValue> Get(std::wstring_view path, std::wstring_view name) const;
  bool HasKey(TRootKey root, std::wstring_view path) const;
  void CreateKey(TRootKey root, std::wstring_view path);
  // Opening the key (or anything below it) is refused.
  void DenyAccess(TRootKey root, std::wstring_view path);
  // The key opens, but its values and subkeys cannot be changed.
  void SetReadOnly(TRootKey root, std::wstring_view path);

  struct Node;

 private:
  Node* Find(TRootKey root, std::wstring_view path) const;
  Node& Make(TRootKey root, std::wstring_view path);

  std::map<TRootKey, std::shared_ptr<Node>> roots_;
};

}  // namespace vorda::registry
