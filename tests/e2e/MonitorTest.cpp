#include <gtest/gtest.h>

#include <chrono>
#include <iostream>

#include "HarmlessAction.h"

namespace vorda::test {
namespace {

const std::wstring kOldLibrary = VORDA_OLD_SH_DLL;
const std::wstring kKey = L"SOFTWARE\\Marobel\\Vorda";
constexpr auto kTimeout = 30s;

HWND Child(HWND form, const std::wstring& className, const std::wstring& text) {
  for (HWND child : Children(form))
    if (_wcsicmp(ClassOf(child).c_str(), className.c_str()) == 0 && WindowText(child) == text) return child;
  return nullptr;
}

std::wstring Upper(std::wstring text) {
  if (!text.empty()) ::CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t ch : text) out += ch < 0x80 ? static_cast<char>(ch) : '?';
  return out;
}

// Types a text into the program list as a user would, character by character.
void TypeProgram(HWND form, const std::wstring& text) {
  HWND combo = FindChild(form, L"ComboBox");
  ASSERT_NE(combo, nullptr);
  HWND edit = FindChild(combo, L"Edit");
  ASSERT_NE(edit, nullptr);
  // What the last start left in the list is selected first, so typing replaces it.
  ::SendMessageW(edit, EM_SETSEL, 0, -1);
  for (wchar_t ch : text) ::SendMessageW(edit, WM_CHAR, ch, 0);
}

// A program of the prefix and its main window.
struct TWatched {
  TProcess process;
  HWND window = nullptr;
  bool Start(const std::wstring& exe) {
    if (!process.Start(exe, L"")) return false;
    window = process.WaitForWindow(L"", kTimeout);
    return window != nullptr;
  }
};

class Monitor : public HarmlessActionTest {
 protected:
  void TearDown() override {
    HarmlessActionTest::TearDown();
    for (const wchar_t* name : {L"Time2", L"Time4"}) DeleteRegValue(HKEY_CURRENT_USER, kVordaKey, name);
  }
  static std::string Log() { return ReadLog(); }

  // Starts Vorda, chooses a trigger and, for the program trigger, types the program.
  HWND StartVorda(TProcess& vorda, const std::wstring& trigger, const std::wstring& program = {},
                  const std::wstring& exe = kVorda, const std::wstring& arguments = L"") {
    if (!vorda.Start(exe, arguments)) return nullptr;
    HWND form = vorda.WaitForWindow(L"TVordaForm", kTimeout);
    if (!form) return nullptr;
    HWND radio = Child(form, L"Button", trigger);
    if (!radio) return nullptr;
    Click(radio);
    if (!program.empty()) TypeProgram(form, program);
    HWND start = VisibleChild(form, L"Button", L"Rozpocznij");
    if (!start) return nullptr;
    // Posted: a refused start shows a modal box inside the click.
    ::PostMessageW(start, BM_CLICK, 0, 0);
    return form;
  }
};

const std::wstring kIdle = L"Po bezczynności trwajacej przez określony okres";
const std::wstring kProgram = L"Gdy podany program zostanie zamknięty";
const std::wstring kSilence = L"Gdy będzie cicho (nie będą odtwarzane żadne dźwięki)";

TEST_F(Monitor, IdleCountdownWaitsWhileInputArrivesAndFiresAfterwards) {
  ASSERT_TRUE(SetRegString(HKEY_CURRENT_USER, kKey, L"Time2", L"00:00:02.000"));
  TProcess vorda;
  HWND form = StartVorda(vorda, kIdle);
  ASSERT_NE(form, nullptr);
  HWND remaining = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (remaining = VisibleChild(form, L"TSuperLabel")) != nullptr; }, kTimeout));

  // Five seconds of mouse movement: longer than the duration, and the program stays.
  bool waited = false;
  const auto end = std::chrono::steady_clock::now() + 5s;
  for (int i = 0; std::chrono::steady_clock::now() < end; ++i) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (i % 2) ? 5 : -5;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    ::SendInput(1, &input, sizeof input);
    ::Sleep(50);
    if (WindowText(remaining) == L"Oczekiwanie...") waited = true;
  }
  EXPECT_TRUE(vorda.Running());
  EXPECT_TRUE(waited);
  // Without input the full duration runs out.
  EXPECT_EQ(vorda.WaitForExit(15s), 0u);
  EXPECT_NE(Log().find(": DoFinalAction: tcmdCloseProgram\r\n"), std::string::npos);
}

