#include "core/text/Utf8.h"

#include <gtest/gtest.h>

namespace vorda::text {
namespace {

TEST(Utf8, RoundTripsPolishAndAstralText) {
  const std::wstring polish = L"Błąd: zażółć gęślą jaźń";
  EXPECT_EQ(ToUtf8(polish), "B\xC5\x82\xC4\x85" "d: za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 g\xC4\x99\xC5\x9Bl\xC4\x85 ja\xC5\xBA\xC5\x84");
  EXPECT_EQ(FromUtf8(ToUtf8(polish)), polish);
  const std::string emoji = "\xF0\x9F\x98\x80";
  EXPECT_EQ(ToUtf8(FromUtf8(emoji)), emoji);
}

TEST(Utf8, MalformedInputBecomesReplacementCharacters) {
  EXPECT_EQ(FromUtf8("a\xFF" "b"), L"a\xFFFD" L"b");
  EXPECT_EQ(FromUtf8("a\xC5"), L"a\xFFFD");              // truncated sequence
  EXPECT_EQ(FromUtf8("\xC0\x80"), L"\xFFFD");            // overlong NUL
  EXPECT_EQ(FromUtf8("\xED\xA0\x80"), L"\xFFFD");        // encoded surrogate
}

}  // namespace
}  // namespace vorda::text
