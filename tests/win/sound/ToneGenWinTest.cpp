#include <windows.h>
// mmsystem.h needs windows.h first.
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "win/sound/ToneGen.h"
#include "win/sound/WaveOut.h"

namespace vorda::win {
namespace {

std::wstring TempFile(const wchar_t* name) {
  wchar_t dir[MAX_PATH];
  const DWORD n = ::GetTempPathW(MAX_PATH, dir);
  return std::wstring(dir, n) + name;
}

std::int64_t FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (std::int64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

TEST(WinToneGen, PrepareBuildsTheImageAndExportFileWritesAllOfIt) {
  TToneGen gen;
  const std::wstring path = TempFile(L"vorda-tone-test.wav");
  ::DeleteFileW(path.c_str());
  EXPECT_FALSE(gen.ExportFile(path));  // nothing built yet
  EXPECT_EQ(FileSize(path), -1);

  ASSERT_TRUE(gen.Prepare());
  ASSERT_NE(gen.GetDataBuffer(), nullptr);
  EXPECT_EQ(0, std::memcmp(gen.GetDataBuffer(), "RIFF", 4));
  ASSERT_TRUE(gen.ExportFile(path));
  EXPECT_EQ(FileSize(path), 19276);

  gen.SetDuration(10);
  ASSERT_TRUE(gen.Prepare());
  ASSERT_TRUE(gen.ExportFile(path));  // an existing file is replaced
  EXPECT_EQ(FileSize(path), 1920 + 76);
  EXPECT_TRUE(::DeleteFileW(path.c_str()));

  EXPECT_FALSE(gen.ExportFile(TempFile(L"no-such-folder\\tone.wav")));
}

TEST(WinToneGen, PlaysAndStopsWithOrWithoutASoundDevice) {
  TToneGen gen;
  gen.SetDuration(20);
  gen.SetAsync(false);
  gen.Play();  // returns when the tone has ended, or at once without a device
  EXPECT_TRUE(gen.HasStopped());
  gen.SetAsync(true);
  gen.PlayADSR();
  EXPECT_FALSE(gen.HasStopped());
  gen.Stop();
  EXPECT_TRUE(gen.HasStopped());
}

TEST(WinToneGen, VolumeFollowsTheFirstDevice) {
  TToneGen gen;
  WAVEOUTCAPSW caps{};
  const bool device = ::waveOutGetDevCapsW(0, &caps, sizeof caps) == MMSYSERR_NOERROR;
  static_assert(sizeof caps == 84);
  if (!device || !(caps.dwSupport & WAVECAPS_VOLUME)) {
    // No device, or one without volume control: reads 0, setting does nothing.
    EXPECT_EQ(gen.GetVolume(), 0u);
    gen.SetVolume(128, 128);
    gen.SetLeftVolume(1);
    gen.SetRightVolume(1);
    EXPECT_EQ(gen.GetVolume(), 0u);
    return;
  }
  const std::uint32_t saved = gen.GetVolume();
  gen.SetVolume(0x40, 0x60);
  const std::uint32_t now = gen.GetVolume();
  // The driver may keep the level in its own precision: compare the high bytes.
  EXPECT_NEAR(static_cast<int>((now >> 8) & 0xFF), 0x40, 1);
  if (caps.dwFormats & WAVE_FORMAT_1S16) {
    EXPECT_NEAR(static_cast<int>(now >> 24), 0x60, 1);
  }
  gen.SetVolume(static_cast<std::uint8_t>(saved >> 8), static_cast<std::uint8_t>(saved >> 24));
}

TEST(WinWaveOut, CapabilitiesAgreeWithTheSystem) {
  const bool present = ::waveOutGetNumDevs() > 0;
  const auto caps = SystemWaveOut().GetDevCaps(0);
  EXPECT_EQ(caps.has_value(), present);
  if (!present) {
    EXPECT_FALSE(SystemWaveOut().GetVolume(0).has_value());
  }
}

}  // namespace
}  // namespace vorda::win