// Asks a window to close and times, from that request, when the window is
// gone and when the grace countdown shows; -1 for what did not happen.
struct TClosing {
  double gone = -1;
  double countdown = -1;
  std::wstring firstCaption;  // of the countdown, when it showed
};

TClosing CloseAndTime(HWND form, HWND watched) {
  const auto asked = std::chrono::steady_clock::now();
  auto since = [&] { return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - asked).count(); };
  TClosing t;
  ::PostMessageW(watched, WM_CLOSE, 0, 0);
  WaitUntil([&] {
    if (t.gone < 0 && !::IsWindow(watched)) t.gone = since();
    if (t.countdown < 0)
      if (HWND remaining = VisibleChild(form, L"TSuperLabel")) {
        t.countdown = since();
        t.firstCaption = WindowText(remaining);
      }
    return t.gone >= 0 && t.countdown >= 0;
  }, kTimeout);
  return t;
}

void Report(const char* how, const TClosing& t) {
  std::cout << "closing by " << how << ": window gone after " << t.gone << " ms, countdown after " << t.countdown
            << " ms of the close request\n";
}

// A top-level window of the test itself, destroyed at once.
void CloseOwnWindow(const std::wstring& title) {
  HWND window = ::CreateWindowExW(0, L"STATIC", title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                  nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  ::DestroyWindow(window);
}

TEST_F(Monitor, ProgramClosedByTitleShowsOtherClosingsFirst) {
  ASSERT_TRUE(SetRegDword(HKEY_CURRENT_USER, kKey, L"Time4", 5));
  TWatched notepad;
  ASSERT_TRUE(notepad.Start(L"C:\\windows\\notepad.exe"));
  const std::wstring title = WindowText(notepad.window);
  TProcess vorda;
  HWND form = StartVorda(vorda, kProgram, title);
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return VisibleChild(form, L"Static", title) != nullptr; }, kTimeout));
  EXPECT_NE(VisibleChild(form, L"Static", L"Program oczekuje na zamknięcie:"), nullptr);

  // A window that stays keeps the thread's input-method window, which the
  // system would destroy, and report, together with the last window.
  HWND keeper = ::CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  CloseOwnWindow(L"Vorda test window");
  HWND last = nullptr;
  EXPECT_TRUE(WaitUntil([&] { return (last = VisibleChild(form, L"Edit")) != nullptr; }, 10s));
  if (last) EXPECT_EQ(WindowText(last), L"VORDA TEST WINDOW");
  EXPECT_NE(VisibleChild(form, L"Static", L"Ostatnio zamknięty program:"), nullptr);
  EXPECT_EQ(VisibleChild(form, L"TSuperLabel"), nullptr);

  const TClosing t = CloseAndTime(form, notepad.window);
  Report("title (hook)", t);
  ASSERT_GE(t.countdown, 0);
  EXPECT_EQ(WindowText(VisibleChild(form, L"TSuperLabel")).substr(0, 6), L"0:00:0");
  ::DestroyWindow(keeper);
}

TEST_F(Monitor, ProgramClosedByClassWithALongGracePeriod) {
  ASSERT_TRUE(SetRegDword(HKEY_CURRENT_USER, kKey, L"Time4", 125));
  TWatched notepad;
  ASSERT_TRUE(notepad.Start(L"C:\\windows\\notepad.exe"));
  const std::wstring cls = ClassOf(notepad.window);
  TProcess vorda;
  HWND form = StartVorda(vorda, kProgram, L"KO>>" + cls);
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return VisibleChild(form, L"Static", cls) != nullptr; }, kTimeout));
  EXPECT_NE(VisibleChild(form, L"Static", L"Program oczekuje na zamknięcie okna klasy:"), nullptr);
  CaptureScreen(TestExeFolder() + L"watching-page.bmp");

  const TClosing t = CloseAndTime(form, notepad.window);
  Report("class (hook)", t);
  ASSERT_GE(t.countdown, 0);
  // 125 seconds are two minutes and five.
  EXPECT_EQ(t.firstCaption, L"0:02:05") << Narrow(t.firstCaption);
}

