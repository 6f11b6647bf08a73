#include "core/time/StoredTime.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "MemoryRegistry.h"
#include "core/time/Duration.h"

namespace vorda::time {
namespace {

using registry::TRegValue;
using registry::TRootKey;

constexpr const wchar_t* kKey = L"SOFTWARE\\Marobel\\Vorda";

TRegValue RawDateTime(double value) {
  std::vector<std::uint8_t> data(sizeof value);
  std::memcpy(data.data(), &value, sizeof value);
  return TRegValue::Binary(std::move(data));
}

struct StoredCase {
  const char* what;
  const wchar_t* name;
  std::optional<TRegValue> stored;
  bool version;
  const wchar_t* defaultText;
  const wchar_t* expected;
};

class ReadStoredTimeTest : public testing::TestWithParam<StoredCase> {};

TEST_P(ReadStoredTimeTest, GivesTheStoredTextOrTheDefault) {
  const auto& c = GetParam();
  registry::TMemoryRegistry backend;
  backend.CreateKey(TRootKey::CurrentUser, kKey);
  if (c.stored) backend.Put(TRootKey::CurrentUser, kKey, c.name, *c.stored);
  if (c.version) backend.PutString(kKey, L"Version", L"3.0.0.1");
  EXPECT_EQ(ReadStoredTime(backend, c.name, c.defaultText), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadStoredTimeTest,
    testing::Values(
        StoredCase{"Time5 of two hours before Version", L"Time5", TRegValue::String(L"02:00:00.000"), false,
                   L"00:02:00.000", L"00:02:00.000"},
        StoredCase{"Time5 of two hours with Version", L"Time5", TRegValue::String(L"02:00:00.000"), true,
                   L"00:02:00.000", L"02:00:00.000"},
        StoredCase{"Time5 of half an hour before Version", L"Time5", TRegValue::String(L"00:30:00.000"), false,
                   L"00:02:00.000", L"00:30:00.000"},
        StoredCase{"Time5 of half an hour with Version", L"Time5", TRegValue::String(L"00:30:00.000"), true,
                   L"00:02:00.000", L"00:30:00.000"},
        StoredCase{"Time5 whose hours are no number", L"Time5", TRegValue::String(L"x2:00:00.000"), true,
                   L"00:02:00.000", L"00:02:00.000"},
        StoredCase{"Time1 of two hours before Version", L"Time1", TRegValue::String(L"02:00:00.000"), false,
                   L"01:00:00.000", L"02:00:00.000"},
        StoredCase{"expandable string", L"Time2", TRegValue::ExpandString(L"00:45:00.000"), false,
                   L"01:00:00.000", L"00:45:00.000"},
        StoredCase{"missing", L"Time1", std::nullopt, true, L"01:00:00.000", L"01:00:00.000"},
        StoredCase{"raw time of day", L"Time3", RawDateTime(*EncodeTime(21, 15, 30, 500)), false,
                   L"01:00:00.000", L"21:15:30.500"},
        StoredCase{"raw duration of 2008", L"Time1",
                   RawDateTime(*EncodeDateTime({2008, 1, 1}, {1, 30, 0, 0})), false, L"01:00:00.000",
                   L"01:30:00.000"},
        StoredCase{"raw value before the epoch", L"Time1", RawDateTime(-1.25), false, L"01:00:00.000",
                   L"06:00:00.000"},
        StoredCase{"raw NaN", L"Time1", RawDateTime(std::numeric_limits<double>::quiet_NaN()), false,
                   L"01:00:00.000", L"01:00:00.000"},
        StoredCase{"raw huge number", L"Time1", RawDateTime(1e300), false, L"01:00:00.000", L"01:00:00.000"},
        StoredCase{"7 bytes", L"Time1", TRegValue::Binary({0, 0, 0, 0, 0, 0, 0}), false, L"01:00:00.000",
                   L"01:00:00.000"},
        StoredCase{"9 bytes", L"Time1", TRegValue::Binary({0, 0, 0, 0, 0, 0, 0, 0, 0}), false, L"01:00:00.000",
                   L"01:00:00.000"},
        StoredCase{"DWORD", L"Time1", TRegValue::Integer(3600), false, L"01:00:00.000", L"01:00:00.000"},
        // Texts the picker would refuse never reach it.
        StoredCase{"hours above 23", L"Time1", TRegValue::String(L"25:00:00.000"), false, L"01:00:00.000",
                   L"01:00:00.000"},
        StoredCase{"damaged text", L"Time1", TRegValue::String(L"1:00:00"), false, L"01:00:00.000",
                   L"01:00:00.000"},
        StoredCase{"minutes out of range", L"Time2", TRegValue::String(L"00:75:00.000"), false, L"00:45:00.000",
                   L"00:45:00.000"},
        StoredCase{"very long text", L"Time1", TRegValue::String(std::wstring(1 << 20, L'7')), false,
                   L"01:00:00.000", L"01:00:00.000"}));

TEST(ReadStoredTime, CreatesTheSettingsKeyWhenMissing) {
  registry::TMemoryRegistry backend;
  EXPECT_EQ(ReadStoredTime(backend, L"Time1", L"01:00:00.000"), L"01:00:00.000");
  EXPECT_TRUE(backend.HasKey(TRootKey::CurrentUser, kKey));
}

TEST(ReadStoredTime, GivesTheDefaultWhenTheKeyIsRefused) {
  registry::TMemoryRegistry backend;
  backend.PutString(kKey, L"Time1", L"02:00:00.000");
  backend.DenyAccess(TRootKey::CurrentUser, kKey);
  EXPECT_EQ(ReadStoredTime(backend, L"Time1", L"01:00:00.000"), L"01:00:00.000");
}

TEST(ReadStoredTime, TurnsATimeDefaultIntoText) {
  registry::TMemoryRegistry backend;
  EXPECT_EQ(ReadStoredTime(backend, L"Time3", *EncodeTime(13, 45, 30, 250)), L"13:45:30.250");
  backend.PutString(kKey, L"Time3", L"08:00:00.000");
  EXPECT_EQ(ReadStoredTime(backend, L"Time3", *EncodeTime(13, 45, 30, 250)), L"08:00:00.000");
}

}  // namespace
}  // namespace vorda::time
