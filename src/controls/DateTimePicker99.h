#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "controls/Control.h"
#include "core/time/Duration.h"

namespace vorda::controls {

// The time picker of the main window: the common controls' date-time picker
// in time mode. Its value is a date-time number; read and written as
// stored-time text through AsString.
class TDateTimePicker99 : public TControl {
 public:
  // The display format of the duration triggers (two-digit 24-hour fields).
  static constexpr const wchar_t* kDurationFormat = L"HH:mm:ss";
  static constexpr int kDefaultWidth = 100;
  static constexpr int kDefaultHeight = 21;

  // Creates the control in time mode, 100 pixels wide (the owner may set
  // other bounds later), holding midnight of day 0 until a value is set.
  bool Create(TParent parent, int left, int top, int id = 0) noexcept;

  time::TDateTime Value() const noexcept;
  bool SetValue(time::TDateTime value) noexcept;

  // The hour of day (0..23) of the value.
  std::uint16_t Hour99() const noexcept;
  // The stored-time text of the value.
  std::wstring AsString() const;
  // The value becomes the time of day (date part 0) the text describes. A
  // text StringToTime refuses leaves the value as it was and gives false.
  bool SetAsString(std::wstring_view text);

  // kDurationFormat, or an empty text for the system's own time format.
  bool SetFormat(std::wstring_view format) noexcept;

  // The stored-time text of a value with the hours given.
  static std::wstring TimeToString(time::TDateTime value, std::uint16_t hour99);
  // The time of day of a stored-time text.
  static time::TConverted<time::TDateTime> StringToTime(std::wstring_view text);
};

}  // namespace vorda::controls
