#include "core/actions/ProgramCloser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ActionsFixture.h"

namespace vorda::actions::test {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;

constexpr TProcessId kNotepad = 200;
constexpr TProcessId kOtherNotepad = 201;
constexpr TProcessId kEditor = 300;
constexpr TProcessId kOtherVorda = 400;

// A desktop: two notepads, an editor, another instance of the program, the
// program's own windows, and windows that are not application windows.
std::vector<TFakeWindow> Desktop() {
  return {
      {1, L"Vorda", L"TApplication", 100, L"C:\\Program Files\\Vorda\\Vorda.exe", true},
      {2, L"Vorda 2.52", L"TVordaForm", 100, L"C:\\Program Files\\Vorda\\Vorda.exe", true},
      {10, L"notes.txt - Notepad", L"Notepad", kNotepad, L"C:\\Windows\\notepad.exe", true},
      {11, L"Default IME", L"IME", kNotepad, L"C:\\Windows\\notepad.exe", false},
      {12, L"Untitled - Notepad", L"Notepad", kOtherNotepad, L"C:\\WINDOWS\\NOTEPAD.EXE", true},
      {20, L"Notepad Helper", L"EditorFrame", kEditor, L"C:\\Tools\\editor.exe", true},
      {21, L"", L"Notepad", kEditor, L"C:\\Tools\\editor.exe", true},
      {22, L" ", L"Notepad", kEditor, L"C:\\Tools\\editor.exe", true},
      {23, L"Find", L"Notepad", kEditor, L"C:\\Tools\\editor.exe", false},
      {30, L"vorda", L"Notepad", kOtherVorda, L"C:\\Program Files\\Vorda\\Vorda.exe", true},
  };
}

struct TCloseCase {
  const char* name;
  const wchar_t* closeApp;
  bool exactName;
  std::vector<TWindowId> closed;
};

class CloseChosenProgram : public ActionsFixture, public testing::TestWithParam<TCloseCase> {
 protected:
  void SetUp() override {
    programs.windows = Desktop();
    programs.files = {L"C:\\WINDOWS\\NOTEPAD.EXE", L"C:\\PROGRAM FILES\\VORDA\\VORDA.EXE"};
    settings.SetForce(false);
  }
};

std::vector<std::wstring> Posted(const std::vector<TWindowId>& windows) {
  std::vector<std::wstring> calls;
  for (TWindowId window : windows)
    calls.push_back(L"PostWindowMessage(" + std::to_wstring(window) + L",0x10,0x0,0x0)");
  return calls;
}

TEST_P(CloseChosenProgram, ClosesEveryMatchingWindowAndNoneOfItsOwn) {
  const TCloseCase& c = GetParam();
  settings.SetCloseApp(c.closeApp);
  settings.SetExactProgramName(c.exactName);
  actions.Closer().CloseChosenProgram();
  EXPECT_THAT(journal, ElementsAreArray(Posted(c.closed)));
}

INSTANTIATE_TEST_SUITE_P(
    Table, CloseChosenProgram,
    testing::Values(
        TCloseCase{"WholeTitleAnyCase", L"untitled - notepad", true, {12}},
        TCloseCase{"ExactTitleIgnoresParts", L"Notepad", true, {}},
        TCloseCase{"PartOfTitle", L"notepad", false, {10, 12, 20}},
        TCloseCase{"PartOfTitleSkipsHiddenWindows", L"Find", false, {}},
        // Every titled window of the class, whatever the title; never a blank title.
        TCloseCase{"Class", L"KO>>notepad", false, {10, 12}},
        TCloseCase{"ClassIgnoresTheExactSetting", L"KO>>NOTEPAD", true, {10, 12}},
        TCloseCase{"TitleAndClass", L"Untitled - NotepadKO>>Notepad", true, {12}},
        TCloseCase{"PartOfTitleAndClass", L"notesKO>>Notepad", false, {10}},
        TCloseCase{"ClassOfNoWindow", L"KO>>EditorFrameX", false, {}},
        // Every window of the processes started from the file, hidden ones too.
        TCloseCase{"ExecutableAnyCase", L"c:\\windows\\Notepad.exe", true, {10, 11, 12}},
        TCloseCase{"ExecutableBeforeAClass", L"C:\\Windows\\notepad.exeKO>>Other", true, {10, 11, 12}},
        // A file that does not exist is taken for a title.
        TCloseCase{"MissingExecutableIsATitle", L"C:\\Tools\\editor.exe", false, {}},
        TCloseCase{"ExtensionMustBeExe", L"C:\\Windows\\notepad.exe\\x", false, {}},
        // The program never closes itself nor another of its instances.
        TCloseCase{"OwnTitle", L"Vorda", true, {}},
        TCloseCase{"OwnClass", L"KO>>TVordaForm", false, {}},
        TCloseCase{"OwnExecutable", L"C:\\Program Files\\Vorda\\Vorda.exe", false, {30}},
        // A damaged entry with neither title nor class closes nothing.
        TCloseCase{"MarkerAlone", L"KO>>", false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

class CloseProgramRules : public ActionsFixture, public testing::Test {
 protected:
  void SetUp() override { programs.windows = Desktop(); }
};

TEST_F(CloseProgramRules, ForceEndsTheProcessOfEachMatchingWindow) {
  settings.SetForce(true);
  settings.SetCloseApp(L"KO>>Notepad");
  actions.Closer().CloseChosenProgram();
  EXPECT_THAT(journal, ElementsAre(L"TerminateProcess(200,0)", L"TerminateProcess(201,0)"));
}

TEST_F(CloseProgramRules, ForceByExecutableEndsTheProcessOncePerWindow) {
  settings.SetForce(true);
  settings.SetCloseApp(L"C:\\Tools\\editor.exe");
  programs.files = {L"C:\\TOOLS\\EDITOR.EXE"};
  actions.Closer().CloseChosenProgram();
  EXPECT_THAT(journal, ElementsAre(L"TerminateProcess(300,0)", L"TerminateProcess(300,0)", L"TerminateProcess(300,0)",
                                   L"TerminateProcess(300,0)"));
}

TEST_F(CloseProgramRules, AnInvalidPathIsTakenForATitle) {
  settings.SetCloseApp(L"C:\\Tools\\edi*tor.exe");
  programs.files = {L"C:\\TOOLS\\EDI*TOR.EXE"};
  programs.windows.push_back({40, L"Tool", L"Tool", 500, L"C:\\Tools\\edi*tor.exe", true});
  actions.Closer().CloseChosenProgram();
  EXPECT_THAT(journal, IsEmpty());
}

TEST_F(CloseProgramRules, SplitsTheEntryIntoUpperCaseTitleAndClass) {
  settings.SetCloseApp(L"My program KO>>Window class");
  actions.Closer().CloseChosenProgram();
  EXPECT_EQ(actions.Closer().HookProgramName(), L"MY PROGRAM ");
  EXPECT_EQ(actions.Closer().HookWindowClass(), L"WINDOW CLASS");

  settings.SetCloseApp(L"Notepad");
  actions.Closer().CloseChosenProgram();
  EXPECT_EQ(actions.Closer().HookProgramName(), L"NOTEPAD");
  EXPECT_EQ(actions.Closer().HookWindowClass(), L"");
}

TEST_F(CloseProgramRules, CloseWindowOrProcessPostsCloseOrTerminates) {
  actions.Closer().CloseWindowOrProcess(12, false);
  actions.Closer().CloseWindowOrProcess(12, true);
  EXPECT_THAT(journal, ElementsAre(L"PostWindowMessage(12,0x10,0x0,0x0)", L"TerminateProcess(201,0)"));
}

TEST(ExtractFileExt, TakesTheExtensionOfTheFileNameOnly) {
  EXPECT_EQ(ExtractFileExt(L"C:\\A\\B.EXE"), L".EXE");
  EXPECT_EQ(ExtractFileExt(L"C:\\A.DIR\\B"), L"");
  EXPECT_EQ(ExtractFileExt(L"C:B.TAR.EXE"), L".EXE");
  EXPECT_EQ(ExtractFileExt(L"NOTEPAD"), L"");
}

}  // namespace
}  // namespace vorda::actions::test
