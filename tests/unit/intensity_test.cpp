#include "panel/intensity_mode.h"
#include "panel/number_reading.h"
#include "unit/panel_fixture.h"

namespace {

using namespace res;
using ::testing::ElementsAre;
using testing_support::PanelTest;

std::vector<std::string> setCalls(const std::vector<std::string>& calls) {
    std::vector<std::string> sets;
    for (const auto& c : calls)
        if (c.rfind("Set", 0) == 0) sets.push_back(c);
    return sets;
}

// Head #1 irradiance (max 2.5), #2 power (max 1.0), #3 and #4 percent; minimum 10 % each.
class Levels : public testing_support::ConnectedPanelTest {
  protected:
    void enterLevel(int head, const std::string& typed) {
        w->type(IDC_LEVEL_1 + head, typed);
        w->moveFocus(IDC_CONNECT);
    }
};

TEST_F(Levels, ReleasingOneSliderReappliesAllFourAndClampsToTheMinimum) {
    w->dragTrackbar(IDC_SLIDER_1 + 2, 100);  // head #3 to the bottom: 0 %
    EXPECT_EQ(panel.percentLevel[2], 10);
    EXPECT_EQ(w->trackbar(IDC_SLIDER_1 + 2).position, 90);
    EXPECT_EQ(text(IDC_LEVEL_1 + 2), "10%");
    EXPECT_THAT(setCalls(units.calls),
                ElementsAre("SetPercentageLevel", "SetPower", "SetIrradiance"));
    EXPECT_FLOAT_EQ(panel.irradiance[0], 1.25f);  // slider at 50 of 2.5
    EXPECT_FLOAT_EQ(panel.power[1], 0.61f);       // slider at 39 of 1.0
}

TEST_F(Levels, ASliderStepShownWithTwoDecimalsReadsBackAsTheShownValue) {
    w->dragTrackbar(IDC_SLIDER_1, 63);  // value 37 of 2.5 W/cm²
    EXPECT_FLOAT_EQ(panel.irradiance[0], 0.925f);
    EXPECT_EQ(text(IDC_LEVEL_1), "0.93 W/cm²");
    units.clear();
    w->moveFocus(IDC_LEVEL_1 + 1);
    w->moveFocus(IDC_CONNECT);
    EXPECT_FLOAT_EQ(panel.irradiance[0], 0.93f);
    EXPECT_EQ(units.count("SetIrradiance"), 1u);
}

struct Entry {
    int head;
    const char* typed;
    bool accepted;
    const char* shownAfter;
};

TEST_F(Levels, EntriesWithinTheHeadsLimitsAreSentOthersRestored) {
    const Entry entries[] = {
        {2, "75%", false, "75%"},  // unchanged: no call
        {2, "57.9", true, "57%"},
        {2, "100.5", false, "57%"},
        {2, "abc", false, "57%"},  // reads 0, below the minimum
        {2, "9", false, "57%"},
        {2, "  100 %", true, "100%"},
        {0, "0.2", false, "1.25 W/cm²"},  // below 10 % of 2.5
        {0, "0.25", true, "0.25 W/cm²"},
        {0, "2.6", false, "0.25 W/cm²"},
        {0, "2.5 W/cm²", true, "2.50 W/cm²"},
        {1, "1.001", false, "0.600 W"},
        {1, "0.1", true, "0.100 W"},
    };
    for (const Entry& e : entries) {
        units.clear();
        enterLevel(e.head, e.typed);
        EXPECT_EQ(setCalls(units.calls).size(), e.accepted ? 1u : 0u) << e.typed;
        EXPECT_EQ(text(IDC_LEVEL_1 + e.head), e.shownAfter) << e.typed;
    }
}

TEST_F(Levels, AFocusLossAppliesOnlyTheFirstChangedHead) {
    // Texts typed before one focus loss.
    w->moveFocus(IDC_LEVEL_1 + 1);
    w->setText(IDC_LEVEL_1 + 1, "nonsense");
    w->setText(IDC_LEVEL_1 + 2, "20");
    w->setText(IDC_LEVEL_1 + 3, "30");
    w->moveFocus(IDC_CONNECT);
    EXPECT_EQ(text(IDC_LEVEL_1 + 1), "0.600 W");  // before the change: restored
    EXPECT_EQ(panel.percentLevel[2], 20);
    EXPECT_EQ(panel.percentLevel[3], 40);  // after it: left as typed for the next loss
    EXPECT_EQ(text(IDC_LEVEL_1 + 3), "30");
    EXPECT_EQ(units.count("SetPercentageLevel"), 1u);
}

TEST_F(PanelTest, WithoutAConnectionLevelHandlersBlankAndSendNothing) {
    w->type(IDC_LEVEL_1, "50");
    w->moveFocus(IDC_LEVEL_1 + 1);
    w->click(IDC_HEAD_1 + 1);
    units.clear();
    w->dragTrackbar(IDC_SLIDER_1, 10);
    EXPECT_EQ(text(IDC_LEVEL_1), "");
    EXPECT_FALSE(w->isChecked(IDC_HEAD_1 + 1));
    EXPECT_EQ(panel.selectedHead, -1);
    EXPECT_TRUE(units.calls.empty());
}

TEST(SliderPosition, FollowsTheShareOfTheMaximumAndNeverDividesByZero) {
    EXPECT_EQ(panel::sliderPosition(1.25f, 2.5f), 50);
    EXPECT_EQ(panel::sliderPosition(0.925f, 2.5f), 62);  // 0.925f is a hair above 37 %
    EXPECT_EQ(panel::sliderPosition(1.0f, 0.0f), 100);
    EXPECT_EQ(panel::sliderPosition(1.0f, std::numeric_limits<float>::quiet_NaN()), 100);
    EXPECT_EQ(panel::sliderPosition(1.0f, std::numeric_limits<float>::infinity()), 100);
    EXPECT_EQ(panel::sliderPosition(5.0f, 2.5f), 0);
}

TEST(IntensityMode, IrradianceBeforePowerBeforePercent) {
    EXPECT_EQ(panel::intensityMode(0x0760), panel::IntensityMode::Irradiance);
    EXPECT_EQ(panel::intensityMode(0x0560), panel::IntensityMode::Power);
    EXPECT_EQ(panel::intensityMode(0x0160), panel::IntensityMode::Percent);
}

TEST(ReadLevel, TakesTheLeadingNumber) {
    EXPECT_FLOAT_EQ(panel::readLevel("  0.93 W/cm²"), 0.93f);
    EXPECT_FLOAT_EQ(panel::readLevel("57%"), 57.0f);
    EXPECT_FLOAT_EQ(panel::readLevel("W 5"), 0.0f);
    EXPECT_FLOAT_EQ(panel::readLevel(""), 0.0f);
    EXPECT_FLOAT_EQ(panel::readLevel("1e1x"), 10.0f);
}

}  // namespace

namespace {

// A level typed and then interrupted by a polling message box is taken as the box opens;
// the tick that showed the box goes on as before.
TEST_F(Levels, ALevelTypedWhenAHeadErrorBoxOpensIsTakenAtThatMoment) {
    w->type(IDC_LEVEL_1 + 2, "45");
    units.event("head-error 0 4 nvm");
    std::size_t setWhileOpen = 0;
    platform.answerNextBox([&](const platform::test::MessageBoxRecord&) {
        setWhileOpen = units.count("SetPercentageLevel");
        return platform::IDOK;
    });
    tick();
    ASSERT_EQ(platform.boxes().size(), 1u);
    EXPECT_EQ(setWhileOpen, 1u);
    EXPECT_EQ(panel.percentLevel[2], 45);
    EXPECT_EQ(text(IDC_LEVEL_1 + 2), "45%");
    EXPECT_EQ(w->focusedControl(), IDC_LEVEL_1 + 2);  // back in the edit after the box
    EXPECT_TRUE(w->timerRunning(app::kPollTimer));
    tick(3);
    EXPECT_EQ(platform.boxes().size(), 1u);
    EXPECT_EQ(units.count("SetPercentageLevel"), 1u);
}

}  // namespace
