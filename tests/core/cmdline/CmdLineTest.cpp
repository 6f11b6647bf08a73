#include "core/cmdline/CmdLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorda::cmdline {
namespace {

std::vector<std::wstring> Tokens(std::wstring_view line) {
  std::vector<std::wstring> out;
  for (int i = 0;; ++i) {
    std::wstring t = ParamAt(line, i);
    if (t.empty()) break;
    out.push_back(t);
  }
  return out;
}

struct TokenCase {
  const wchar_t* line;
  std::vector<std::wstring> tokens;
};

class TokenizerTest : public testing::TestWithParam<TokenCase> {};

TEST_P(TokenizerTest, SplitsAsTheProgramReadsIt) {
  EXPECT_EQ(Tokens(GetParam().line), GetParam().tokens);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TokenizerTest,
    testing::Values(
        TokenCase{L"vorda.exe", {L"vorda.exe"}},
        TokenCase{L"", {}},
        TokenCase{L"   \t ", {}},
        TokenCase{L"\"c:\\program files\\vorda\\vorda.exe\" 1 -m 5",
                  {L"c:\\program files\\vorda\\vorda.exe", L"1", L"-m", L"5"}},
        // Blanks between tokens, control characters at a token's start.
        TokenCase{L"a    b\t\tc", {L"a", L"b\t\tc"}},
        TokenCase{L"a \x01\x02" L"b", {L"a", L"b"}},
        // A quote opens a quoted part in the middle of a token.
        TokenCase{L"x name=\"a b\" c", {L"x", L"name=a b", L"c"}},
        // Doubled quotes inside a quoted part give one quote each.
        TokenCase{L"x \"a \"\"b\"\" c\" d", {L"x", L"a \"b\" c", L"d"}},
        // Doubled quotes outside a quoted part.
        TokenCase{L"x a\"\"b", {L"x", L"a\"b"}},
        // The closing quote ends the token even without a blank after it.
        TokenCase{L"x \"a b\"c", {L"x", L"a b", L"c"}},
        // An unterminated quoted part runs to the end.
        TokenCase{L"x \"a b", {L"x", L"a b"}},
        // A trailing blank is not part of the last token.
        TokenCase{L"x y ", {L"x", L"y"}},
        // A lone quote at the very end yields an empty token.
        TokenCase{L"x \"", {L"x"}},
        TokenCase{L"x ab\"", {L"x", L"ab"}}));

TEST(CmdLine, PositionPastTheEndIsEmpty) {
  EXPECT_EQ(ParamAt(L"vorda.exe 1", 2), L"");
  EXPECT_EQ(ParamAt(L"vorda.exe 1", 50), L"");
  EXPECT_EQ(ParamAt(L"vorda.exe \"", 1), L"");
}

TEST(CmdLine, CountStopsAtTheFirstEmptyToken) {
  EXPECT_EQ(ParamCount(L"vorda.exe"), 0);
  EXPECT_EQ(ParamCount(L"vorda.exe 1 -h 2"), 3);
  EXPECT_EQ(ParamCount(L"vorda.exe x \""), 1);
}

struct InstanceCase {
  const wchar_t* line;
  int instance;
};

class InstanceNumberTest : public testing::TestWithParam<InstanceCase> {};

TEST_P(InstanceNumberTest, FollowsTheInstallerAndInstanceRules) {
  EXPECT_EQ(InstanceNumberOf(GetParam().line), GetParam().instance) << GetParam().line;
}

// The command line is already lower-cased when these rules read it.
INSTANTIATE_TEST_SUITE_P(
    Cases, InstanceNumberTest,
    testing::Values(InstanceCase{L"vorda.exe", 1},
                    InstanceCase{L"vorda.exe setup", 0},
                    InstanceCase{L"vorda.exe setup_admin", 0},
                    InstanceCase{L"vorda.exe /uninstall", 0},
                    InstanceCase{L"vorda.exe xuninst", 0},
                    InstanceCase{L"vorda.exe setupx", 1},
                    InstanceCase{L"vorda.exe setup x", 1},
                    InstanceCase{L"vorda.exe instance2", 2},
                    InstanceCase{L"vorda.exe instance02", 2},
                    InstanceCase{L"vorda.exe instance0", 1},
                    InstanceCase{L"vorda.exe instance12 instance3", 3},
                    InstanceCase{L"vorda.exe instancex", 1},
                    InstanceCase{L"vorda.exe instance", 1},
                    // A tail that is not a number keeps what came before.
                    InstanceCase{L"vorda.exe instance4 instance5x", 4},
                    InstanceCase{L"vorda.exe instance4 instance99999999999", 4},
                    // "instance" anywhere turns the installer rule off.
                    InstanceCase{L"vorda.exe setup instance3", 3},
                    InstanceCase{L"c:\\instance\\vorda.exe setup", 1},
                    InstanceCase{L"vorda.exe 1 -m 5 instance7", 7}));

}  // namespace
}  // namespace vorda::cmdline
