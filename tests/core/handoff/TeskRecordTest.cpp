#include "core/handoff/TeskRecord.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace vorda::handoff {
namespace {

using TBuffer = std::array<std::uint8_t, kRecordSize>;

class HandoffRecordTest : public testing::Test {
 protected:
  // A foreign pattern, so that untouched bytes show.
  HandoffRecordTest() { buf.fill(0xA5); }

  void PutUnit(std::size_t index, std::uint16_t u) {
    buf[kEventOffset + 2 * index] = static_cast<std::uint8_t>(u);
    buf[kEventOffset + 2 * index + 1] = static_cast<std::uint8_t>(u >> 8);
  }

  TBuffer buf{};
};

TEST(HandoffName, IsTheLocalNameWithTheInstanceNumber) {
  EXPECT_EQ(MappingName(1), L"Local\\Tesk [Marobel] mm1");
  EXPECT_EQ(MappingName(12), L"Local\\Tesk [Marobel] mm12");
  EXPECT_EQ(kWMTeskParametersUpdate, 1044u);
}

TEST_F(HandoffRecordTest, FieldsSitAtTheirOffsetsLittleEndian) {
  ASSERT_TRUE(EncodeRecord(buf, {0x12345678, 0, 4, L"Ab"}));
  EXPECT_EQ((std::vector<std::uint8_t>(buf.begin(), buf.begin() + 14)),
            (std::vector<std::uint8_t>{0x78, 0x56, 0x34, 0x12,  // Wnd
                                       0x00, 0x00,              // Ver
                                       0x04,                    // EventType
                                       0xA5,                    // reserved: never written
                                       'A', 0, 'b', 0, 0, 0}));  // Event and terminator
  // Nothing past the terminator is touched.
  for (std::size_t i = 14; i < kRecordSize; ++i) ASSERT_EQ(buf[i], 0xA5) << i;

  ASSERT_TRUE(WriteOwner(buf, 1, 0xBEEF));
  EXPECT_EQ(buf[4], 0xEF);
  EXPECT_EQ(buf[5], 0xBE);
}

TEST_F(HandoffRecordTest, SenderWritesOnlyTheTriggerPart) {
  ASSERT_TRUE(WriteOwner(buf, 0xCAFE, 0));
  ASSERT_TRUE(WriteEvent(buf, 1, L"1899-12-30 00:10:00"));
  const auto r = DecodeRecord(buf);
  ASSERT_TRUE(r);
  EXPECT_EQ(*r, (TTeskRecord{0xCAFE, 0, 1, L"1899-12-30 00:10:00"}));
  EXPECT_EQ(buf[7], 0xA5);
}

TEST_F(HandoffRecordTest, RoundTrips) {
  for (const TTeskRecord& rec : {TTeskRecord{0, 0, 0, L""}, TTeskRecord{0xFFFFFFFF, 1, 5, L"2008-01-01 01:02:03"},
                                 TTeskRecord{7, 0, 4, L"notepad.ex"}, TTeskRecord{7, 0, 4, L"zażółć \U0001F600"},
                                 TTeskRecord{7, 0, 4, std::wstring(199, L'x')}}) {
    ASSERT_TRUE(EncodeRecord(buf, rec));
    EXPECT_EQ(DecodeRecord(buf), rec);
  }
}

TEST_F(HandoffRecordTest, LongTextIsCutTo199WithTheTerminator) {
  ASSERT_TRUE(WriteEvent(buf, 4, std::wstring(500, L'y')));
  EXPECT_EQ(DecodeRecord(buf)->event, std::wstring(199, L'y'));
  EXPECT_EQ(buf[kEventOffset + 2 * 199], 0);
  EXPECT_EQ(buf[kEventOffset + 2 * 199 + 1], 0);
}

TEST_F(HandoffRecordTest, CutNeverSplitsASurrogatePair) {
  // The pair would take units 198 and 199; only 198 units are kept.
  const std::wstring text = std::wstring(198, L'a') + L"\U0001F600" + L"zz";
  ASSERT_TRUE(WriteEvent(buf, 4, text));
  EXPECT_EQ(DecodeRecord(buf)->event, std::wstring(198, L'a'));
}

TEST_F(HandoffRecordTest, UnterminatedEventStopsAtTheEndOfTheRecord) {
  for (std::size_t i = 0; i < kEventUnits; ++i) PutUnit(i, L'q');
  const auto r = DecodeRecord(buf);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->event, std::wstring(kEventUnits, L'q'));
}

TEST_F(HandoffRecordTest, LoneSurrogatesDoNotBreakTheText) {
  PutUnit(0, 0xD800);
  PutUnit(1, L'k');
  PutUnit(2, 0xDC00);
  PutUnit(3, 0);
  const auto r = DecodeRecord(buf);
  ASSERT_TRUE(r);
  ASSERT_EQ(r->event.size(), 3u);
  EXPECT_EQ(r->event[1], L'k');
  if constexpr (sizeof(wchar_t) > 2) {
    EXPECT_EQ(r->event[0], L'\xFFFD');
  }
}

TEST(HandoffBuffer, ShortBuffersAreRefusedUntouched) {
  std::vector<std::uint8_t> small(kRecordSize - 1, 0x11);
  EXPECT_FALSE(WriteOwner(small, 1));
  EXPECT_FALSE(WriteEvent(small, 1, L"x"));
  EXPECT_FALSE(EncodeRecord(small, {1, 0, 1, L"x"}));
  EXPECT_FALSE(DecodeRecord(small));
  EXPECT_FALSE(DecodeRecord({}));
  for (std::uint8_t b : small) ASSERT_EQ(b, 0x11);
}

