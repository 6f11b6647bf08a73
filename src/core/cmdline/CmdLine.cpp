#include "core/cmdline/CmdLine.h"

#include <climits>

namespace vorda::cmdline {
namespace {

constexpr wchar_t kQuote = L'"';
constexpr wchar_t kBlank = L' ';

std::wstring NextToken(std::wstring_view& s) {
  while (!s.empty() && static_cast<unsigned>(s.front()) <= 32) s.remove_prefix(1);
  std::wstring t;
  if (s.empty()) return t;

  bool inQuote = false;
  for (;;) {
    // A quote opens a quoted part anywhere outside one, unless it is doubled.
    if (!inQuote && s.front() == kQuote && (s.size() < 2 || s[1] != kQuote)) {
      inQuote = true;
      s.remove_prefix(1);
      if (s.empty()) break;  // a lone quote at the very end: nothing follows
    }
    t += s.front();
    s.remove_prefix(1);

    bool doubled = false;
    if (!s.empty() && s.front() == kQuote && t.back() == kQuote) {
      s.remove_prefix(1);
      doubled = true;
    }
    if (s.empty()) break;
    if (!inQuote) {
      if (t.back() == kBlank) break;
    } else if (!doubled && t.back() == kQuote) {
      break;
    }
  }
  if (!t.empty() && ((inQuote && t.back() == kQuote) || t.back() == kBlank)) t.pop_back();
  return t;
}

// Decimal digits only, within the 32-bit range; anything else is no number.
bool TryParseInt(std::wstring_view text, int& value) {
  if (text.empty()) return false;
  long long v = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return false;
    v = v * 10 + (c - L'0');
    if (v > INT_MAX) return false;
  }
  value = static_cast<int>(v);
  return true;
}

}  // namespace

std::wstring ParamAt(std::wstring_view commandLine, int index) {
  std::wstring_view s = commandLine;
  std::wstring token;
  for (int i = 0; i <= index; ++i) token = NextToken(s);
  return token;
}

int ParamCount(std::wstring_view commandLine) {
  int n = 0;
  while (!ParamAt(commandLine, n + 1).empty()) ++n;
  return n;
}

int InstanceNumberOf(std::wstring_view commandLine) {
  constexpr std::wstring_view kInstance = L"instance";
  if (commandLine.find(kInstance) == std::wstring_view::npos) {
    if (ParamCount(commandLine) == 1) {
      const std::wstring p = ParamAt(commandLine, 1);
      if (p == L"setup" || p == L"setup_admin" || p.find(L"uninst") != std::wstring::npos) return 0;
    }
    return 1;
  }
  int result = 1;
  const int count = ParamCount(commandLine);
  for (int i = 1; i <= count; ++i) {
    const std::wstring p = ParamAt(commandLine, i);
    if (p.size() <= kInstance.size() || p.compare(0, kInstance.size(), kInstance) != 0) continue;
    const wchar_t ninth = p[kInstance.size()];
    if (ninth < L'0' || ninth > L'9') continue;
    int value = 0;
    if (TryParseInt(std::wstring_view(p).substr(kInstance.size()), value)) result = value < 1 ? 1 : value;
  }
  return result;
}

}  // namespace vorda::cmdline
