#include "core/advanced/Placement.h"

#include <gtest/gtest.h>

namespace vorda::advanced {
namespace {

struct TPlacementCase {
  const char* name;
  TFrame owner;
  TPoint expected;
};

class DialogPlacementTest : public testing::TestWithParam<TPlacementCase> {};

// A 612 x 318 dialog on a 1024 x 768 screen.
TEST_P(DialogPlacementTest, CentredUnderTheCaptionAndOnScreen) {
  const auto& c = GetParam();
  EXPECT_EQ(DialogPlacement(c.owner, 612, 318, 1024, 768), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Owners, DialogPlacementTest,
    testing::Values(TPlacementCase{"middle", {300, 200, 345, 286, 339, 257}, {166, 229}},
                    TPlacementCase{"odd_halves", {301, 200, 347, 286, 339, 257}, {168, 229}},
                    TPlacementCase{"left_edge", {0, 0, 345, 286, 339, 257}, {0, 29}},
                    TPlacementCase{"right_edge", {900, 100, 345, 286, 339, 257}, {1024 - 612, 129}},
                    TPlacementCase{"bottom_edge", {300, 600, 345, 286, 339, 257}, {166, 450}},
                    TPlacementCase{"off_top_left", {-500, -300, 345, 286, 339, 257}, {0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DialogPlacement, LargerThanTheScreenStartsAtZero) {
  EXPECT_EQ(DialogPlacement({100, 100, 345, 286, 339, 257}, 2000, 1000, 1024, 768), (TPoint{0, 0}));
}

TEST(MenuPoint, ButtonCornerBehindTheFrame) {
  // A frame of 3 pixels at each side and a caption of 26.
  EXPECT_EQ(MenuPoint({100, 50, 345, 286, 339, 257}, 8, 8), (TPoint{100 + 6 + 8, 50 + 29 + 8}));
  EXPECT_EQ(MenuPoint({-10, 0, 339, 257, 339, 257}, 0, 0), (TPoint{-10, 0}));
}

}  // namespace
}  // namespace vorda::advanced
