#include "unit/panel_fixture.h"

namespace {

using namespace res;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing_support::PanelTest;

std::vector<std::string> texts(const std::vector<platform::test::MessageBoxRecord>& boxes) {
    std::vector<std::string> t;
    for (const auto& b : boxes) t.push_back(b.caption + ": " + b.text);
    return t;
}

class Polling : public PanelTest {
  protected:
    void SetUp() override {
        PanelTest::SetUp();
        connect();
    }
    // Answers every box, checking that no tick can run while it is open.
    void answerBoxes(int n) {
        for (int i = 0; i < n; ++i)
            platform.answerNextBox([this](const platform::test::MessageBoxRecord& box) {
                EXPECT_FALSE(w->timerRunning(app::kPollTimer)) << box.text;
                EXPECT_EQ(box.owner, &panel);
                return platform::IDOK;
            });
    }
};

TEST_F(Polling, EachRisingErrorBitGivesOneMessageInOrderWithTheTimerStopped) {
    tick();
    units.event("head-error 0 3 open-circuit");
    units.event("head-error 0 3 short-circuit");
    answerBoxes(2);
    tick();
    EXPECT_THAT(texts(platform.boxes()),
                ElementsAre("Head Error: Short Circuit Error Occured on Head #3",
                            "Head Error: Open Circuit Error Occured on Head #3"));
    EXPECT_TRUE(w->timerRunning(app::kPollTimer));
    tick(20);
    EXPECT_EQ(platform.boxes().size(), 2u);  // a bit that stays set is not reported again

    w->click(IDC_CLEAR_ALARMS);
    tick();
    units.event("head-error 0 1 over-temperature-2");
    units.event("head-error 0 1 over-temperature");
    units.event("head-error 0 2 nvm");
    answerBoxes(3);
    tick();
    EXPECT_THAT(texts(platform.boxes()),
                ElementsAre("Head Error: Short Circuit Error Occured on Head #3",
                            "Head Error: Open Circuit Error Occured on Head #3",
                            "Head Error: Over Temperature Error Occured on Head #1",
                            "Head Error: Over Temperature Error Occured on Head #1",
                            "Head Error: Head NVM Error Occured on Head #2"));
}

TEST_F(Polling, TheScreenIsSentBackOnlyOnceItHasBeenRead) {
    units.event("head-error 0 1 nvm");
    const auto first = callsOfNextTick();
    EXPECT_EQ(platform.boxes().size(), 1u);
    EXPECT_EQ(std::count(first.begin(), first.end(), "SetScreen"), 0);
    tick();  // reads the screen
    w->click(IDC_CLEAR_ALARMS);
    tick();
    units.event("head-error 0 1 nvm");
    const auto later = callsOfNextTick();
    EXPECT_EQ(platform.boxes().size(), 2u);
    EXPECT_EQ(std::count(later.begin(), later.end(), "SetScreen"), 1);
}

// A unit whose GetScreen fails and writes nothing; every screen sent back is recorded.
class FailingGetScreen : public Polling {
  protected:
    FailingGetScreen() {
        sent().clear();
        units.loader.exports["GetScreen"] =
            reinterpret_cast<void*>(+[](std::uint16_t, std::uint8_t*) { return 0; });
        units.loader.exports["SetScreen"] =
            reinterpret_cast<void*>(+[](std::uint16_t, std::uint8_t screen) {
                sent().push_back(screen);
                return 1;
            });
    }
    static std::vector<int>& sent() {
        static std::vector<int> screens;
        return screens;
    }
};

TEST_F(FailingGetScreen, TheScreenIsSentBackOnceReadWhateverTheReadReturned) {
    tick(2);               // the second tick reads the screen, which fails
    panel.unitScreen = 9;  // what an earlier connection left
    tick(5);               // read again, into a zeroed output
    units.event("head-error 0 1 nvm");
    tick();
    EXPECT_EQ(platform.boxes().size(), 1u);
    EXPECT_EQ(sent(), std::vector<int>{0});
}

TEST_F(Polling, TheFirstTickOfEachConnectionShowsTheDoorStateWhateverItWas) {
    units.event("door-lock 0");
    tick();
    ASSERT_TRUE(w->isVisible(IDC_DOOR_LOCK));
    w->click(IDC_CONNECT);  // DisConnect
    units.event("door-unlock 0");
    connect();
    tick();
    EXPECT_FALSE(w->isVisible(IDC_DOOR_LOCK));
    for (int h = 0; h < kHeads; ++h) {
        EXPECT_FALSE(w->isReadOnly(IDC_LEVEL_1 + h)) << h;
        EXPECT_TRUE(w->isEnabled(IDC_SLIDER_1 + h)) << h;
        EXPECT_TRUE(w->isEnabled(IDC_ON_OFF_1 + h)) << h;
    }
}

TEST_F(Polling, TheLedInfoGroupFollowsTheHeadRadioWithinATick) {
    tick();
    w->click(IDC_HEAD_1 + 2);
    tick();
    EXPECT_EQ(panel.selectedHead, 2);
    EXPECT_EQ(text(IDC_HEAD_STATUS), "Connected");
    EXPECT_EQ(text(IDC_LED_HOURS), "311");
    EXPECT_EQ(text(IDC_WAVELENGTH), "395");
    EXPECT_EQ(text(IDC_MAX_TEMPERATURE), "65");  // head #1's, from the connection
    units.event("temperature 0 3 51");
    tick(10);
    EXPECT_EQ(text(IDC_TEMPERATURE), "51");
    units.event("head-remove 0 3");
    tick();
    EXPECT_EQ(text(IDC_HEAD_STATUS), "DisConnected");
}

class EmptyHeadSlot : public PanelTest {
  protected:
    EmptyHeadSlot() : PanelTest("devices: [{heads: [{present: none}]}]") {}
};

TEST_F(EmptyHeadSlot, ShowsNotPresent) {
    connect();
    tick();
    EXPECT_EQ(text(IDC_HEAD_STATUS), "Not Present");
}

TEST_F(Polling, ALitHeadCountsAndShowsItsPresetAgainWhenTheUnitEndsIt) {
    w->click(IDC_ON_OFF_1 + 1);  // head #2, preset 10.0 s, Count Down
    tick();
    EXPECT_TRUE(w->isChecked(IDC_ON_OFF_1 + 1));
    EXPECT_EQ(text(IDC_ON_OFF_1 + 1), "On");
    EXPECT_TRUE(w->isReadOnly(IDC_EXPOSURE_1 + 1));
    tick(12);
    EXPECT_EQ(text(IDC_EXPOSURE_1 + 1), "8.7s");  // 1.3 s run of 10.0 s
    tick(90);
    EXPECT_FALSE(w->isChecked(IDC_ON_OFF_1 + 1));
    EXPECT_EQ(text(IDC_ON_OFF_1 + 1), "Off");
    EXPECT_EQ(text(IDC_EXPOSURE_1 + 1), "10.0s");
    EXPECT_FALSE(w->isReadOnly(IDC_EXPOSURE_1 + 1));
}

TEST_F(Polling, TheDoorLockShowsAndLocksTheHeadControls) {
    w->click(IDC_ON_OFF_1 + 3);
    tick();
    units.event("door-lock 0");
    tick();
    EXPECT_TRUE(w->isVisible(IDC_DOOR_LOCK));
    EXPECT_EQ(w->font(IDC_DOOR_LOCK), (platform::FontSpec{40, "Arial"}));
    for (int h = 0; h < kHeads; ++h) {
        EXPECT_TRUE(w->isReadOnly(IDC_LEVEL_1 + h));
        EXPECT_TRUE(w->isReadOnly(IDC_EXPOSURE_1 + h));
        EXPECT_FALSE(w->isEnabled(IDC_SLIDER_1 + h));
        EXPECT_FALSE(w->isEnabled(IDC_ON_OFF_1 + h));
    }
    units.event("door-unlock 0");
    tick();
    EXPECT_FALSE(w->isVisible(IDC_DOOR_LOCK));
    for (int h = 0; h < kHeads; ++h) {
        EXPECT_FALSE(w->isReadOnly(IDC_LEVEL_1 + h));
        EXPECT_EQ(w->isReadOnly(IDC_EXPOSURE_1 + h), h == 3);  // head #4 is still lit
        EXPECT_TRUE(w->isEnabled(IDC_SLIDER_1 + h));
        EXPECT_TRUE(w->isEnabled(IDC_ON_OFF_1 + h));
    }
}

TEST_F(Polling, AQuietTickMakesTwoCallsAndChangesNoControl) {
    tick(3);
    const auto changes = w->changeCount();
    EXPECT_THAT(callsOfNextTick(), ElementsAre("DeviceActive", "GetUnitStatus"));
    EXPECT_EQ(w->changeCount(), changes);
}

TEST_F(Polling, SlowerRefreshesAddExactlyTheirCalls) {
    // Ticks after connection: the temperature every 10th, screen and count mode on the
    // sub-cycle's 2nd, 7th, ..., 47th of 51, the calibration group on its 1st.
    w->click(IDC_ON_OFF_1 + 2);
    w->click(IDC_ON_OFF_1 + 3);  // two lit heads: one count read
    std::map<std::string, int> extra;
    for (int t = 1; t <= 52; ++t)
        for (const auto& c : callsOfNextTick()) ++extra[c];
    EXPECT_EQ(extra["DeviceActive"], 52);
    EXPECT_EQ(extra["GetUnitStatus"], 52);
    EXPECT_EQ(extra["GetExposureCount"], 52);  // once a tick, for one lit head or two
    EXPECT_EQ(extra["ReturnTemperatureReading"], 5);
    EXPECT_EQ(extra["GetScreen"], 10);
    EXPECT_EQ(extra["GetCountMode"], 10);
}

}  // namespace
