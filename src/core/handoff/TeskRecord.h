#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/time/DateTime.h"

namespace vorda::handoff {

// The shared record through which a later start of the same instance number
// hands its trigger to the running process. Little-endian:
//   0  4  Wnd        main window of the owner (the receiver)
//   4  2  Ver        0; any other value makes both sides refuse the record
//   6  1  EventType  the trigger number
//   7  1  reserved   never written or read
//   8 400 Event      UTF-16 text with a zero terminator, at most 199 characters
constexpr std::size_t kRecordSize = 408;
constexpr std::size_t kWndOffset = 0;
constexpr std::size_t kVerOffset = 4;
constexpr std::size_t kEventTypeOffset = 6;
constexpr std::size_t kEventOffset = 8;
constexpr std::size_t kEventBytes = 400;
constexpr std::size_t kEventUnits = kEventBytes / 2;    // what the receiver reads at most
constexpr std::size_t kEventMaxChars = kEventUnits - 1; // what the sender writes at most

// The message posted to the owner's window, both parameters 0.
constexpr unsigned kWMTeskParametersUpdate = 0x0414;

// "Local\Tesk [Marobel] mm" followed by the instance number.
std::wstring MappingName(int instanceNumber);

struct TTeskRecord {
  std::uint32_t wnd = 0;
  std::uint16_t ver = 0;
  std::uint8_t eventType = 0;
  std::wstring event;
  bool operator==(const TTeskRecord&) const = default;
};

// The owner's part, written at each of its starts. False (nothing written)
// when the buffer is shorter than the record.
bool WriteOwner(std::span<std::uint8_t> buffer, std::uint32_t wnd, std::uint16_t ver = 0) noexcept;

// The trigger part, written by every start. A text longer than 199 UTF-16
// units is cut to 199 (never inside a surrogate pair); the terminator always
// follows. False (nothing written) when the buffer is shorter than the record.
bool WriteEvent(std::span<std::uint8_t> buffer, std::uint8_t eventType, std::wstring_view event);

// Wnd, Ver, EventType and Event together; the reserved byte is left alone.
bool EncodeRecord(std::span<std::uint8_t> buffer, const TTeskRecord& record);

// The record as it stands. Event ends at its terminator or after 200 units,
// whichever comes first; where wide characters are 32 bits a lone surrogate
// becomes U+FFFD. Nothing when the buffer is shorter than the record.
std::optional<TTeskRecord> DecodeRecord(std::span<const std::uint8_t> buffer);

// The receiver refuses a message whose record has Ver other than 0, whose
// first parameter is not 0 or whose EventType is above 5.
bool IsUpdateRefused(std::uint16_t ver, std::int64_t wParam, std::uint8_t eventType) noexcept;

// "Start: Ver=%d (%s), EventType=%d, Event=%s" with "other" or "c".
std::wstring StartLine(std::uint16_t ver, bool other, std::uint8_t eventType, std::wstring_view event);

// "Parametrers update failure. Ver=%d, WParam=%d, EventType=%d"
std::wstring RefusalLine(std::uint16_t ver, std::int64_t wParam, std::uint8_t eventType);

// "Error: shared memory filed"
std::wstring_view SharedMemoryFailedLine() noexcept;

// The picker's date-time as the sender writes it: "yyyy-mm-dd hh:nn:ss".
// Nothing for a value that is no valid date-time.
std::optional<std::wstring> FormatEventDateTime(time::TDateTime value);

// The receiver's reading by position: year from characters 1 to 4, month 6-7,
// day 9-10, hour 12-13, minute 15-16, second 18-19, milliseconds 0. Each field
// must be decimal digits; nothing for a short text or a date or time that
// does not exist.
std::optional<time::TDateTime> ParseEventDateTime(std::wstring_view event) noexcept;

}  // namespace vorda::handoff

namespace vorda::handoff {

// What the owner's window shows after a hand-off, for the balloon.
struct TBalloonParts {
  std::wstring_view remainingTimeDesc;  // the description above the countdown
  bool remainingTimeDescVisible = false;
  std::wstring_view remainingTime;      // the countdown's caption
  std::wstring_view monitoredAppDesc;   // the program page's description
  std::wstring_view monitoredAppName;
  std::wstring_view waitingForSilence;  // "oczekuje na ciszę..."
};

// The balloon text after a hand-off of the trigger eventType: the countdown
// (behind its description when that shows one), the watched program, or the
// wait for silence; nothing for another number.
std::wstring BalloonText(std::uint8_t eventType, const TBalloonParts& parts);

}  // namespace vorda::handoff
