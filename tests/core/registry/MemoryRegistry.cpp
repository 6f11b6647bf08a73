#include "MemoryRegistry.h"

#include <algorithm>
#include <cwctype>
#include <vector>

namespace vorda::registry {
namespace {

struct CaseLess {
  bool operator()(const std::wstring& a, const std::wstring& b) const {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
      const auto x = std::towupper(a[i]);
      const auto y = std::towupper(b[i]);
      if (x != y) return x < y;
    }
    return a.size() < b.size();
  }
};

std::vector<std::wstring> Split(std::wstring_view path) {
  std::vector<std::wstring> parts;
  std::wstring part;
  for (const wchar_t c : path) {
    if (c == L'\\') {
      if (!part.empty()) parts.push_back(std::move(part));
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(std::move(part));
  return parts;
}

}  // namespace

struct TMemoryRegistry::Node {
  std::map<std::wstring, TRegValue, CaseLess> values;
  std::map<std::wstring, std::shared_ptr<Node>, CaseLess> subkeys;
  bool denied = false;
  bool readOnly = false;
};

namespace {

class MemoryKey final : public IRegistryKey {
 public:
  MemoryKey(std::shared_ptr<TMemoryRegistry::Node> node, std::uint32_t access)
      : node_(std::move(node)), access_(access) {}

  std::optional<TRegValue> QueryValue(std::wstring_view name) override {
    if (!(access_ & kKeyQueryValue)) return std::nullopt;
    const auto it = node_->values.find(std::wstring(name));
    if (it == node_->values.end()) return std::nullopt;
    return it->second;
  }
  TRegStatus SetValue(std::wstring_view name, const TRegValue& value) override {
    if (!(access_ & kKeySetValue) || node_->readOnly) return kRegAccessDenied;
    node_->values.insert_or_assign(std::wstring(name), value);
    return kRegOk;
  }
  TRegStatus DeleteValue(std::wstring_view name) override {
    if (!(access_ & kKeySetValue) || node_->readOnly) return kRegAccessDenied;
    return node_->values.erase(std::wstring(name)) ? kRegOk : kRegNotFound;
  }
  std::vector<std::wstring> ValueNames() override {
    std::vector<std::wstring> names;
    for (const auto& [name, value] : node_->values) names.push_back(name);
    return names;
  }
  std::vector<std::wstring> SubKeyNames() override {
    std::vector<std::wstring> names;
    for (const auto& [name, node] : node_->subkeys) names.push_back(name);
    return names;
  }

 private:
  std::shared_ptr<TMemoryRegistry::Node> node_;
  std::uint32_t access_;
};

}  // namespace

std::unique_ptr<IRegistryKey> TMemoryRegistry::OpenKey(TRootKey root, std::wstring_view path, std::uint32_t access,
                                                       bool create, TRegStatus& status) {
  auto& slot = roots_[root];
  if (!slot) slot = std::make_shared<Node>();
  std::shared_ptr<Node> node = slot;
  for (const auto& part : Split(path)) {
    if (node->denied) {
      status = kRegAccessDenied;
      return nullptr;
    }
    auto it = node->subkeys.find(part);
    if (it == node->subkeys.end()) {
      if (!create) {
        status = kRegNotFound;
        return nullptr;
      }
      if (node->readOnly) {
        status = kRegAccessDenied;
        return nullptr;
      }
      it = node->subkeys.emplace(part, std::make_shared<Node>()).first;
    }
    node = it->second;
  }
  if (node->denied) {
    status = kRegAccessDenied;
    return nullptr;
  }
  status = kRegOk;
  return std::make_unique<MemoryKey>(node, access);
}

TRegStatus TMemoryRegistry::DeleteKeyTree(TRootKey root, std::wstring_view path) {
  auto parts = Split(path);
  if (parts.empty()) return kRegInvalidParam;
  const std::wstring last = parts.back();
  parts.pop_back();
  std::wstring parentPath;
  for (const auto& p : parts) parentPath += p + L"\\";
  Node* parent = Find(root, parentPath);
  if (!parent) return kRegNotFound;
  const auto it = parent->subkeys.find(last);
  if (it == parent->subkeys.end()) return kRegNotFound;
  if (parent->readOnly || it->second->denied) return kRegAccessDenied;
  parent->subkeys.erase(it);
  return kRegOk;
}

std::wstring TMemoryRegistry::ErrorText(TRegStatus status) {
  switch (status) {
    case kRegNotFound: return L"The system cannot find the file specified.";
    case kRegAccessDenied: return L"Access is denied.";
    case kRegInvalidParam: return L"The parameter is incorrect.";
    default: return L"Error " + std::to_wstring(status);
  }
}

TMemoryRegistry::Node* TMemoryRegistry::Find(TRootKey root, std::wstring_view path) const {
  const auto r = roots_.find(root);
  if (r == roots_.end()) return nullptr;
  Node* node = r->second.get();
  for (const auto& part : Split(path)) {
    const auto it = node->subkeys.find(part);
    if (it == node->subkeys.end()) return nullptr;
    node = it->second.get();
  }
  return node;
}

TMemoryRegistry::Node& TMemoryRegistry::Make(TRootKey root, std::wstring_view path) {
  auto& slot = roots_[root];
  if (!slot) slot = std::make_shared<Node>();
  Node* node = slot.get();
  for (const auto& part : Split(path)) {
    auto& child = node->subkeys[part];
    if (!child) child = std::make_shared<Node>();
    node = child.get();
  }
  return *node;
}

void TMemoryRegistry::Put(TRootKey root, std::wstring_view path, std::wstring_view name, TRegValue value) {
  Make(root, path).values.insert_or_assign(std::wstring(name), std::move(value));
}

void TMemoryRegistry::PutString(std::wstring_view path, std::wstring_view name, std::wstring_view text) {
  Put(TRootKey::CurrentUser, path, name, TRegValue::String(std::wstring(text)));
}

void TMemoryRegistry::PutInteger(std::wstring_view path, std::wstring_view name, std::uint32_t number) {
  Put(TRootKey::CurrentUser, path, name, TRegValue::Integer(number));
}

std::optional<TRegValue> TMemoryRegistry::Get(TRootKey root, std::wstring_view path, std::wstring_view name) const {
  const Node* node = Find(root, path);
  if (!node) return std::nullopt;
  const auto it = node->values.find(std::wstring(name));
  if (it == node->values.end()) return std::nullopt;
  return it->second;
}

std::optional<TRegValue> TMemoryRegistry::Get(std::wstring_view path, std::wstring_view name) const {
  return Get(TRootKey::CurrentUser, path, name);
}

bool TMemoryRegistry::HasKey(TRootKey root, std::wstring_view path) const { return Find(root, path) != nullptr; }

void TMemoryRegistry::CreateKey(TRootKey root, std::wstring_view path) { Make(root, path); }

void TMemoryRegistry::DenyAccess(TRootKey root, std::wstring_view path) { Make(root, path).denied = true; }

void TMemoryRegistry::SetReadOnly(TRootKey root, std::wstring_view path) { Make(root, path).readOnly = true; }

}  // namespace vorda::registry
