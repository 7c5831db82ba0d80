#include "panel/number_reading.h"
#include "unit/panel_fixture.h"

namespace {

using namespace res;
using ::testing::ElementsAre;
using testing_support::PanelTest;

TEST(ReadTenths, IsExactOnTheDecimalText) {
    struct Case {
        const char* text;
        std::optional<std::uint16_t> tenths;
    };
    const Case cases[] = {
        {"2.3", 23},
        {"0.1", 1},
        {"999.9", 9999},
        {"2.37", 23},
        {"0.7", 7},
        {"5.0s", 50},
        {" 12", 120},
        {"1e2", 1000},
        {"0.99999", 9},
        {"+3.5", 35},
        {"1000", {}},
        {"7000", {}},
        {"0", {}},
        {"0.05", {}},
        {"-1", {}},
        {"-0.05", {}},
        {"", {}},
        {"abc", {}},
        {"s5", {}},
        {"1e999999999999", {}},
        {"99999999999999999999999999", {}},
        {"1e-999999", {}},
        {"0x10", 160},
        {"inf", {}},
        {"nan", {}},
        {"999.95", 9999},
        {"0000000000000000001.5", 15},
    };
    for (const Case& c : cases)
        EXPECT_EQ(panel::readTenths(c.text), c.tenths) << '"' << c.text << '"';
}

using Exposures = testing_support::ConnectedPanelTest;

TEST_F(Exposures, OneFocusLossSendsEveryValidNewTimeAndRestoresTheRest) {
    w->click(IDC_ON_OFF_1);  // head #1 lit: its edit is not an entry
    tick();
    w->type(IDC_EXPOSURE_1 + 1, "2.3");
    w->type(IDC_EXPOSURE_1 + 2, "1000");
    w->type(IDC_EXPOSURE_1 + 3, "0.1");
    units.clear();
    w->moveFocus(IDC_CONNECT);
    EXPECT_EQ(units.count("SetExposureTimes"), 1u);
    EXPECT_EQ(panel.exposureTime[0], 50);
    EXPECT_EQ(panel.exposureTime[1], 23);
    EXPECT_EQ(panel.exposureTime[2], 25);
    EXPECT_EQ(text(IDC_EXPOSURE_1 + 2), "2.5s");  // restored
    EXPECT_EQ(panel.exposureTime[3], 1);
    EXPECT_EQ(text(IDC_EXPOSURE_1 + 3), "0.1");  // kept as typed

    units.clear();
    w->moveFocus(IDC_EXPOSURE_1 + 1);
    w->moveFocus(IDC_CONNECT);
    EXPECT_EQ(units.count("SetExposureTimes"), 0u);  // nothing new
}

TEST_F(Exposures, CountUpShowsZeroAndCountDownRereadsThePresets) {
    w->click(IDC_COUNT_UP);
    EXPECT_EQ(panel.countMode, 0);
    for (int h = 0; h < kHeads; ++h) EXPECT_EQ(text(IDC_EXPOSURE_1 + h), "0.0s");
    units.clear();
    w->click(IDC_COUNT_DOWN);
    EXPECT_THAT(units.calls, ElementsAre("SetCountMode", "GetExposureTimes"));
    EXPECT_EQ(text(IDC_EXPOSURE_1 + 3), "30.0s");
    tick(2);  // the sub-cycle reads the unit's mode back
    EXPECT_TRUE(w->isChecked(IDC_COUNT_DOWN));
    EXPECT_FALSE(w->isChecked(IDC_COUNT_UP));
}

TEST_F(Exposures, OnOffSendsTheStatesOfAllFourButtons) {
    w->click(IDC_ON_OFF_1);
    w->click(IDC_ON_OFF_1 + 2);
    tick();
    w->click(IDC_ON_OFF_1 + 1);
    EXPECT_EQ(text(IDC_ON_OFF_1 + 1), "On");
    tick();
    const std::uint16_t lit[] = {1, 1, 1, 0};
    for (int h = 0; h < kHeads; ++h) EXPECT_EQ(panel.status.head[h] & 1, lit[h]) << h;
    w->click(IDC_ON_OFF_1);
    tick();
    EXPECT_EQ(panel.status.head[0] & 1, 0);
    EXPECT_EQ(panel.status.head[1] & 1, 1);
}

TEST_F(PanelTest, WithoutAConnectionExposureControlsResetAndSendNothing) {
    units.clear();
    w->click(IDC_ON_OFF_1 + 1);
    w->click(IDC_COUNT_DOWN);
    w->type(IDC_EXPOSURE_1, "5");
    w->moveFocus(IDC_CONNECT);
    EXPECT_FALSE(w->isChecked(IDC_ON_OFF_1 + 1));
    EXPECT_EQ(text(IDC_ON_OFF_1 + 1), "Off");
    EXPECT_FALSE(w->isChecked(IDC_COUNT_DOWN));
    EXPECT_EQ(text(IDC_EXPOSURE_1), "");
    EXPECT_TRUE(units.calls.empty());
}

}  // namespace

namespace {

int unknownCountMode(std::uint16_t, std::uint8_t* mode) {
    *mode = 2;
    return 1;
}

class UnknownCountMode : public testing_support::PanelTest {
  protected:
    UnknownCountMode() {
        units.loader.exports["GetCountMode"] = reinterpret_cast<void*>(&unknownCountMode);
    }
};

TEST_F(UnknownCountMode, ChecksNeitherRadioAndShowsThePresets) {
    connect();
    tick(2);  // the sub-cycle reads the mode again
    EXPECT_EQ(panel.countModeChoice, -1);
    EXPECT_FALSE(w->isChecked(res::IDC_COUNT_UP));
    EXPECT_FALSE(w->isChecked(res::IDC_COUNT_DOWN));
    EXPECT_EQ(w->text(res::IDC_EXPOSURE_1), "5.0s");
}

}  // namespace
