#include "core/handoff/TeskRecord.h"

#include <cstdio>

#include "core/text/LittleEndian.h"

namespace vorda::handoff {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

std::u16string ToUtf16(std::wstring_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (wchar_t wc : text) {
    const auto c = static_cast<char32_t>(wc);
    if constexpr (sizeof(wchar_t) == 2) {
      out += static_cast<char16_t>(c);
    } else if (c > 0x10FFFF) {
      out += kReplacement;
    } else if (c >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
  }
  return out;
}

std::wstring FromUtf16(std::u16string_view units) {
  std::wstring out;
  out.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char32_t c = units[i];
    if constexpr (sizeof(wchar_t) == 2) {
      out += static_cast<wchar_t>(c);
    } else if (IsHighSurrogate(c) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
      out += static_cast<wchar_t>(0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00));
      ++i;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      out += static_cast<wchar_t>(kReplacement);
    } else {
      out += static_cast<wchar_t>(c);
    }
  }
  return out;
}

void Put16(std::span<std::uint8_t> b, std::size_t at, std::uint16_t v) { text::Put16(b.data() + at, v); }

std::uint16_t Get16(std::span<const std::uint8_t> b, std::size_t at) { return text::Get16(b.data() + at); }

bool ReadDigits(std::wstring_view text, std::size_t at, std::size_t count, int& value) {
  value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < L'0' || text[i] > L'9') return false;
    value = value * 10 + (text[i] - L'0');
  }
  return true;
}

}  // namespace

std::wstring MappingName(int instanceNumber) {
  return L"Local\\Tesk [Marobel] mm" + std::to_wstring(instanceNumber);
}

bool WriteOwner(std::span<std::uint8_t> buffer, std::uint32_t wnd, std::uint16_t ver) noexcept {
  if (buffer.size() < kRecordSize) return false;
  text::Put32(buffer.data() + kWndOffset, wnd);
  Put16(buffer, kVerOffset, ver);
  return true;
}

bool WriteEvent(std::span<std::uint8_t> buffer, std::uint8_t eventType, std::wstring_view event) {
  if (buffer.size() < kRecordSize) return false;
  std::u16string units = ToUtf16(event);
  if (units.size() > kEventMaxChars) {
    std::size_t keep = kEventMaxChars;
    // Never leave half of a surrogate pair at the end.
    if (IsHighSurrogate(units[keep - 1]) && IsLowSurrogate(units[keep])) --keep;
    units.resize(keep);
  }
  buffer[kEventTypeOffset] = eventType;
  std::size_t at = kEventOffset;
  for (char16_t u : units) {
    Put16(buffer, at, u);
    at += 2;
  }
  Put16(buffer, at, 0);
  return true;
}

bool EncodeRecord(std::span<std::uint8_t> buffer, const TTeskRecord& record) {
  return WriteOwner(buffer, record.wnd, record.ver) && WriteEvent(buffer, record.eventType, record.event);
}

std::optional<TTeskRecord> DecodeRecord(std::span<const std::uint8_t> buffer) {
  if (buffer.size() < kRecordSize) return std::nullopt;
  TTeskRecord r;
  r.wnd = text::Get32(buffer.data() + kWndOffset);
  r.ver = Get16(buffer, kVerOffset);
  r.eventType = buffer[kEventTypeOffset];
  std::u16string units;
  for (std::size_t i = 0; i < kEventUnits; ++i) {
    const char16_t u = Get16(buffer, kEventOffset + 2 * i);
    if (u == 0) break;
    units += u;
  }
  r.event = FromUtf16(units);
  return r;
}

bool IsUpdateRefused(std::uint16_t ver, std::int64_t wParam, std::uint8_t eventType) noexcept {
  return ver != 0 || wParam != 0 || eventType > 5;
}

std::wstring StartLine(std::uint16_t ver, bool other, std::uint8_t eventType, std::wstring_view event) {
  return L"Start: Ver=" + std::to_wstring(ver) + L" (" + (other ? L"other" : L"c") +
         L"), EventType=" + std::to_wstring(eventType) + L", Event=" + std::wstring(event);
}

std::wstring RefusalLine(std::uint16_t ver, std::int64_t wParam, std::uint8_t eventType) {
  return L"Parametrers update failure. Ver=" + std::to_wstring(ver) + L", WParam=" +
         std::to_wstring(wParam) + L", EventType=" + std::to_wstring(eventType);
}

std::wstring_view SharedMemoryFailedLine() noexcept { return L"Error: shared memory filed"; }

std::optional<std::wstring> FormatEventDateTime(time::TDateTime value) {
  const auto parts = time::DecodeDateTime(value);
  if (!parts) return std::nullopt;
  wchar_t text[32];
  std::swprintf(text, std::size(text), L"%.4d-%.2d-%.2d %.2d:%.2d:%.2d", parts->date.year,
                parts->date.month, parts->date.day, parts->time.hour, parts->time.minute,
                parts->time.second);
  return std::wstring(text);
}

std::optional<time::TDateTime> ParseEventDateTime(std::wstring_view event) noexcept {
  if (event.size() < 19) return std::nullopt;
  time::TDate d;
  time::TTime t;
  if (!ReadDigits(event, 0, 4, d.year) || !ReadDigits(event, 5, 2, d.month) ||
      !ReadDigits(event, 8, 2, d.day) || !ReadDigits(event, 11, 2, t.hour) ||
      !ReadDigits(event, 14, 2, t.minute) || !ReadDigits(event, 17, 2, t.second)) {
    return std::nullopt;
  }
  // A date the calendar has but a date-time cannot hold (before the year 100)
  // is refused like any other that does not exist.
  const auto value = time::EncodeDateTime(d, t);
  if (!value || !time::IsValidDateTime(*value)) return std::nullopt;
  return value;
}

}  // namespace vorda::handoff

namespace vorda::handoff {

std::wstring BalloonText(std::uint8_t eventType, const TBalloonParts& parts) {
  std::wstring text;
  switch (eventType) {
    case 1:
    case 2:
    case 3:
      if (parts.remainingTimeDescVisible && !parts.remainingTimeDesc.empty()) {
        text = parts.remainingTimeDesc;
        text += L' ';
      }
      text += parts.remainingTime;
      break;
    case 4:
      text = parts.monitoredAppDesc;
      text += L' ';
      text += parts.monitoredAppName;
      break;
    case 5:
      text = parts.waitingForSilence;
      break;
  }
  return text;
}

}  // namespace vorda::handoff
