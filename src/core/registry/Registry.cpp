#include "core/registry/Registry.h"

namespace vorda::registry {

std::wstring NormalizeKeyPath(std::wstring_view path) {
  std::wstring out;
  out.reserve(path.size());
  for (const wchar_t c : path) {
    if (c == L'\\' && (out.empty() || out.back() == L'\\')) continue;
    out += c;
  }
  if (!out.empty() && out.back() == L'\\') out.pop_back();
  return out;
}

void TRegistry::SetRootKey(TRootKey root) noexcept {
  CloseKey();
  root_ = root;
}

std::wstring TRegistry::FullPath(std::wstring_view path) const {
  if (!path.empty() && path.front() == L'\\') return NormalizeKeyPath(path);
  if (!key_ || currentPath_.empty()) return NormalizeKeyPath(path);
  std::wstring full = currentPath_;
  full += L'\\';
  full += path;
  return NormalizeKeyPath(full);
}

void TRegistry::Fail(std::wstring what, TRegStatus status) {
  lastError_ = std::move(what);
  if (status == kRegOk) return;
  const std::wstring reason = backend_.ErrorText(status);
  if (!reason.empty()) {
    lastError_ += L": ";
    lastError_ += reason;
  }
}

bool TRegistry::OpenKey(std::wstring_view path, bool canCreate) {
  std::wstring full = FullPath(path);
  CloseKey();
  TRegStatus status = kRegOk;
  auto key = backend_.OpenKey(root_, full, access_, canCreate, status);
  if (!key) {
    Fail(L"Can't open key \"" + full + L"\"", status == kRegOk ? kRegNotFound : status);
    return false;
  }
  key_ = std::move(key);
  currentPath_ = std::move(full);
  lastError_.clear();
  return true;
}

void TRegistry::CloseKey() noexcept {
  key_.reset();
  currentPath_.clear();
}

std::optional<TRegValue> TRegistry::Query(std::wstring_view name) {
  if (!key_) return std::nullopt;
  return key_->QueryValue(name);
}

bool TRegistry::ValueExists(std::wstring_view name) { return Query(name).has_value(); }

std::optional<TRegDataType> TRegistry::GetDataType(std::wstring_view name) {
  const auto v = Query(name);
  return v ? std::optional<TRegDataType>(v->type) : std::nullopt;
}

std::optional<std::wstring> TRegistry::ReadString(std::wstring_view name) {
  auto v = Query(name);
  if (!v || (v->type != rdString && v->type != rdExpandString)) return std::nullopt;
  return std::move(v->text);
}

std::optional<std::int32_t> TRegistry::ReadInteger(std::wstring_view name) {
  const auto v = Query(name);
  if (!v || v->type != rdInteger) return std::nullopt;
  return static_cast<std::int32_t>(v->number);
}

std::optional<bool> TRegistry::ReadBool(std::wstring_view name) {
  const auto v = ReadInteger(name);
  return v ? std::optional<bool>(*v != 0) : std::nullopt;
}

std::optional<std::vector<std::uint8_t>> TRegistry::ReadBinaryData(std::wstring_view name) {
  auto v = Query(name);
  if (!v || (v->type != rdBinary && v->type != rdUnknown)) return std::nullopt;
  return std::move(v->data);
}

bool TRegistry::Write(std::wstring_view name, const TRegValue& value) {
  if (!key_) {
    Fail(L"Can't write value \"" + std::wstring(name) + L"\": no key is open", kRegOk);
    return false;
  }
  const TRegStatus status = key_->SetValue(name, value);
  if (status != kRegOk) {
    Fail(L"Can't write value \"" + std::wstring(name) + L"\"", status);
    return false;
  }
  lastError_.clear();
  return true;
}

bool TRegistry::WriteString(std::wstring_view name, std::wstring_view value) {
  return Write(name, TRegValue::String(std::wstring(value)));
}

bool TRegistry::WriteExpandString(std::wstring_view name, std::wstring_view value) {
  return Write(name, TRegValue::ExpandString(std::wstring(value)));
}

bool TRegistry::WriteInteger(std::wstring_view name, std::int32_t value) {
  return Write(name, TRegValue::Integer(static_cast<std::uint32_t>(value)));
}

bool TRegistry::WriteBool(std::wstring_view name, bool value) { return WriteInteger(name, value ? 1 : 0); }

bool TRegistry::WriteBinaryData(std::wstring_view name, const std::vector<std::uint8_t>& data) {
  return Write(name, TRegValue::Binary(data));
}

bool TRegistry::DeleteValue(std::wstring_view name) {
  if (!key_) {
    Fail(L"Can't delete value \"" + std::wstring(name) + L"\": no key is open", kRegOk);
    return false;
  }
  const TRegStatus status = key_->DeleteValue(name);
  if (status != kRegOk && status != kRegNotFound) {
    Fail(L"Can't delete value \"" + std::wstring(name) + L"\"", status);
    return false;
  }
  lastError_.clear();
  return true;
}

bool TRegistry::DeleteKey(std::wstring_view path) {
  const std::wstring full = FullPath(path);
  // Never the root itself, nor the open key under our feet.
  if (full.empty() || NormalizeKeyPath(path).empty()) {
    Fail(L"Can't delete key \"" + full + L"\"", kRegInvalidParam);
    return false;
  }
  const TRegStatus status = backend_.DeleteKeyTree(root_, full);
  if (status != kRegOk) {
    Fail(L"Can't delete key \"" + full + L"\"", status);
    return false;
  }
  lastError_.clear();
  return true;
}

bool TRegistry::KeyExists(std::wstring_view path) {
  TRegStatus status = kRegOk;
  auto key = backend_.OpenKey(root_, FullPath(path), kKeyRead, false, status);
  // A key we may not read exists all the same.
  return key != nullptr || status == kRegAccessDenied;
}

std::vector<std::wstring> TRegistry::GetValueNames() { return key_ ? key_->ValueNames() : std::vector<std::wstring>{}; }

std::vector<std::wstring> TRegistry::GetKeyNames() { return key_ ? key_->SubKeyNames() : std::vector<std::wstring>{}; }

}  // namespace vorda::registry
