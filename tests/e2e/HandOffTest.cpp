#include <gtest/gtest.h>

#include "HarmlessAction.h"
#include "win/util/UniqueHandle.h"

namespace vorda::test {
namespace {

constexpr UINT kWMTeskParametersUpdate = 0x0414;

class HandOff : public HarmlessActionTest {
 protected:
  // Instance 1 counting down from a minute, as the owner of the record.
  HWND StartOwner(TProcess& owner) {
    EXPECT_TRUE(SetRegString(HKEY_CURRENT_USER, kVordaKey, L"Time1", L"00:01:00.000"));
    EXPECT_TRUE(owner.Start(kVorda, L""));
    HWND form = owner.WaitForWindow(L"TVordaForm", kStartTimeout);
    if (!form) return nullptr;
    Click(VisibleChild(form, L"Button", L"Rozpocznij"));
    HWND remaining = nullptr;
    if (!WaitUntil([&] { return (remaining = VisibleChild(form, L"TSuperLabel")) != nullptr; }, kStartTimeout))
      return nullptr;
    return form;
  }

  static std::wstring Remaining(HWND form) {
    HWND label = VisibleChild(form, L"TSuperLabel");
    return label ? WindowText(label) : L"";
  }
};

TEST_F(HandOff, ASecondStartRestartsTheRunningCountdown) {
  TProcess owner;
  HWND form = StartOwner(owner);
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return Remaining(form) == L"0:00:59"; }, kStartTimeout));

  TProcess sender;
  ASSERT_TRUE(sender.Start(kVorda, L"1 /h0 /m10 /s0"));
  ASSERT_EQ(sender.WaitForExit(kStartTimeout), 0u);
  EXPECT_TRUE(sender.Windows().empty());

  // The owner counts again from ten minutes, on its countdown page.
  EXPECT_TRUE(WaitUntil([&] { return Remaining(form) == L"0:09:59"; }, 5s)) << Remaining(form);
  EXPECT_NE(VisibleChild(form, L"Button", L"Anuluj"), nullptr);
  EXPECT_TRUE(owner.Running());

  const std::string log = ReadLog();
  EXPECT_NE(log.find("Start: Ver=0 (c), EventType=1, Event=1899-12-30 00:01:00\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("Start: Ver=0 (other), EventType=1, Event=1899-12-30 00:10:00\r\n"), std::string::npos) << log;
}

TEST_F(HandOff, AnotherInstanceNumberKeepsItsOwnRecord) {
  TProcess owner;
  HWND form = StartOwner(owner);
  ASSERT_NE(form, nullptr);

  TProcess second;
  ASSERT_TRUE(second.Start(kVorda, L"instance2 3"));
  HWND secondForm = second.WaitForWindow(L"TVordaForm", kStartTimeout);
  ASSERT_NE(secondForm, nullptr);
  EXPECT_NE(VisibleChild(secondForm, L"TSuperLabel"), nullptr);  // its own clock-time countdown
  EXPECT_TRUE(WaitUntil([&] { return Remaining(form) == L"0:00:57"; }, 5s)) << Remaining(form);
  EXPECT_TRUE(second.Running());
  EXPECT_NE(ReadLog().find("Start: Ver=0 (c), EventType=3, Event="), std::string::npos);
}

// A record that a foreign program has marked with another version is refused
// on both sides: senders do not hand off, the owner ignores the message.
TEST_F(HandOff, AForeignVersionIsRefused) {
  TProcess owner;
  HWND form = StartOwner(owner);
  ASSERT_NE(form, nullptr);

  win::UniqueKernelHandle map(::OpenFileMappingW(FILE_MAP_WRITE, FALSE, L"Local\\Tesk [Marobel] mm1"));
  ASSERT_TRUE(map);
  win::UniqueMappedView view(::MapViewOfFile(map.Get(), FILE_MAP_WRITE, 0, 0, 408));
  ASSERT_TRUE(view);
  auto* record = static_cast<std::uint8_t*>(view.Get());
  record[4] = 1;  // Ver
  ::PostMessageW(form, kWMTeskParametersUpdate, 0, 0);

  TProcess sender;
  ASSERT_TRUE(sender.Start(kVorda, L"1 /h0 /m10 /s0"));
  ASSERT_EQ(sender.WaitForExit(kStartTimeout), 0u);
  EXPECT_TRUE(sender.Windows().empty());

  EXPECT_TRUE(WaitUntil([&] { return ReadLog().find("Error: shared memory filed\r\n") != std::string::npos; }, 5s));
  const std::string log = ReadLog();
  EXPECT_NE(log.find("Parametrers update failure. Ver=1, WParam=0, EventType=1\r\n"), std::string::npos) << log;
  EXPECT_EQ(log.find("(other)"), std::string::npos) << log;
  // The owner still counts down from its own minute.
  const std::wstring remaining = Remaining(form);
  EXPECT_TRUE(remaining == L"0:01:00" || remaining.rfind(L"0:00:", 0) == 0) << remaining;
  EXPECT_TRUE(owner.Running());
}

}  // namespace
}  // namespace vorda::test

namespace vorda::test {
namespace {

// A program trigger handed over: the owner takes the name as it was written
// and waits for that program on its program page.
TEST_F(HandOff, AProgramTriggerTakesTheNameAsWritten) {
  TProcess owner;
  HWND form = StartOwner(owner);
  ASSERT_NE(form, nullptr);

  TProcess sender;
  ASSERT_TRUE(sender.Start(kVorda, L"4abcdefghij"));
  ASSERT_EQ(sender.WaitForExit(kStartTimeout), 0u);
  EXPECT_TRUE(WaitUntil([&] { return VisibleChild(form, L"Static", L"abcdefghij") != nullptr; }, 5s));
  EXPECT_EQ(VisibleChild(form, L"TSuperLabel"), nullptr);  // the countdown page is gone
  HWND combo = FindChild(form, L"ComboBox");
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(WindowText(combo), L"abcdefghij");
  EXPECT_TRUE(owner.Running());
  EXPECT_NE(ReadLog().find("Start: Ver=0 (other), EventType=4, Event=abcdefghij\r\n"), std::string::npos);
}

}  // namespace
}  // namespace vorda::test