TEST_F(Monitor, ProgramClosedByPollingForAClass) {
  ASSERT_TRUE(SetRegDword(HKEY_CURRENT_USER, kKey, L"Time4", 5));
  TWatched mines;
  ASSERT_TRUE(mines.Start(L"C:\\windows\\system32\\winemine.exe"));
  const std::wstring cls = ClassOf(mines.window);
  TProcess vorda;
  HWND form = StartVorda(vorda, kProgram, L"?KO>>" + cls);
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return VisibleChild(form, L"Static", cls) != nullptr; }, kTimeout));
  ::Sleep(1000);  // a poll has seen the window
  const TClosing t = CloseAndTime(form, mines.window);
  Report("class and title (polling)", t);
  ASSERT_GE(t.countdown, 0);
}

TEST_F(Monitor, ASecondInstanceWatchesThroughACopyOfTheLibrary) {
  wchar_t temp[MAX_PATH + 1] = {};
  ::GetTempPathW(MAX_PATH + 1, temp);
  const std::wstring copy = std::wstring(temp) + L"SH1.dll";
  ::DeleteFileW(copy.c_str());
  TProcess first, second;
  HWND one = StartVorda(first, kProgram, L"VordaTestNoSuchTitle");
  ASSERT_NE(one, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return VisibleChild(one, L"Static", L"VordaTestNoSuchTitle") != nullptr; }, kTimeout));
  HWND two = StartVorda(second, kProgram, L"VordaTestNoSuchTitle", kVorda, L"instance2");
  ASSERT_NE(two, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return VisibleChild(two, L"Static", L"VordaTestNoSuchTitle") != nullptr; }, kTimeout));
  EXPECT_TRUE(FileExists(copy));
  EXPECT_EQ(WaitForMessageBox(second.Id(), L"Błąd", 500ms), nullptr);
}

// A folder with the program and, when given, a library file beside it.
std::wstring Installation(const std::wstring& name, const std::wstring& library) {
  const std::wstring folder = MakeTempFolder(name);
  if (!::CopyFileW(kVorda.c_str(), (folder + L"Vorda.exe").c_str(), FALSE)) return {};
  if (!library.empty() && !::CopyFileW(library.c_str(), (folder + L"SH.dll").c_str(), FALSE)) return {};
  return folder;
}

struct LibraryCase {
  const wchar_t* folder;
  bool oldLibrary;
  const wchar_t* message;
};

class MonitorLibrary : public Monitor, public ::testing::WithParamInterface<LibraryCase> {};

TEST_P(MonitorLibrary, RefusesTheIdleWatch) {
  const LibraryCase& c = GetParam();
  const std::wstring folder = Installation(c.folder, c.oldLibrary ? kOldLibrary : L"");
  ASSERT_FALSE(folder.empty());
  TProcess vorda;
  HWND form = StartVorda(vorda, kIdle, {}, folder + L"Vorda.exe");
  ASSERT_NE(form, nullptr);
  HWND box = WaitForMessageBox(vorda.Id(), L"Błąd", kTimeout);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), c.message);
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitUntil([&] { return VisibleChild(form, L"Button", L"Rozpocznij") != nullptr; }, kTimeout));
  EXPECT_TRUE(WaitUntil([&] { return Log().find("Error - InitSH(Idle) failed.") != std::string::npos; }, kTimeout));
}

INSTANTIATE_TEST_SUITE_P(
    Files, MonitorLibrary,
    ::testing::Values(LibraryCase{L"sh-missing", false, L"<E00> Brak pliku: \"SH.dll\"."},
                      LibraryCase{L"sh-old", true, L"<E02> Biblioteka \"SH.dll\" jest stara lub uszkodzona."}));

