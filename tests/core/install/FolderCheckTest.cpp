#include "core/install/FolderCheck.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>

#include "core/install/MessageFill.h"

namespace vorda::install {
namespace {

using enum TInstallMessage;

struct FolderCase {
  const wchar_t* text;
  const wchar_t* folder;  // as put back into the box
  TInstallMessage message;
};

class FolderCheckTest : public testing::TestWithParam<FolderCase> {
 protected:
  std::vector<std::wstring> created;
  TFolderSystem system{[](wchar_t) -> std::int64_t { return 1'000'000; },
                       [this](const std::wstring& folder) {
                         created.push_back(folder);
                         return true;
                       }};
};

TEST_P(FolderCheckTest, NormalisesAndChecksTheShape) {
  const auto& c = GetParam();
  const auto check = CheckInstallFolder(c.text, 1000, system);
  EXPECT_EQ(check.folder, c.folder);
  EXPECT_EQ(check.message, c.message);
  // Only a folder that passes every check is created.
  EXPECT_EQ(created.size(), c.message == imNone ? 1u : 0u);
  if (c.message == imNone) {
    EXPECT_EQ(created.front(), c.folder);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FolderCheckTest,
    testing::Values(FolderCase{L"  D:\\Programy\\Vorda", L"D:\\Programy\\Vorda\\", imNone},
                    FolderCase{L"\tC:\\Program Files\\Marobel\\Vorda\\", L"C:\\Program Files\\Marobel\\Vorda\\", imNone},
                    FolderCase{L"C:\\a", L"C:\\a\\", imNone},
                    FolderCase{L"", L"", imNoFolder},
                    FolderCase{L"   ", L"", imNoFolder},
                    FolderCase{L"C:\\", L"C:\\", imBadFolder},
                    FolderCase{L"C:", L"C:\\", imBadFolder},
                    FolderCase{L"C:abc", L"C:abc\\", imBadFolder},
                    FolderCase{L"\\\\server\\share\\x", L"\\\\server\\share\\x\\", imBadFolder},
                    FolderCase{L"C:\\a\\\\b", L"C:\\a\\\\b\\", imBadFolder},
                    FolderCase{L"C:\\a|b", L"C:\\a|b\\", imBadFolder},
                    FolderCase{L"C:\\a/b", L"C:\\a/b\\", imBadFolder},
                    FolderCase{L"C:\\a*", L"C:\\a*\\", imBadFolder},
                    FolderCase{L"C:\\a?", L"C:\\a?\\", imBadFolder},
                    FolderCase{L"C:\\<a>", L"C:\\<a>\\", imBadFolder},
                    FolderCase{L"C:\\\"a\"", L"C:\\\"a\"\\", imBadFolder},
                    FolderCase{L"Vorda", L"Vorda\\", imBadFolder},
                    FolderCase{L"CC:\\Vorda", L"CC:\\Vorda\\", imBadFolder}));

TEST(FolderSpaceTest, TooLittleFreeSpaceStopsBeforeCreating) {
  bool createCalled = false;
  wchar_t askedDrive = 0;
  const TFolderSystem system{[&](wchar_t drive) -> std::int64_t {
                               askedDrive = drive;
                               return 2047;
                             },
                             [&](const std::wstring&) { return createCalled = true; }};
  const auto check = CheckInstallFolder(L"E:\\Vorda", 2048, system);
  EXPECT_EQ(check.message, imNoSpace);
  EXPECT_EQ(askedDrive, L'E');
  EXPECT_EQ(check.drive, L'E');
  EXPECT_EQ(check.neededBytes, 2048);
  EXPECT_EQ(check.freeBytes, 2047);
  EXPECT_FALSE(createCalled);
  // Exactly enough is enough.
  EXPECT_EQ(CheckInstallFolder(L"E:\\Vorda", 2047, system).message, imNone);
}

TEST(FolderSpaceTest, UnknownFreeSpaceLeavesTheDecisionToTheCreation) {
  const TFolderSystem system{[](wchar_t) -> std::int64_t { return -1; },
                             [](const std::wstring&) { return false; }};
  EXPECT_EQ(CheckInstallFolder(L"Q:\\Vorda", 2048, system).message, imCannotCreate);
}

TEST(FolderSpaceTest, NeededSpaceSumsTheFilesThatExist) {
  const std::array<std::int32_t, 3> sizes{1'500'000, -1, 40'000};
  EXPECT_EQ(NeededSpace(sizes), 1'540'000);
  const std::array<std::int32_t, 3> large{2'000'000'000, 2'000'000'000, 1};
  EXPECT_EQ(NeededSpace(large), 4'000'000'001LL);  // no 32-bit overflow
}

TEST(FolderSpaceTest, NoSpaceMessageWritesKilobytesAndTheDrive) {
  TFolderCheck check;
  check.drive = L'D';
  check.neededBytes = 1536;
  check.freeBytes = 512;
  const auto polish = [](double kb) {
    wchar_t buffer[64];
    std::swprintf(buffer, 64, L"%.2f", kb);
    std::wstring text = buffer;
    text.replace(text.find(L'.'), 1, L",");
    return text;
  };
  EXPECT_EQ(NoSpaceMessage(L"Brak wystarczającej ilości miejsca na dysku. \r\nWymagane miejsce: %fKB, ilość wolnego "
                           L"miejsca na dysku %s: %fKB.",
                           check, polish),
            L"Brak wystarczającej ilości miejsca na dysku. \r\nWymagane miejsce: 1,50KB, ilość wolnego miejsca na "
            L"dysku D: 0,50KB.");
}

struct FillCase {
  const wchar_t* pattern;
  std::vector<std::wstring> texts;
  const wchar_t* expected;
};

class FillPlaceholdersTest : public testing::TestWithParam<FillCase> {};

TEST_P(FillPlaceholdersTest, ReplacesDirectivesInOrder) {
  EXPECT_EQ(FillPlaceholders(GetParam().pattern, GetParam().texts), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FillPlaceholdersTest,
    testing::Values(FillCase{L"Brak pliku \"%s\".", {L"SH.dll"}, L"Brak pliku \"SH.dll\"."},
                    FillCase{L"%fKB %s %.2fKB", {L"1", L"C", L"2"}, L"1KB C 2KB"},
                    FillCase{L"100%% %s", {L"x"}, L"100% x"},
                    FillCase{L"%s and %s", {L"one"}, L"one and "},
                    FillCase{L"50% off", {}, L"50% off"},
                    FillCase{L"end %", {}, L"end %"}));

}  // namespace
}  // namespace vorda::install
