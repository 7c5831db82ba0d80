#include "unit/panel_fixture.h"

namespace {

using namespace res;
using ::testing::ElementsAre;
using testing_support::PanelTest;

class Calibration : public PanelTest {
  protected:
    void SetUp() override {
        PanelTest::SetUp();
        connect();
        tick(2);  // the screen number has been read
    }
    std::uint8_t unitScreen() {
        std::uint8_t screen = 0;
        panel.library.GetScreen(panel.deviceIndex, &screen);
        return screen;
    }
};

TEST_F(Calibration, ACalibrationRunsCompletesAndIsReported) {
    units.clear();
    w->click(IDC_CAL_MODE_1 + 2);  // head #3, uncalibrated
    EXPECT_EQ(units.count("PerformCalibration"), 1u);
    EXPECT_FALSE(w->isEnabled(IDC_SLIDER_1 + 2));
    EXPECT_FALSE(w->isChecked(IDC_CAL_MODE_1 + 2));
    EXPECT_EQ(text(IDC_CAL_MODE_1 + 2), "Percent");
    EXPECT_EQ(unitScreen(), 6);

    std::uint64_t closedAt = 0;
    platform.answerNextBox([&](const platform::test::MessageBoxRecord& box) {
        EXPECT_FALSE(w->timerRunning(app::kPollTimer));
        EXPECT_EQ(box.caption, "Calibration Finished");
        EXPECT_EQ(box.text, "Calibration of Head 3 has been Completed");
        closedAt = platform.now();
        return platform::IDOK;
    });
    tick(29);
    EXPECT_TRUE(platform.boxes().empty());
    EXPECT_EQ(panel.calibrating[2], 1);
    tick(2);
    ASSERT_EQ(platform.boxes().size(), 1u);
    EXPECT_EQ(panel.calibrating[2], 0);
    EXPECT_GE(platform.now(), closedAt + 1000);  // the pause after the message
    EXPECT_EQ(unitScreen(), 0);                  // screen 6 sent back as 0
    EXPECT_TRUE(w->isEnabled(IDC_SLIDER_1 + 2));
    EXPECT_TRUE(w->timerRunning(app::kPollTimer));
    tick();
    EXPECT_EQ(text(IDC_CAL_MODE_1 + 2), "Irradiance");
    EXPECT_TRUE(w->isChecked(IDC_CAL_MODE_1 + 2));
    EXPECT_EQ(text(IDC_CAL_HOURS_1 + 2), "500hrs");
}

TEST_F(Calibration, AFailedCalibrationIsReported) {
    units.event("fail-next-calibration 0");
    w->click(IDC_CAL_MODE_1 + 3);
    tick(40);
    ASSERT_EQ(platform.boxes().size(), 1u);
    EXPECT_EQ(platform.boxes()[0].text, "Calibration of Head 4 has Failed");
    EXPECT_EQ(text(IDC_CAL_MODE_1 + 3), "Percent");
    EXPECT_TRUE(w->isEnabled(IDC_SLIDER_1 + 3));
}

TEST_F(Calibration, ACalibratedHeadIsNotRecalibratedButCanBeCleared) {
    units.clear();
    w->click(IDC_CAL_MODE_1);
    EXPECT_EQ(units.count("PerformCalibration"), 0u);
    EXPECT_TRUE(w->isChecked(IDC_CAL_MODE_1));
    EXPECT_EQ(text(IDC_CAL_MODE_1), "Irradiance");

    w->click(IDC_CAL_CLEAR_1);
    EXPECT_EQ(units.count("ClearCalibration"), 1u);
    EXPECT_EQ(text(IDC_CAL_MODE_1), "Irradiance");  // until the unit reports it
    tick();
    EXPECT_EQ(text(IDC_CAL_MODE_1), "Percent");
    EXPECT_EQ(text(IDC_CAL_HOURS_1), "NA");
    EXPECT_EQ(text(IDC_LEVEL_1), "50%");  // the head's level is now in percent
}

TEST_F(Calibration, TheWatchResumesAfterADisconnection) {
    w->click(IDC_CAL_MODE_1 + 2);
    w->click(IDC_CONNECT);
    EXPECT_EQ(panel.calibrating[2], 1);
    connect();
    tick(40);
    ASSERT_EQ(platform.boxes().size(), 1u);
    EXPECT_EQ(platform.boxes()[0].text, "Calibration of Head 3 has been Completed");
}

TEST_F(PanelTest, WithoutAConnectionTheCalibrationGroupSendsNothing) {
    units.clear();
    w->click(IDC_CAL_MODE_1);
    w->click(IDC_CAL_CLEAR_1);
    w->click(IDC_CLEAR_ALARMS);
    EXPECT_TRUE(units.calls.empty());
}

}  // namespace
