#include "win/sound/WaveOut.h"

#include <windows.h>
// mmsystem.h needs windows.h first.
#include <mmsystem.h>

namespace vorda::win {
namespace {

HWAVEOUT DeviceHandle(std::uint32_t device) noexcept {
  // The volume functions take a device identifier in place of an open handle.
  return reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(device));
}

}  // namespace

void TWaveOut::StopSound() noexcept { ::PlaySoundW(nullptr, nullptr, 0); }

void TWaveOut::PlayImage(const std::uint8_t* image, std::uint32_t flags) noexcept {
  ::PlaySoundA(reinterpret_cast<LPCSTR>(image), nullptr, flags);
}

std::optional<sound::TWaveOutCaps> TWaveOut::GetDevCaps(std::uint32_t device) noexcept {
  WAVEOUTCAPSW caps{};
  if (::waveOutGetDevCapsW(device, &caps, sizeof caps) != MMSYSERR_NOERROR) return std::nullopt;
  return sound::TWaveOutCaps{caps.dwFormats, caps.dwSupport};
}

std::optional<std::uint32_t> TWaveOut::GetVolume(std::uint32_t device) noexcept {
  DWORD volume = 0;
  if (::waveOutGetVolume(DeviceHandle(device), &volume) != MMSYSERR_NOERROR) return std::nullopt;
  return volume;
}

void TWaveOut::SetVolume(std::uint32_t device, std::uint32_t volume) noexcept {
  ::waveOutSetVolume(DeviceHandle(device), volume);
}

TWaveOut& SystemWaveOut() noexcept {
  static TWaveOut output;
  return output;
}

}  // namespace vorda::win