TEST(HandoffBuffer, ALargerViewIsUsedOnlyForItsFirst408Bytes) {
  std::vector<std::uint8_t> view(4096, 0x22);
  ASSERT_TRUE(WriteEvent(view, 4, std::wstring(300, L'z')));
  for (std::size_t i = kRecordSize; i < view.size(); ++i) ASSERT_EQ(view[i], 0x22) << i;
  EXPECT_EQ(DecodeRecord(view)->event.size(), kEventMaxChars);
}

struct RefusalCase {
  std::uint16_t ver;
  std::int64_t wParam;
  std::uint8_t eventType;
  bool refused;
};

class HandoffRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(HandoffRefusalTest, RefusesForeignRecordsAndMessages) {
  const RefusalCase& c = GetParam();
  EXPECT_EQ(IsUpdateRefused(c.ver, c.wParam, c.eventType), c.refused);
}

INSTANTIATE_TEST_SUITE_P(Cases, HandoffRefusalTest,
                         testing::Values(RefusalCase{0, 0, 0, false}, RefusalCase{0, 0, 5, false},
                                         RefusalCase{1, 0, 1, true}, RefusalCase{0, 1, 1, true},
                                         RefusalCase{0, -1, 1, true}, RefusalCase{0, 0, 6, true},
                                         RefusalCase{0, 0, 255, true}));

TEST(HandoffLog, LinesReadAsTheProgramWritesThem) {
  EXPECT_EQ(StartLine(0, true, 1, L"1899-12-30 00:10:00"),
            L"Start: Ver=0 (other), EventType=1, Event=1899-12-30 00:10:00");
  EXPECT_EQ(StartLine(0, false, 4, L"calc.exe"), L"Start: Ver=0 (c), EventType=4, Event=calc.exe");
  EXPECT_EQ(RefusalLine(1, 0, 7), L"Parametrers update failure. Ver=1, WParam=0, EventType=7");
  EXPECT_EQ(SharedMemoryFailedLine(), L"Error: shared memory filed");
}

TEST(HandoffDateTime, FormatsThePickerValue) {
  EXPECT_EQ(FormatEventDateTime(*time::EncodeDateTime({1899, 12, 30}, {0, 10, 0, 999})), L"1899-12-30 00:10:00");
  EXPECT_EQ(FormatEventDateTime(*time::EncodeDateTime({2008, 1, 2}, {13, 5, 9, 0})), L"2008-01-02 13:05:09");
  EXPECT_EQ(FormatEventDateTime(1e12), std::nullopt);
}

struct ParseCase {
  const wchar_t* text;
  std::optional<time::TDateTimeParts> parts;
};

class HandoffParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(HandoffParseTest, ReadsFieldsByPosition) {
  const auto value = ParseEventDateTime(GetParam().text);
  ASSERT_EQ(value.has_value(), GetParam().parts.has_value());
  if (value) {
    EXPECT_EQ(time::DecodeDateTime(*value), GetParam().parts);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HandoffParseTest,
    testing::Values(
        ParseCase{L"1899-12-30 00:10:00", time::TDateTimeParts{{1899, 12, 30}, {0, 10, 0, 0}}},
        ParseCase{L"2008-02-29 23:59:59", time::TDateTimeParts{{2008, 2, 29}, {23, 59, 59, 0}}},
        // Separators are not looked at, and what follows is ignored.
        ParseCase{L"2008x01y02z03.04.05 tail", time::TDateTimeParts{{2008, 1, 2}, {3, 4, 5, 0}}},
        ParseCase{L"2008-01-01 00:00:0", std::nullopt},
        ParseCase{L"", std::nullopt},
        ParseCase{L"calc.exe", std::nullopt},
        ParseCase{L"2008-01-01 0a:00:00", std::nullopt},
        ParseCase{L"2008-01-01 -1:00:00", std::nullopt},
        ParseCase{L"2007-02-29 00:00:00", std::nullopt},
        ParseCase{L"2008-13-01 00:00:00", std::nullopt},
        ParseCase{L"2008-01-01 24:00:00", std::nullopt},
        ParseCase{L"0000-01-01 00:00:00", std::nullopt},
        // Before the year 100 no date-time can hold the value.
        ParseCase{L"0001-01-01 00:10:00", std::nullopt},
        ParseCase{L"0100-01-01 00:00:00", time::TDateTimeParts{{100, 1, 1}, {0, 0, 0, 0}}}));

}  // namespace
}  // namespace vorda::handoff

namespace vorda::handoff {
namespace {

TEST(HandoffBalloon, TellsWhatTheOwnerRunsNow) {
  TBalloonParts parts;
  parts.remainingTimeDesc = L"Czas pozostały do wyłączenia komputera:";
  parts.remainingTimeDescVisible = true;
  parts.remainingTime = L"0:10:00";
  parts.monitoredAppDesc = L"Monitorowany program:";
  parts.monitoredAppName = L"notepad.exe";
  parts.waitingForSilence = L"oczekuje na ciszę...";

  EXPECT_EQ(BalloonText(1, parts), L"Czas pozostały do wyłączenia komputera: 0:10:00");
  EXPECT_EQ(BalloonText(3, parts), BalloonText(2, parts));
  EXPECT_EQ(BalloonText(4, parts), L"Monitorowany program: notepad.exe");
  EXPECT_EQ(BalloonText(5, parts), L"oczekuje na ciszę...");
  EXPECT_EQ(BalloonText(0, parts), L"");

  parts.remainingTimeDescVisible = false;  // the close-program action shows its own description
  EXPECT_EQ(BalloonText(1, parts), L"0:10:00");
  parts.remainingTimeDescVisible = true;
  parts.remainingTimeDesc = L"";
  EXPECT_EQ(BalloonText(2, parts), L"0:10:00");
}

}  // namespace
}  // namespace vorda::handoff
