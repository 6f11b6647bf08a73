#include "core/settings/CommandCaption.h"

#include <gtest/gtest.h>

namespace vorda::settings {
namespace {

TEST(CommandCaption, AddsTheColonAndDropsTheFirstAccelerator) {
  EXPECT_EQ(CommandCaption(L"&Wyłącz komputer", tcmdShutdownComputer), L"Wyłącz komputer:");
  EXPECT_EQ(CommandCaption(L"Zamknij wybrany &program:", tcmdCloseProgram), L"Zamknij wybrany program:");
  EXPECT_EQ(CommandCaption(L"Wyłącz monitor", tcmdTurnOffMonitor), L"Wyłącz monitor:");
  EXPECT_EQ(CommandCaption(L"A && B", tcmdSuspend), L"A & B:");
  EXPECT_EQ(CommandCaption(L"", tcmdRestartComputer), L":");
}

}  // namespace
}  // namespace vorda::settings
