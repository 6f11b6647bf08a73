#include "win/system/Version.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <clocale>
#include <string>

#include "TestSupport.h"
#include "win/app/Application.h"

namespace vorda::win {
namespace {

// The fixture programs are built next to the test executable.
std::wstring Fixture(const wchar_t* name) { return ExeFolder() + name; }

const std::wstring kBeta = Fixture(L"VersionedBeta.exe");
const std::wstring kRelease = Fixture(L"VersionedRelease.exe");
const std::wstring kUnversioned = Fixture(L"Unversioned.exe");

struct VersionTextCase {
  const std::wstring* file;
  bool full;
  bool withPrivateBuild;
  const wchar_t* text;
};

class VersionTextTest : public ::testing::TestWithParam<VersionTextCase> {};

TEST_P(VersionTextTest, ReadsTheFixedPartAndThePrivateBuild) {
  const VersionTextCase& c = GetParam();
  EXPECT_EQ(GetFileVersionText(*c.file, c.full, c.withPrivateBuild), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, VersionTextTest,
    ::testing::Values(VersionTextCase{&kBeta, true, false, L"2.52.3.43"},
                      VersionTextCase{&kBeta, false, false, L"2.52"},
                      VersionTextCase{&kBeta, true, true, L"2.52.3.43 (wersja próbna)"},
                      VersionTextCase{&kBeta, false, true, L"2.52 (wersja próbna)"},
                      // An empty private build adds no parentheses.
                      VersionTextCase{&kRelease, true, true, L"1.5.0.7"},
                      VersionTextCase{&kRelease, false, false, L"1.5"},
                      VersionTextCase{&kUnversioned, true, true, L""}));

TEST(GetFileVersionText, FileWithoutResourceOrMissing) {
  test::TestFolder folder(L"vorda-version");
  EXPECT_EQ(GetFileVersionText(folder.Write(L"plain.txt", "no resource"), true, true), L"");
  EXPECT_EQ(GetFileVersionText(folder.Path() + L"missing.exe", true, true), L"");
}

TEST(GetVersionString, StringOfTheFirstTranslation) {
  EXPECT_EQ(GetVersionString(kBeta, L"PrivateBuild"), L"wersja próbna");
  EXPECT_EQ(GetVersionString(kBeta, L"FileVersion"), L"2.52.3.43");
  // Only the English table has this key, and that table is not the first translation.
  EXPECT_EQ(GetVersionString(kBeta, L"Comments"), L"");
  EXPECT_EQ(GetVersionString(kRelease, L"PrivateBuild"), L"");
  EXPECT_EQ(GetVersionString(kUnversioned, L"FileVersion"), L"");
}

TEST(GetFileVersionNumber, MajorDotMinor) {
  EXPECT_DOUBLE_EQ(GetFileVersionNumber(kBeta), 2.52);
  EXPECT_DOUBLE_EQ(GetFileVersionNumber(kRelease), 1.5);
  EXPECT_EQ(GetFileVersionNumber(kUnversioned), -1);
  EXPECT_EQ(GetFileVersionNumber(Fixture(L"missing.exe")), -1);
}

// Polish formatting writes numbers with a decimal comma.
class DecimalCommaLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    oldThreadLocale_ = ::GetThreadLocale();
    const char* old = std::setlocale(LC_ALL, nullptr);
    oldCrtLocale_ = old ? old : "C";
    ::SetThreadLocale(MAKELCID(MAKELANGID(LANG_POLISH, SUBLANG_DEFAULT), SORT_DEFAULT));
    if (!std::setlocale(LC_ALL, "Polish_Poland.1250") && !std::setlocale(LC_ALL, "pl-PL")) {
      GTEST_SKIP() << "no Polish locale";
    }
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  }
  void TearDown() override {
    std::setlocale(LC_ALL, oldCrtLocale_.c_str());
    ::SetThreadLocale(oldThreadLocale_);
  }

  LCID oldThreadLocale_ = 0;
  std::string oldCrtLocale_;
};

TEST_F(DecimalCommaLocale, VersionNumberStillReadsThePoint) {
  EXPECT_DOUBLE_EQ(GetFileVersionNumber(kBeta), 2.52);
  EXPECT_EQ(GetFileVersionNumber(kUnversioned), -1);
  // The locale is left as it was found.
  EXPECT_STREQ(std::localeconv()->decimal_point, ",");
}

}  // namespace
}  // namespace vorda::win
