// The close-program action against a program of the system: Wine's notepad,
// found by its title, its window class and its executable file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/actions/ProgramCloser.h"
#include "core/settings/TeskSettings.h"
#include "support/Driver.h"
#include "win/actions/WinProgramApi.h"
#include "win/settings/WinSettingsHost.h"

namespace vorda::test {
namespace {

std::wstring NotepadPath() {
  wchar_t folder[MAX_PATH] = {};
  ::GetWindowsDirectoryW(folder, MAX_PATH);
  return std::wstring(folder) + L"\\notepad.exe";
}

std::wstring Lower(std::wstring text) {
  ::CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

enum class TBy { Title, PartOfTitle, Class, Executable };

struct TCloseCase {
  const char* name;
  TBy by;
  bool force;
  bool modified;     // the document has unsaved changes
  bool expectPrompt;  // notepad asks whether to save instead of ending
};

class CloseNotepad : public testing::TestWithParam<TCloseCase> {
 protected:
  void SetUp() override {
    stem_ = L"vorda-close-" + std::to_wstring(::GetCurrentProcessId());
    document_ = MakeTempFolder(stem_) + stem_ + L".txt";
    std::ofstream(std::filesystem::path(document_)) << "Vorda\n";
    ASSERT_TRUE(notepad_.Start(NotepadPath(), L"\"" + document_ + L"\""));
    window_ = notepad_.WaitForWindow(L"Notepad", 30s);
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(window_).find(stem_) != std::wstring::npos; }, 10s));
    title_ = WindowText(window_);
  }

  std::wstring CloseApp(TBy by) const {
    switch (by) {
      case TBy::Title: return title_;
      case TBy::PartOfTitle: return Lower(stem_);
      case TBy::Class: return L"KO>>notepad";
      case TBy::Executable: return Lower(NotepadPath());
    }
    return {};
  }

  void Modify() {
    HWND edit = FindChild(window_, L"Edit");
    ASSERT_NE(edit, nullptr);
    ::SendMessageW(edit, WM_CHAR, L'x', 0);
    ASSERT_NE(::SendMessageW(edit, EM_GETMODIFY, 0, 0), 0);
  }

  TProcess notepad_;
  HWND window_ = nullptr;
  std::wstring stem_;
  std::wstring document_;
  std::wstring title_;
};

TEST_P(CloseNotepad, ClosesOrEndsTheProgram) {
  const TCloseCase& c = GetParam();
  if (c.modified) Modify();

  settings::TTeskSettings settings(win::SettingsHost());
  settings.SetCloseApp(CloseApp(c.by));
  settings.SetForce(c.force);
  settings.SetExactProgramName(c.by == TBy::Title);
  win::TWinProgramApi api;
  actions::TProgramCloser closer(settings, api);
  closer.CloseChosenProgram();

  if (c.expectPrompt) {
    // WM_CLOSE reached it: notepad asks about the unsaved document and lives on.
    EXPECT_NE(notepad_.WaitForWindow(L"#32770", 20s), nullptr);
    EXPECT_TRUE(notepad_.Running());
    return;
  }
  const std::optional<DWORD> exitCode = notepad_.WaitForExit(20s);
  ASSERT_TRUE(exitCode.has_value()) << "notepad still runs";
  if (c.force) {
    EXPECT_EQ(*exitCode, 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Notepad, CloseNotepad,
    testing::Values(TCloseCase{"WholeTitleClosesIt", TBy::Title, false, false, false},
                    TCloseCase{"WholeTitleForcedEndsIt", TBy::Title, true, true, false},
                    TCloseCase{"PartOfTitleForcedEndsIt", TBy::PartOfTitle, true, true, false},
                    TCloseCase{"PartOfTitleAsksAboutChanges", TBy::PartOfTitle, false, true, true},
                    TCloseCase{"ClassClosesIt", TBy::Class, false, false, false},
                    TCloseCase{"ClassForcedEndsIt", TBy::Class, true, true, false},
                    TCloseCase{"ExecutableClosesIt", TBy::Executable, false, false, false},
                    TCloseCase{"ExecutableForcedEndsIt", TBy::Executable, true, true, false},
                    TCloseCase{"ExecutableAsksAboutChanges", TBy::Executable, false, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorda::test
