#pragma once

#include <gtest/gtest.h>

#include "FakeActionSystem.h"
#include "core/actions/FinalActions.h"
#include "core/settings/TeskSettings.h"

namespace vorda::actions::test {

// The final actions over fakes that write every call into one journal.
class ActionsFixture {
 protected:
  TJournal journal;
  TFakeSettingsHost settingsHost;
  settings::TTeskSettings settings{settingsHost};
  TFakePower power{journal};
  TFakePrograms programs{journal};
  TFakeSession session{journal};
  TFakeReporter reporter{journal};
  TFakeHost host{journal};
  TFinalActions actions{settings, TActionApis{power, programs, session, reporter}, host};
};

}  // namespace vorda::actions::test
