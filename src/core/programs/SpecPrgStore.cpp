#include "core/programs/SpecPrgStore.h"

#include "core/registry/Registry.h"

namespace vorda::programs {
namespace {

using registry::TRegistry;
using registry::TRootKey;

bool Holds(const std::vector<std::wstring>& titles, std::wstring_view title, const TUpperCase& upper) {
  return ListHolds(titles, title, upper);
}

std::wstring FromRoot(std::wstring_view path) { return L"\\" + std::wstring(path); }

}  // namespace

TSpecPrgLoadError LoadSpecPrograms(registry::IRegistryBackend& backend, TSpecPrgTable& table,
                                   const TUpperCase& upper) {
  table.clear();
  TRegistry reg(backend, registry::kKeyRead);
  reg.SetRootKey(TRootKey::LocalMachine);
  if (!reg.OpenKey(FromRoot(kSpecProgramsKey), false)) return sleKeyMissing;
  const std::vector<std::wstring> names = reg.GetValueNames();
  table.resize(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    TSpecPrg& row = table[i];
    row.szukana_klasa = upper(names[i]);
    row.widoczna_nazwa = reg.ReadString(names[i]).value_or(L"");
    if (row.szukana_klasa.empty() || row.widoczna_nazwa.empty()) {
      table.clear();
      return sleEmptyName;
    }
  }
  // A missing TrueWindows key leaves every row without a window to watch.
  const bool trueWindows = reg.OpenKey(std::wstring(kTrueWindowsSubKey), false);
  for (std::size_t i = 0; i < names.size(); ++i) {
    TSpecPrg& row = table[i];
    if (trueWindows) {
      if (auto title = reg.ReadString(names[i])) row.mon_prg = upper(*title);
      if (auto cls = reg.ReadString(names[i] + L"(class)")) row.mon_class = upper(*cls);
    }
    if (row.mon_prg.empty() && row.mon_class.empty()) {
      table.clear();
      return sleNoWindow;
    }
  }
  return sleNone;
}

bool LoadUserSpecPrograms(registry::IRegistryBackend& backend, TSpecPrgTable& table, const TUpperCase& upper) {
  TRegistry reg(backend, registry::kKeyAllAccess);
  reg.SetRootKey(TRootKey::CurrentUser);
  const std::wstring key = FromRoot(kSpecProgramsKey);
  if (!reg.KeyExists(key)) return true;
  if (!reg.OpenKey(key, false)) return false;
  const std::wstring marker = reg.ReadString(L"").value_or(L"");
  if (marker.empty()) {
    reg.CloseKey();
    return reg.DeleteKey(key);
  }
  for (TSpecPrg& row : table) {
    if (!reg.OpenKey(key + L"\\" + row.szukana_klasa, false)) continue;
    for (const std::wstring& name : reg.GetValueNames()) {
      const auto title = reg.ReadString(name);
      if (!title) continue;
      std::wstring upperTitle = upper(*title);
      if (!Holds(row.naglowki, upperTitle, upper)) row.naglowki.push_back(std::move(upperTitle));
    }
  }
  return true;
}

void LearnSpecPrgTitle(registry::IRegistryBackend& backend, TSpecPrgTable& table, std::wstring_view className,
                       std::wstring_view title, const TUpperCase& upper) {
  const std::wstring upperClass = upper(className);
  for (TSpecPrg& row : table) {
    if (row.szukana_klasa != upperClass || Holds(row.naglowki, title, upper)) continue;
    row.naglowki.emplace_back(title);

    TRegistry reg(backend, registry::kKeyAllAccess);
    reg.SetRootKey(TRootKey::CurrentUser);
    const std::wstring key = FromRoot(kSpecProgramsKey);
    if (!reg.KeyExists(key)) {
      if (!reg.OpenKey(key, true) || !reg.WriteString(L"", L"0")) continue;
    }
    if (!reg.OpenKey(key + L"\\" + row.szukana_klasa, true)) continue;
    int n = 0;
    while (reg.ValueExists(std::to_wstring(n))) ++n;
    reg.WriteString(std::to_wstring(n), title);
  }
}

bool WriteSpecPrograms(registry::IRegistryBackend& backend, registry::TRootKey root,
                       const std::vector<TSpecPrgRow>& rows) {
  TRegistry reg(backend, registry::kKeyAllAccess);
  reg.SetRootKey(root);
  const std::wstring key = FromRoot(kSpecProgramsKey);
  if (!reg.OpenKey(key, true)) return false;
  for (const TSpecPrgRow& row : rows)
    if (!reg.WriteString(row.className, row.displayName)) return false;
  if (!reg.OpenKey(key + L"\\" + std::wstring(kTrueWindowsSubKey), true)) return false;
  for (const TSpecPrgRow& row : rows) {
    if (!row.classValue.empty() && !reg.WriteString(row.className + L"(class)", row.classValue)) return false;
    if (!row.titleValue.empty() && !reg.WriteString(row.className, row.titleValue)) return false;
  }
  return true;
}

}  // namespace vorda::programs
