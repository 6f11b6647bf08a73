#include "core/sound/Note.h"

#include <cmath>
#include <cstdint>

namespace vorda::sound {
namespace {

constexpr int kMaxNoteNumber = 121;
constexpr int kMinFrequency = 20;
constexpr int kMaxFrequency = 20000;

std::wstring_view TrimBlanks(std::wstring_view s) noexcept {
  while (!s.empty() && s.front() <= L' ') s.remove_prefix(1);
  while (!s.empty() && s.back() <= L' ') s.remove_suffix(1);
  return s;
}

wchar_t Upper(wchar_t c) noexcept { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c; }

bool IsDigit(wchar_t c) noexcept { return c >= L'0' && c <= L'9'; }

// A decimal integer with an optional sign, nothing else; -1 when it is not one.
std::int64_t NumberOrMinusOne(std::wstring_view s) noexcept {
  bool negative = false;
  if (!s.empty() && (s.front() == L'+' || s.front() == L'-')) {
    negative = s.front() == L'-';
    s.remove_prefix(1);
  }
  if (s.empty() || s.size() > 10) return -1;
  std::int64_t value = 0;
  for (wchar_t c : s) {
    if (!IsDigit(c)) return -1;
    value = value * 10 + (c - L'0');
  }
  return negative ? -value : value;
}

// Semitones above A within an octave.
int LetterOffset(wchar_t c) noexcept {
  switch (c) {
    case L'A': return 0;
    case L'B': return 2;
    case L'C': return 3;
    case L'D': return 5;
    case L'E': return 7;
    case L'F': return 8;
    case L'G': return 10;
    default: return -1;
  }
}

int FrequencyOf(std::int64_t note) noexcept {
  const double f = 440.0 * std::pow(2.0, static_cast<double>(note - 48) / 12.0) + 0.5;
  if (!(f >= kMinFrequency && f < kMaxFrequency + 1)) return 0;
  return static_cast<int>(f);
}

}  // namespace

int ParseNote(std::wstring_view text, int& octave) noexcept {
  std::wstring_view s = TrimBlanks(text);
  const auto first = [&s]() noexcept { return Upper(s.front()); };

  std::int64_t oct = octave;
  std::int64_t note = 0;
  if (!s.empty() && first() == L'N') {
    note = NumberOrMinusOne(s.substr(1));
    if (note < 0 || note > kMaxNoteNumber) return 0;
    s = {};
  } else {
    if (s.size() >= 3 && first() == L'O') {
      if (!IsDigit(s[1])) return 0;
      oct = s[1] - L'0';
      s.remove_prefix(2);
    } else {
      while (!s.empty() && (s.front() == L'<' || s.front() == L'>')) {
        if (s.front() == L'<') {
          if (oct > 0) --oct;
        } else if (oct < 9) {
          ++oct;
        }
        s.remove_prefix(1);
      }
    }
    if (s.empty()) return 0;
    const wchar_t letter = first();
    int semitone = LetterOffset(letter);
    if (semitone < 0) return 0;
    s.remove_prefix(1);
    if (!s.empty() && (s.front() == L'#' || s.front() == L'+')) {
      if (letter == L'B' || letter == L'E') return 0;
      ++semitone;
      s.remove_prefix(1);
    } else if (!s.empty() && s.front() == L'-') {
      if (letter == L'C' || letter == L'F') return 0;
      if (letter == L'A') {
        semitone = 11;  // G# of the octave below
        if (--oct < 0) return 0;
      } else {
        --semitone;
      }
      s.remove_prefix(1);
    }
    note = semitone + 12 * oct;
  }
  if (!s.empty()) return 0;
  const int f = FrequencyOf(note);
  if (f == 0) return 0;
  octave = static_cast<int>(oct);
  return f;
}

}  // namespace vorda::sound
