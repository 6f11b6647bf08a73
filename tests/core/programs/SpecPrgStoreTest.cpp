#include "core/programs/SpecPrgStore.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "MemoryRegistry.h"
#include "Upper.h"

namespace vorda::programs {
namespace {

using registry::TRegValue;
using registry::TRootKey;
using testing::ElementsAre;
using testing::IsEmpty;

const std::wstring kKey(kSpecProgramsKey);
const std::wstring kTrue = kKey + L"\\TrueWindows";

class SpecPrgStore : public testing::Test {
 protected:
  void Machine(const std::wstring& path, const std::wstring& name, const std::wstring& text) {
    reg.Put(TRootKey::LocalMachine, path, name, TRegValue::String(text));
  }
  void User(const std::wstring& path, const std::wstring& name, const std::wstring& text) {
    reg.Put(TRootKey::CurrentUser, path, name, TRegValue::String(text));
  }
  std::optional<std::wstring> UserText(const std::wstring& path, const std::wstring& name) {
    const auto v = reg.Get(TRootKey::CurrentUser, path, name);
    return v ? std::optional<std::wstring>(v->text) : std::nullopt;
  }
  TSpecPrgLoadError Load() { return LoadSpecPrograms(reg, table, kUpper); }
  // The built-in shape: a display name and a watched title.
  void Row(const std::wstring& cls, const std::wstring& name, const std::wstring& title) {
    Machine(kKey, cls, name);
    if (!title.empty()) Machine(kTrue, cls, title);
  }

