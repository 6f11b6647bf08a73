#include <gtest/gtest.h>

#include <algorithm>

#include "support/Driver.h"

#include <commctrl.h>
#include "win/programs/SpecPrograms.h"
#include "win/system/Paths.h"

namespace vorda::test {
namespace {

const std::wstring kVorda = VORDA_EXE;
const std::wstring kKey = L"SOFTWARE\\Marobel\\Vorda";
const std::wstring kTable = L"SOFTWARE\\Marobel\\Vorda\\SpecPrograms";
constexpr auto kTimeout = 30s;

HWND ChildWithText(HWND form, const std::wstring& className, const std::wstring& text) {
  for (HWND child : Children(form))
    if (_wcsicmp(ClassOf(child).c_str(), className.c_str()) == 0 && WindowText(child) == text) return child;
  return nullptr;
}

bool Checked(HWND form, const std::wstring& caption) {
  HWND radio = ChildWithText(form, L"Button", caption);
  return radio && ::SendMessageW(radio, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The picker's time as "hh:mm:ss", read through memory lent in the program's process.
std::wstring PickerTime(DWORD processId, HWND form) {
  HWND picker = nullptr;
  for (HWND child : Children(form))
    if (ClassOf(child) == DATETIMEPICK_CLASSW) picker = child;
  if (!picker) return L"no picker";
  win::UniqueKernelHandle process(
      ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
  if (!process) return L"no process";
  void* remote = ::VirtualAllocEx(process.Get(), nullptr, sizeof(SYSTEMTIME), MEM_COMMIT, PAGE_READWRITE);
  if (!remote) return L"no memory";
  SYSTEMTIME st{};
  ::SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(remote));
  ::ReadProcessMemory(process.Get(), remote, &st, sizeof(st), nullptr);
  ::VirtualFreeEx(process.Get(), remote, 0, MEM_RELEASE);
  wchar_t text[16];
  swprintf(text, 16, L"%02u:%02u:%02u", st.wHour, st.wMinute, st.wSecond);
  return text;
}

// Each case starts from a settings key it writes itself and leaves the
// machine-wide table as an installation would.
class Startup : public ::testing::Test {
 protected:
  void SetUp() override { DeleteRegTree(HKEY_CURRENT_USER, kKey); }
  void TearDown() override {
    DeleteRegTree(HKEY_CURRENT_USER, kKey);
    DeleteRegTree(HKEY_LOCAL_MACHINE, kTable);
    EXPECT_TRUE(win::WriteBuiltInSpecPrograms());
  }
  void Whole(int left, int top, int tip) {
    ASSERT_TRUE(SetRegDword(HKEY_CURRENT_USER, kKey, L"Position - Left", static_cast<DWORD>(left)));
    ASSERT_TRUE(SetRegDword(HKEY_CURRENT_USER, kKey, L"Position - Top", static_cast<DWORD>(top)));
    ASSERT_TRUE(SetRegDword(HKEY_CURRENT_USER, kKey, L"MenuTip", static_cast<DWORD>(tip)));
  }
  HWND Start(TProcess& vorda, const std::wstring& args = L"") {
    EXPECT_TRUE(vorda.Start(kVorda, args));
    return vorda.WaitForWindow(L"TVordaForm", kTimeout);
  }
  static void Close(TProcess& vorda, HWND form) {
    ::PostMessageW(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(vorda.WaitForExit(kTimeout), 0u);
  }
};

TEST_F(Startup, FirstStartRebuildsTheKeyAndOpensOnTheFirstTriggerWithAnHour) {
  ASSERT_TRUE(SetRegDword(HKEY_CURRENT_USER, kKey, L"MainAction", 2));  // no window state: rebuilt
  TProcess vorda;
  HWND form = Start(vorda);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(GetRegDword(HKEY_CURRENT_USER, kKey, L"MenuTip"), 0u);
  for (const wchar_t* gone : {L"MainAction", L"Position - Left", L"Time"})
    EXPECT_FALSE(GetRegDword(HKEY_CURRENT_USER, kKey, gone).has_value()) << gone;
  HWND tip = ChildWithText(form, L"Static", L"<< kliknij tutaj");
  ASSERT_NE(tip, nullptr);
  EXPECT_FALSE(::IsWindowVisible(tip));
  EXPECT_TRUE(Checked(form, L"Po upływie wskazanego czasu"));
  EXPECT_EQ(PickerTime(vorda.Id(), form), L"01:00:00");

  // A start by the user keeps the window state, the version that wrote it included.
  Click(ChildWithText(form, L"Button", L"Rozpocznij"));
  EXPECT_TRUE(WaitUntil([&] { return GetRegString(HKEY_CURRENT_USER, kKey, L"Time1").has_value(); }, kTimeout));
  EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, kKey, L"Time1"), L"01:00:00.000");
  EXPECT_EQ(GetRegDword(HKEY_CURRENT_USER, kKey, L"Time"), 1u);
  EXPECT_EQ(GetRegString(HKEY_CURRENT_USER, kKey, L"Version"), std::wstring(VORDA_VERSION_TEXT));
  EXPECT_TRUE(GetRegDword(HKEY_CURRENT_USER, kKey, L"Position - Left").has_value());
  Close(vorda, form);
}

TEST_F(Startup, SecondStartRestoresPlaceTipTriggerDurationAndProgram) {
  Whole(-30, 40, 2);  // a window on a monitor to the left stays there
  ASSERT_TRUE(SetRegDword(HKEY_CURRENT_USER, kKey, L"Time", 2));
  ASSERT_TRUE(SetRegString(HKEY_CURRENT_USER, kKey, L"Time1", L"00:45:00.000"));
  ASSERT_TRUE(SetRegString(HKEY_CURRENT_USER, kKey, L"cbxMonitoredApp", L"Notatnik"));
  TProcess vorda;
  HWND form = Start(vorda);
  ASSERT_NE(form, nullptr);
  RECT r{};
  ::GetWindowRect(form, &r);
  EXPECT_EQ(r.left, -30);
  EXPECT_EQ(r.top, 40);
  HWND tip = ChildWithText(form, L"Static", L"<< kliknij tutaj");
  ASSERT_NE(tip, nullptr);
  EXPECT_TRUE(::IsWindowVisible(tip));
  EXPECT_TRUE(Checked(form, L"Po bezczynności trwajacej przez określony okres"));
  EXPECT_EQ(PickerTime(vorda.Id(), form), L"00:45:00");  // "Time2" missing: the one of "Time1"
  HWND combo = nullptr;
  for (HWND child : Children(form))
    if (ClassOf(child) == L"ComboBox") combo = child;
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(WindowText(combo), L"Notatnik");

  // Closing keeps the place and leaves the rest as it was.
  ::SetWindowPos(form, nullptr, 25, 35, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Close(vorda, form);
  EXPECT_EQ(GetRegDword(HKEY_CURRENT_USER, kKey, L"Position - Left"), 25u);
  EXPECT_EQ(GetRegDword(HKEY_CURRENT_USER, kKey, L"Position - Top"), 35u);
  EXPECT_EQ(GetRegDword(HKEY_CURRENT_USER, kKey, L"MenuTip"), 2u);
}

struct StoredTrigger {
  const char* what;
  DWORD time;
  const wchar_t* time5;  // nullptr: none stored
  bool version;
  const wchar_t* radio;
  const wchar_t* picker;
};

class StoredTriggers : public Startup, public ::testing::WithParamInterface<StoredTrigger> {};

TEST_P(StoredTriggers, SelectTheTriggerAndItsDuration) {
  const StoredTrigger c = GetParam();
  Whole(100, 100, 3);
  ASSERT_TRUE(SetRegDword(HKEY_CURRENT_USER, kKey, L"Time", c.time));
  if (c.time5) ASSERT_TRUE(SetRegString(HKEY_CURRENT_USER, kKey, L"Time5", c.time5));
  if (c.version) ASSERT_TRUE(SetRegString(HKEY_CURRENT_USER, kKey, L"Version", L"3.0.0.1"));
  TProcess vorda;
  HWND form = Start(vorda);
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(Checked(form, c.radio)) << c.what;
  EXPECT_EQ(PickerTime(vorda.Id(), form), c.picker) << c.what;
  EXPECT_FALSE(::IsWindowVisible(ChildWithText(form, L"Static", L"<< kliknij tutaj")));
  Close(vorda, form);
}

const wchar_t* const kSilence = L"Gdy będzie cicho (nie będą odtwarzane żadne dźwięki)";
INSTANTIATE_TEST_SUITE_P(
    Cases, StoredTriggers,
    ::testing::Values(StoredTrigger{"unknown 9", 9, nullptr, false, L"Po upływie wskazanego czasu", L"01:00:00"},
                      StoredTrigger{"silence default", 5, nullptr, false, kSilence, L"00:02:00"},
                      StoredTrigger{"two hours, no version", 5, L"02:00:00.000", false, kSilence, L"00:02:00"},
                      StoredTrigger{"two hours, version", 5, L"02:00:00.000", true, kSilence, L"02:00:00"},
                      StoredTrigger{"half an hour", 5, L"00:30:00.000", false, kSilence, L"00:30:00"}));

TEST_F(Startup, ACompatibilityLayerForTheProgramIsRefused) {
  Whole(100, 100, 3);
  std::wstring exe = kVorda;
  std::replace(exe.begin(), exe.end(), L'/', L'\\');
  const std::wstring name = win::GetDisplayPath(exe);
  ASSERT_FALSE(name.empty());
  const std::wstring layers = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers";
  ASSERT_TRUE(SetRegString(HKEY_CURRENT_USER, layers, name, L"WINXPSP3"));
  TProcess vorda;
  ASSERT_TRUE(vorda.Start(kVorda, L""));
  HWND box = WaitForMessageBox(vorda.Id(), L"Błąd", kTimeout);
  DeleteRegValue(HKEY_CURRENT_USER, layers, name);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box),
            L"Nieobsługiwany system operacyjny.\r\nCzy chcesz teraz przejść na stronę http://www.marobel.pl "
            L"w celu pobrania najnowszej wersji programu?");
  ::PostMessageW(box, WM_COMMAND, IDNO, 0);
  EXPECT_EQ(vorda.WaitForExit(kTimeout), 0u);
  EXPECT_TRUE(vorda.Windows().empty());
}

TEST_F(Startup, TheInstallerRunOpensBottomRightWithoutTheOptionsPage) {
  DeleteRegTree(HKEY_LOCAL_MACHINE, kTable);  // an installer run needs no table
  TProcess vorda;
  HWND form = Start(vorda, L"SETUP");
  ASSERT_NE(form, nullptr);
  RECT work{}, r{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  ::GetWindowRect(form, &r);
  EXPECT_EQ(r.right, work.right - 10);
  EXPECT_EQ(r.bottom, work.bottom - 10);
  for (HWND child : Children(form))
    if (::IsWindowVisible(child)) EXPECT_NE(WindowText(child), L"Rozpocznij");
  Close(vorda, form);
  EXPECT_FALSE(GetRegDword(HKEY_CURRENT_USER, kKey, L"Position - Left").has_value());
}

struct BrokenTable {
  const char* what;
  void (*spoil)();
  int error;
};

class BrokenTables : public Startup, public ::testing::WithParamInterface<BrokenTable> {};

TEST_P(BrokenTables, EndTheProgramWithTheInstallationError) {
  const BrokenTable c = GetParam();
  Whole(100, 100, 3);
  ASSERT_TRUE(SetRegDword(HKEY_CURRENT_USER, kKey, L"Logger", 1));
  const std::wstring log = AppDataFolder() + L"Solvane\\Vorda.log";
  ::DeleteFileW(log.c_str());
  c.spoil();
  TProcess vorda;
  ASSERT_TRUE(vorda.Start(kVorda, L""));
  HWND box = WaitForMessageBox(vorda.Id(), L"Błąd", kTimeout);
  ASSERT_NE(box, nullptr) << c.what;
  EXPECT_EQ(MessageBoxText(box),
            L"Elmqvara nie jest zainstalowany lub ostatnia instalacja została uszkodzona.\r\n"
            L"Konieczna jest instalacja Vorda!");
  EXPECT_EQ(vorda.WaitForWindow(L"TVordaForm", 0ms), nullptr);
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(vorda.WaitForExit(kTimeout), 0u);
  EXPECT_TRUE(vorda.Windows().empty());
  const std::string text = ReadFileBytes(log);
  EXPECT_NE(text.find("Error " + std::to_string(c.error) + " - Missed installation info"), std::string::npos)
      << c.what;
  // A start that never showed its window keeps the place it had.
  EXPECT_EQ(GetRegDword(HKEY_CURRENT_USER, kKey, L"Position - Left"), 100u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenTables,
    ::testing::Values(BrokenTable{"missing", [] { DeleteRegTree(HKEY_LOCAL_MACHINE, kTable); }, 1},
                      BrokenTable{"no display name", [] { SetRegString(HKEY_LOCAL_MACHINE, kTable, L"IVCAP", L""); }, 2},
                      BrokenTable{"no window to watch",
                                  [] { DeleteRegValue(HKEY_LOCAL_MACHINE, kTable + L"\\TrueWindows", L"IVCAP"); }, 3}));

}  // namespace
}  // namespace vorda::test
