#include "core/registry/ShortCut.h"

#include <array>

namespace vorda::registry {
namespace {

struct KeyName {
  const wchar_t* name;
  std::uint8_t key;
};

constexpr std::array<KeyName, 24> kKeyNames{{
    {L"BKSP", 0x08},   {L"BACKSPACE", 0x08}, {L"TAB", 0x09},    {L"ENTER", 0x0D},     {L"RETURN", 0x0D},
    {L"ESC", 0x1B},    {L"ESCAPE", 0x1B},    {L"SPACE", 0x20},  {L"PGUP", 0x21},      {L"PAGEUP", 0x21},
    {L"PGDN", 0x22},   {L"PAGEDOWN", 0x22},  {L"END", 0x23},    {L"HOME", 0x24},      {L"LEFT", 0x25},
    {L"UP", 0x26},     {L"RIGHT", 0x27},     {L"DOWN", 0x28},   {L"INS", 0x2D},       {L"INSERT", 0x2D},
    {L"DEL", 0x2E},    {L"DELETE", 0x2E},    {L"PAUSE", 0x13},  {L"PRINT", 0x2C},
}};

std::wstring Upper(std::wstring_view s) {
  std::wstring out(s);
  for (auto& c : out)
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  return out;
}

std::optional<std::uint8_t> KeyOf(const std::wstring& name) {
  if (name.size() == 1 && ((name[0] >= L'A' && name[0] <= L'Z') || (name[0] >= L'0' && name[0] <= L'9')))
    return static_cast<std::uint8_t>(name[0]);
  if (name.size() >= 2 && name.size() <= 3 && name[0] == L'F') {
    int n = 0;
    for (std::size_t i = 1; i < name.size(); ++i) {
      if (name[i] < L'0' || name[i] > L'9') return std::nullopt;
      n = n * 10 + (name[i] - L'0');
    }
    if (n >= 1 && n <= 24) return static_cast<std::uint8_t>(0x70 + n - 1);
    return std::nullopt;
  }
  for (const auto& k : kKeyNames)
    if (name == k.name) return k.key;
  return std::nullopt;
}

}  // namespace

std::optional<TShortCut> TextToShortCut(std::wstring_view text) {
  if (text.empty()) return TShortCut{0};
  std::wstring rest = Upper(text);
  TShortCut modifiers = 0;
  for (;;) {
    const auto plus = rest.find(L'+');
    if (plus == std::wstring::npos || plus + 1 == rest.size()) break;
    const std::wstring modifier = rest.substr(0, plus);
    if (modifier == L"SHIFT")
      modifiers |= scShift;
    else if (modifier == L"CTRL")
      modifiers |= scCtrl;
    else if (modifier == L"ALT")
      modifiers |= scAlt;
    else
      return std::nullopt;
    rest.erase(0, plus + 1);
  }
  const auto key = KeyOf(rest);
  if (!key) return std::nullopt;
  return static_cast<TShortCut>(modifiers | *key);
}

}  // namespace vorda::registry
