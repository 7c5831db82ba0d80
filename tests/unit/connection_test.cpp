#include "unit/panel_fixture.h"

namespace {

using namespace res;
using ::testing::ElementsAre;
using testing_support::PanelTest;

class UnitListScan : public PanelTest {
  protected:
    UnitListScan()
        : PanelTest("devices: [{serial: 5001}, {active: false}, {serial: 0}, {serial: 5003}]") {}
};

TEST_F(UnitListScan, ListsPresentUnitsWithASerialInTheOrderFound) {
    EXPECT_THAT(w->comboStrings(IDC_UNIT_LIST), ElementsAre("SN: 5001", "SN: 5003"));
    EXPECT_EQ(w->comboSelection(IDC_UNIT_LIST), 0);
    // The unit with serial 0 is connected to but neither listed nor disconnected.
    EXPECT_THAT(units.calls,
                ElementsAre("GetNumDevicesConnected", "DeviceActive", "SendConnect",
                            "GetUnitSerialNumber", "SendDisConnect", "DeviceActive", "DeviceActive",
                            "SendConnect", "GetUnitSerialNumber", "DeviceActive", "SendConnect",
                            "GetUnitSerialNumber", "SendDisConnect"));
    EXPECT_EQ(panel.slotDevice[1], 3);
    connect(1);
    EXPECT_EQ(panel.connected, 1);
    EXPECT_EQ(panel.deviceIndex, 3);
}

class SixteenUnits : public PanelTest {
  protected:
    SixteenUnits()
        : PanelTest(
              "devices: [{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {serial: "
              "9999}]") {}
};

TEST_F(SixteenUnits, TheListHoldsFifteen) {
    const auto entries = w->comboStrings(IDC_UNIT_LIST);
    ASSERT_EQ(entries.size(), 15u);
    EXPECT_EQ(entries.back(), "SN: 7015");
}

class EmptyList : public PanelTest {
  protected:
    EmptyList() : PanelTest("devices: [{active: false}]") {}
};

TEST_F(EmptyList, ConnectDoesNothing) {
    units.clear();
    w->click(IDC_CONNECT);
    EXPECT_EQ(panel.connected, 0);
    EXPECT_EQ(text(IDC_CONNECT), "Connect");
    EXPECT_TRUE(units.calls.empty());
}

TEST_F(PanelTest, ConnectShowsTheUnitAndDisconnectBlanksThePanel) {
    connect();
    EXPECT_EQ(text(IDC_CONNECT), "DisConnect");
    EXPECT_FALSE(w->isEnabled(IDC_UNIT_LIST));
    EXPECT_TRUE(w->isChecked(IDC_HEAD_1));
    EXPECT_EQ(text(IDC_LED_HOURS), "1287");
    EXPECT_EQ(text(IDC_WAVELENGTH), "365");
    EXPECT_EQ(text(IDC_MAX_TEMPERATURE), "65");
    EXPECT_EQ(text(IDC_TEMPERATURE), "24");
    EXPECT_TRUE(w->isChecked(IDC_COUNT_DOWN));
    EXPECT_FALSE(w->isChecked(IDC_COUNT_UP));
    EXPECT_EQ(panel.softwareVersion, 101);
    const char* levels[] = {"1.25 W/cm²", "0.600 W", "75%", "40%"};
    const char* presets[] = {"5.0s", "10.0s", "2.5s", "30.0s"};
    const int sliders[] = {50, 39, 25, 60};  // 0.6f of 1.0 is a hair above 60 %
    for (int h = 0; h < kHeads; ++h) {
        EXPECT_EQ(text(IDC_LEVEL_1 + h), levels[h]);
        EXPECT_EQ(text(IDC_EXPOSURE_1 + h), presets[h]);
        EXPECT_EQ(w->trackbar(IDC_SLIDER_1 + h).position, sliders[h]);
    }
    EXPECT_EQ(text(IDC_CAL_MODE_1), "Irradiance");
    EXPECT_TRUE(w->isChecked(IDC_CAL_MODE_1));
    EXPECT_EQ(text(IDC_CAL_HOURS_1), "412hrs");
    EXPECT_EQ(text(IDC_CAL_MAX_1), "2.50 W/cm²");
    EXPECT_EQ(text(IDC_CAL_MODE_1 + 1), "Power");
    EXPECT_EQ(text(IDC_CAL_MAX_1 + 1), "1.000 W");
    EXPECT_EQ(text(IDC_CAL_MODE_1 + 2), "Percent");
    EXPECT_EQ(text(IDC_CAL_HOURS_1 + 2), "NA");
    EXPECT_EQ(text(IDC_CAL_MAX_1 + 2), "");
    EXPECT_EQ(text(IDC_HEAD_STATUS), "");  // the first tick fills it

    tick();
    EXPECT_EQ(text(IDC_HEAD_STATUS), "Connected");

    w->click(IDC_CONNECT);
    EXPECT_EQ(text(IDC_CONNECT), "Connect");
    EXPECT_EQ(panel.connected, 0);
    EXPECT_TRUE(w->isEnabled(IDC_UNIT_LIST));
    for (int id = IDC_HEAD_1; id < IDC_HEAD_1 + kHeads; ++id) EXPECT_FALSE(w->isChecked(id));
    for (int id :
         {IDC_COUNT_UP, IDC_COUNT_DOWN, IDC_LOG_SYSTEM, IDC_LOG_CALIBRATION, IDC_LOG_SETTINGS})
        EXPECT_FALSE(w->isChecked(id));
    for (int id : {IDC_LED_HOURS, IDC_HEAD_STATUS, IDC_WAVELENGTH, IDC_TEMPERATURE,
                   IDC_MAX_TEMPERATURE, IDC_LOG_TEXT})
        EXPECT_EQ(text(id), "") << id;
    for (int h = 0; h < kHeads; ++h) {
        EXPECT_EQ(text(IDC_LEVEL_1 + h), "");
        EXPECT_EQ(text(IDC_EXPOSURE_1 + h), "");
        EXPECT_EQ(text(IDC_CAL_HOURS_1 + h), "");
        EXPECT_EQ(text(IDC_CAL_MAX_1 + h), "");
        EXPECT_EQ(text(IDC_CAL_MODE_1 + h), "Percent");
        EXPECT_FALSE(w->isChecked(IDC_CAL_MODE_1 + h));
    }
    EXPECT_EQ(panel.selectedHead, -1);
    EXPECT_EQ(panel.logFileChoice, -1);
}

TEST_F(PanelTest, ExitDisconnectsFirst) {
    connect();
    ASSERT_EQ(panel.connected, 1);
    units.clear();
    w->click(platform::IDOK);
    EXPECT_TRUE(panel.ended());
    EXPECT_EQ(units.count("SendDisConnect"), 1u) << ::testing::PrintToString(units.calls);
}

TEST_F(PanelTest, AnUnpluggedUnitReturnsThePanelToIdleWithinOneTick) {
    connect();
    tick();
    units.event("unplug 0");
    EXPECT_THAT(callsOfNextTick(), ElementsAre("DeviceActive", "DeviceActive"));
    EXPECT_EQ(panel.connected, 0);
    EXPECT_EQ(text(IDC_CONNECT), "Connect");
    EXPECT_TRUE(platform.boxes().empty());
    EXPECT_TRUE(callsOfNextTick().empty());  // idle ticks do nothing
}

TEST_F(PanelTest, AUnitGoneBeforeConnectIsNotConnected) {
    units.event("unplug 0");
    connect();
    EXPECT_EQ(panel.connected, 0);
    EXPECT_EQ(text(IDC_CONNECT), "Connect");
}

}  // namespace