  registry::TMemoryRegistry reg;
  TSpecPrgTable table;
};

TEST_F(SpecPrgStore, WrittenRowsLoadBackUpperCased) {
  ASSERT_TRUE(WriteSpecPrograms(reg, TRootKey::LocalMachine,
                                {{L"PixelTVClass", L"Program do obsługi tunera", L"", L"ActiveMovie Window"},
                                 {L"Other", L"Inny", L"WatchClass", L""}}));
  EXPECT_FALSE(reg.Get(TRootKey::LocalMachine, kTrue, L"PixelTVClass(class)").has_value());
  EXPECT_FALSE(reg.Get(TRootKey::LocalMachine, kTrue, L"Other").has_value());
  ASSERT_EQ(Load(), sleNone);
  ASSERT_EQ(table.size(), 2u);
  // The rows come in the order the registry gives the names; this one sorts them.
  EXPECT_EQ(table[1].szukana_klasa, L"PIXELTVCLASS");
  std::swap(table[0], table[1]);
  EXPECT_EQ(table[0].widoczna_nazwa, L"Program do obsługi tunera");
  EXPECT_EQ(table[0].mon_prg, L"ACTIVEMOVIE WINDOW");
  EXPECT_EQ(table[0].mon_class, L"");
  EXPECT_EQ(table[1].szukana_klasa, L"OTHER");
  EXPECT_EQ(table[1].mon_prg, L"");
  EXPECT_EQ(table[1].mon_class, L"WATCHCLASS");
}

TEST_F(SpecPrgStore, ABrokenTableIsAnInstallationError) {
  EXPECT_EQ(Load(), sleKeyMissing);

  Row(L"IVCAP", L"", L"");
  EXPECT_EQ(Load(), sleEmptyName);
  EXPECT_THAT(table, IsEmpty());

  Row(L"IVCAP", L"Tuner", L"");
  EXPECT_EQ(Load(), sleNoWindow);  // TrueWindows missing altogether

  Row(L"PIXELTVCLASS", L"Tuner", L"ActiveMovie Window");
  EXPECT_EQ(Load(), sleNoWindow);  // IVCAP still has no window to watch
  Machine(kTrue, L"IVCAP(class)", L"Watch");
  EXPECT_EQ(Load(), sleNone);

  reg.Put(TRootKey::LocalMachine, kKey, L"", TRegValue::String(L"Tuner"));  // a default value has no class
  EXPECT_EQ(Load(), sleEmptyName);
}

TEST_F(SpecPrgStore, AnEmptyTableLoads) {
  reg.CreateKey(TRootKey::LocalMachine, kKey);
  EXPECT_EQ(Load(), sleNone);
  EXPECT_THAT(table, IsEmpty());
}

TEST_F(SpecPrgStore, LearnsANewTitleUnderTheNextFreeNumberAndNotTheSameInAnotherCase) {
  Row(L"PIXELTVCLASS", L"Tuner", L"ActiveMovie Window");
  ASSERT_EQ(Load(), sleNone);
  const std::wstring userRow = kKey + L"\\PIXELTVCLASS";

  LearnSpecPrgTitle(reg, table, L"PixelTVClass", L"Kanał 1", kUpper);
  EXPECT_EQ(UserText(kKey, L""), L"0");  // the key is made with its marker
  EXPECT_EQ(UserText(userRow, L"0"), L"Kanał 1");

  User(userRow, L"2", L"Stary");  // a gap: 1 is the next free number
  LearnSpecPrgTitle(reg, table, L"PIXELTVCLASS", L"Kanał 2", kUpper);
  EXPECT_EQ(UserText(userRow, L"1"), L"Kanał 2");

  LearnSpecPrgTitle(reg, table, L"pixeltvclass", L"KANAŁ 2", kUpper);  // another case of a known title
  LearnSpecPrgTitle(reg, table, L"Notepad", L"Notatnik", kUpper);       // not a special program
  EXPECT_FALSE(UserText(userRow, L"3").has_value());
  EXPECT_FALSE(reg.HasKey(TRootKey::CurrentUser, kKey + L"\\NOTEPAD"));
  EXPECT_THAT(table[0].naglowki, ElementsAre(L"Kanał 1", L"Kanał 2"));
}

TEST_F(SpecPrgStore, ATitleThatCannotBeStoredIsStillLearned) {
  Row(L"IVCAP", L"Tuner", L"ActiveMovie Window");
  ASSERT_EQ(Load(), sleNone);
  reg.DenyAccess(TRootKey::CurrentUser, kKey);
  LearnSpecPrgTitle(reg, table, L"IVCAP", L"Okno", kUpper);
  EXPECT_THAT(table[0].naglowki, ElementsAre(L"Okno"));
}

TEST_F(SpecPrgStore, TheUserPartAddsLearnedTitlesUpperCased) {
  Row(L"IVCAP", L"Tuner", L"ActiveMovie Window");
  Row(L"PIXELTVCLASS", L"Tuner", L"ActiveMovie Window");
  ASSERT_EQ(Load(), sleNone);
  User(kKey, L"", L"0");
  User(kKey + L"\\IVCAP", L"0", L"Kanał 1");
  User(kKey + L"\\IVCAP", L"1", L"kanał 1");
  User(kKey + L"\\IVCAP", L"2", L"Radio");
  EXPECT_TRUE(LoadUserSpecPrograms(reg, table, kUpper));
  EXPECT_THAT(table[0].naglowki, ElementsAre(L"KANAŁ 1", L"RADIO"));
  EXPECT_THAT(table[1].naglowki, IsEmpty());
}

TEST_F(SpecPrgStore, AUserKeyWithoutItsMarkerIsDeletedAndRecreatedByTheNextTitle) {
  Row(L"IVCAP", L"Tuner", L"ActiveMovie Window");
  ASSERT_EQ(Load(), sleNone);
  for (const wchar_t* marker : {static_cast<const wchar_t*>(L""), static_cast<const wchar_t*>(nullptr)}) {
    if (marker) User(kKey, L"", marker);
    User(kKey + L"\\IVCAP", L"0", L"Kanał 1");
    EXPECT_TRUE(LoadUserSpecPrograms(reg, table, kUpper));
    EXPECT_FALSE(reg.HasKey(TRootKey::CurrentUser, kKey));
    EXPECT_THAT(table[0].naglowki, IsEmpty());
  }
  LearnSpecPrgTitle(reg, table, L"IVCAP", L"Kanał 2", kUpper);
  EXPECT_EQ(UserText(kKey, L""), L"0");
  EXPECT_EQ(UserText(kKey + L"\\IVCAP", L"0"), L"Kanał 2");
}

TEST_F(SpecPrgStore, NoUserKeyIsFine) {
  EXPECT_TRUE(LoadUserSpecPrograms(reg, table, kUpper));
  EXPECT_FALSE(reg.HasKey(TRootKey::CurrentUser, kKey));
}

TEST_F(SpecPrgStore, WritingIntoAKeyThatRefusesFails) {
  reg.CreateKey(TRootKey::LocalMachine, kKey);
  reg.SetReadOnly(TRootKey::LocalMachine, kKey);
  EXPECT_FALSE(WriteSpecPrograms(reg, TRootKey::LocalMachine, {{L"A", L"B", L"", L"C"}}));
}

}  // namespace
}  // namespace vorda::programs
