#include "core/install/WizardFlow.h"

#include <gtest/gtest.h>

namespace vorda::install {
namespace {

using enum TWizardPage;
using enum TNextStep;

struct NextCase {
  TWizardPage page;
  bool busy;
  bool hasRights;
  const wchar_t* param;
  TNextStep step;
};

class NextStepTest : public testing::TestWithParam<NextCase> {};

TEST_P(NextStepTest, StepOfThePage) {
  const auto& c = GetParam();
  EXPECT_EQ(NextStep({c.page, c.busy, c.hasRights, c.param}), c.step);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, NextStepTest,
    testing::Values(NextCase{wpWelcome, false, true, L"setup", nsShowFolderPage},
                    NextCase{wpWelcome, false, true, L"setup_admin", nsShowFolderPage},
                    NextCase{wpWelcome, false, true, L"/uninstall", nsRunUninstall},
                    NextCase{wpWelcome, false, true, L"/uninstall_admin", nsRunUninstall},
                    NextCase{wpWelcome, false, false, L"setup", nsRestartElevated},
                    NextCase{wpWelcome, false, false, L"/uninstall", nsRestartElevated},
                    NextCase{wpWelcome, false, false, L"setup_admin", nsNoRights},
                    NextCase{wpWelcome, false, false, L"/uninstall_admin", nsNoRights},
                    NextCase{wpFolder, false, true, L"setup", nsCheckFolder},
                    NextCase{wpProgress, false, true, L"setup", nsNothing},
                    NextCase{wpEnd, false, true, L"/uninstall", nsClose},
                    // A second click while a step runs is ignored.
                    NextCase{wpWelcome, true, true, L"setup", nsNothing},
                    NextCase{wpFolder, true, true, L"setup", nsNothing},
                    NextCase{wpEnd, true, true, L"setup", nsNothing}));

TEST(WizardFlowTest, ElevatedCopyGetsTheSuffix) {
  EXPECT_EQ(ElevatedParam(L"setup"), L"setup_admin");
  EXPECT_EQ(ElevatedParam(L"/uninstall"), L"/uninstall_admin");
  EXPECT_TRUE(IsElevatedParam(ElevatedParam(L"setup")));
  EXPECT_FALSE(IsUninstallerParam(L"setup_admin"));
  EXPECT_TRUE(IsUninstallerParam(L"/uninstall_admin"));
}

struct RightCase {
  bool nt;
  unsigned major;
  bool elevated, admin, right;
};

class InstallRightTest : public testing::TestWithParam<RightCase> {};

TEST_P(InstallRightTest, ByFamilyAndVersion) {
  const auto& c = GetParam();
  EXPECT_EQ(HasInstallRight(c.nt, c.major, c.elevated, c.admin), c.right);
}

INSTANTIATE_TEST_SUITE_P(Systems, InstallRightTest,
                         testing::Values(RightCase{false, 4, false, false, true},
                                         RightCase{true, 5, false, true, true},
                                         RightCase{true, 5, false, false, false},
                                         RightCase{true, 6, false, true, false},  // an administrator not elevated
                                         RightCase{true, 6, true, false, true},
                                         RightCase{true, 10, true, true, true}));

TEST(WizardFlowTest, ClosingRules) {
  EXPECT_FALSE(CloseAsksFirst(wpWelcome));
  EXPECT_TRUE(CloseAsksFirst(wpFolder));
  EXPECT_FALSE(CloseAsksFirst(wpEnd));
  EXPECT_TRUE(CanCloseWizard(wpWelcome));
  EXPECT_TRUE(CanCloseWizard(wpFolder));
  EXPECT_FALSE(CanCloseWizard(wpProgress));
  EXPECT_TRUE(CanCloseWizard(wpEnd));
}

}  // namespace
}  // namespace vorda::install