TEST_F(Monitor, SilenceWatchIsRefusedWithoutAMeter) {
  TProcess vorda;
  HWND form = StartVorda(vorda, kSilence);
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(WaitUntil(
      [&] { return Log().find("Error - Init sillent detection failed: ") != std::string::npos; }, kTimeout));
  EXPECT_NE(VisibleChild(form, L"Button", L"Rozpocznij"), nullptr);
  EXPECT_EQ(VisibleChild(form, L"TSuperLabel"), nullptr);
}

}  // namespace
}  // namespace vorda::test

namespace vorda::test {
namespace {

// Counts the reports that reach a window of the test.
LONG g_reports = 0;
LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == 0x0401 || msg == 0x0402) ++g_reports;
  return ::DefWindowProcW(hwnd, msg, wp, lp);
}

void PumpFor(std::chrono::milliseconds time) {
  WaitUntil([] {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    return false;
  }, time);
}

TEST_F(Monitor, ForeignWritesToTheSharedBlockReachNoOtherWindow) {
  ASSERT_TRUE(SetRegDword(HKEY_CURRENT_USER, kKey, L"Time4", 5));
  TWatched notepad;
  ASSERT_TRUE(notepad.Start(L"C:\\windows\\notepad.exe"));
  const std::wstring title = WindowText(notepad.window);
  TProcess vorda;
  HWND form = StartVorda(vorda, kProgram, title);
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return VisibleChild(form, L"Static", title) != nullptr; }, kTimeout));

  WNDCLASSW wc{};
  wc.lpfnWndProc = CountingProc;
  wc.lpszClassName = L"VordaTestReports";
  ::RegisterClassW(&wc);
  HWND stranger = ::CreateWindowExW(0, wc.lpszClassName, L"stranger", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr,
                                    nullptr, nullptr, nullptr);
  ASSERT_NE(stranger, nullptr);

  // The block of the library next to the program, written as any process could.
  std::wstring name = kVorda.substr(0, kVorda.find_last_of(L"\\/") + 1) + L"SH.dll";
  for (wchar_t& ch : name)
    if (ch == L'\\') ch = L'/';
  name = Upper(name);
  win::UniqueKernelHandle block{::OpenFileMappingW(FILE_MAP_WRITE, FALSE, name.c_str())};
  ASSERT_TRUE(block) << "no block " << Narrow(name);
  auto* fields = static_cast<volatile std::int32_t*>(::MapViewOfFile(block.Get(), FILE_MAP_WRITE, 0, 0, 12));
  ASSERT_NE(fields, nullptr);
  const std::int32_t saved[3] = {fields[0], fields[1], fields[2]};
  fields[0] = 0x1234;  // a hook handle that is none
  fields[1] = static_cast<std::int32_t>(reinterpret_cast<LONG_PTR>(stranger));
  fields[2] = 2;

  g_reports = 0;
  CloseOwnWindow(L"closed while the block points elsewhere");
  PumpFor(1s);
  EXPECT_EQ(g_reports, 0);
  EXPECT_TRUE(vorda.Running());

  // Put back, the watch goes on as before.
  for (int i = 0; i < 3; ++i) fields[i] = saved[i];
  ::UnmapViewOfFile(const_cast<std::int32_t*>(fields));
  const TClosing t = CloseAndTime(form, notepad.window);
  EXPECT_GE(t.countdown, 0);
  ::DestroyWindow(stranger);
}

TEST_F(Monitor, AReloadRequestKeepsTheWatch) {
  ASSERT_TRUE(SetRegDword(HKEY_CURRENT_USER, kKey, L"Time4", 5));
  TWatched notepad;
  ASSERT_TRUE(notepad.Start(L"C:\\windows\\notepad.exe"));
  const std::wstring cls = ClassOf(notepad.window);
  TProcess vorda;
  HWND form = StartVorda(vorda, kProgram, L"KO>>" + cls);
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return VisibleChild(form, L"Static", cls) != nullptr; }, kTimeout));
  ::SendMessageW(form, 0x0403, 1, 0);     // not a reload request: nothing happens
  ::SendMessageW(form, 0x0403, 2115, 0);  // the library is unloaded, loaded and hooked again
  EXPECT_TRUE(vorda.Running());
  const TClosing t = CloseAndTime(form, notepad.window);
  EXPECT_GE(t.countdown, 0);
}

}  // namespace
}  // namespace vorda::test
