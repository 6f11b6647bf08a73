#include "core/schedule/CountdownTick.h"

#include <cmath>
#include <cstdlib>

#include "core/time/Duration.h"

namespace vorda::schedule {
namespace {

constexpr time::TDateTime kOneSecond = 1.0 / 86400.0;

std::int64_t RoundedMilliseconds(time::TDateTime value) {
  return static_cast<std::int64_t>(std::llround(value * static_cast<double>(time::kMSecsPerDay)));
}

bool IsBlank(const std::wstring& s) {
  for (wchar_t c : s)
    if (static_cast<unsigned>(c) > 32) return false;
  return true;
}

int SecondsField(time::TDateTime value) {
  const auto parts = time::DecodeDateTime(value);
  return parts ? parts->time.second : 0;
}

}  // namespace

TTickResult CountdownTick(const TTickInput& in) {
  TTickResult out;
  out.caption = in.caption;
  out.activeCount = in.activeCount;
  out.progressMax = in.progressMax;

  if (in.idleTrigger && in.activeCount != 0) {
    out.caption = kWaitingCaption;
    out.activeCount = 0;
    return out;
  }
  if (in.silenceTrigger && in.activeCount < in.silenceDetectionCounter) {
    out.caption = kWaitingCaption;
    return out;
  }

  // The countdown starts again from the full duration of the picker.
  const auto restart = [&] {
    const auto text = time::DurationToText(in.pickerValue);
    if (text)
      out.caption = *text;
    else
      out.internalError = true;
    return static_cast<bool>(text);
  };
  if ((IsBlank(out.caption) || out.caption == kWaitingCaption) && !restart()) return out;

  const auto current = time::TextToDuration(out.caption);
  if (!current) {  // a malformed caption
    restart();
    return out;
  }
  const time::TDateTime r = *current - kOneSecond;
  const auto text = time::DurationToText(r);
  if (!text) {
    out.internalError = true;
    return out;
  }
  out.caption = *text;

  const std::int64_t diff = std::llabs(RoundedMilliseconds(r) - RoundedMilliseconds(time::DurationZero()));
  std::int64_t s = kCoarseSeconds;
  if (diff / 3'600'000 < kPreciseSecondsLimit) {
    s = diff / 1000;
    if (in.hasTaskbarProgress && SecondsField(r) % 10 == 0 && s <= kProgressWindow) {
      if (out.progressMax == 0) out.progressMax = static_cast<std::uint32_t>(s);
      out.progress = TProgress{out.progressMax - static_cast<std::uint32_t>(s), out.progressMax};
    }
  }
  if (in.alarm > 0 && static_cast<std::int64_t>(in.alarm) >= s) out.playTone = true;
  if (in.trayIconVisible && (s == 15 || s == 5))
    out.balloon = TBalloon{static_cast<int>(s), s < 6 ? TBalloonIcon::biWarning : TBalloonIcon::biInformation};
  if (RoundedMilliseconds(r) <= RoundedMilliseconds(time::DurationZero())) out.finalAction = true;
  return out;
}

std::optional<std::wstring> ClockTimeToRemaining(std::wstring_view storedTime, time::TDateTime now) {
  auto target = time::TextToDuration(storedTime);
  const auto nowText = time::DurationToText(now - std::floor(now));
  if (!target || !nowText) return std::nullopt;
  const auto anchoredNow = time::TextToDuration(*nowText);
  if (!anchoredNow) return std::nullopt;
  time::TDateTime t = *target;
  if (RoundedMilliseconds(t) < RoundedMilliseconds(*anchoredNow)) t += 1.0;
  const auto text = time::DurationToText(t - *anchoredNow + time::DurationZero());
  if (!text) return std::nullopt;
  return *text;
}

}  // namespace vorda::schedule
