#pragma once
// The main panel on the test backend, against simulated units that record every call.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/zq_control_panel_dlg.h"
#include "platform/test/test_platform.h"
#include "res/resource.h"
#include "unit/recording_library.h"

namespace testing_support {

class PanelTest : public ::testing::Test {
  protected:
    explicit PanelTest(const char* scenario = nullptr) : units(scenario) {}
    void SetUp() override {
        units.follow(platform);
        platform.create(panel);
        w = platform.windowOf(panel);
        ASSERT_NE(w, nullptr);
    }

    void connect(int entry = 0) {
        w->selectCombo(res::IDC_UNIT_LIST, entry);
        w->click(res::IDC_CONNECT);
    }
    void tick(int n = 1) { platform.advance(100ull * n); }
    std::string text(int id) const { return w->text(id); }
    // What the next tick calls, in order.
    std::vector<std::string> callsOfNextTick() {
        units.clear();
        tick();
        return units.calls;
    }

    RecordingLibrary units;
    platform::test::TestPlatform platform{units.loader};
    app::CZQControlPanelDlg panel{platform};
    platform::test::TestWindow* w = nullptr;
};

// Connected to the first unit, one tick done, the calls so far forgotten.
class ConnectedPanelTest : public PanelTest {
  protected:
    using PanelTest::PanelTest;
    void SetUp() override {
        PanelTest::SetUp();
        connect();
        tick();
        units.clear();
    }
};

}  // namespace testing_support
