// The simulated units through the real built library, entry point by entry point.

#include "tests/sim/sim_library.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <regex>

namespace {

using ::testing::HasSubstr;

class SimulatedUnits : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(sim().reset(nullptr, 1), 1); }
    void start(const char* scenario) {
        ASSERT_EQ(sim().reset(scenario, 1), 1) << sim().lastError();
    }
    void connect(std::uint16_t dev = 0) { ASSERT_EQ(L().SendConnect(dev), 1); }
    std::array<std::uint16_t, 5> status(std::uint16_t dev = 0) {
        std::array<std::uint16_t, 5> w{};
        L().GetUnitStatus(dev, &w[0], &w[1], &w[2], &w[3], &w[4]);
        return w;
    }
    const device::DeviceLibrary& L() { return sim().lib; }

    // Loaded once per test program, on first use.
    static sim_test::SimLibrary& sim() {
        static sim_test::SimLibrary library;
        return library;
    }
};

TEST_F(SimulatedUnits, DefaultUnitsAreTwoOfThreeDeviceIndices) {
    EXPECT_EQ(L().GetNumDevicesConnected(), 3);
    EXPECT_EQ(L().DeviceActive(0), 1);
    EXPECT_EQ(L().DeviceActive(1), 0);
    EXPECT_EQ(L().DeviceActive(2), 1);
    EXPECT_EQ(L().DeviceActive(3), 0);
    std::uint16_t serial = 0;
    EXPECT_EQ(L().GetUnitSerialNumber(0, &serial), 1);
    EXPECT_EQ(serial, 7001);
    EXPECT_EQ(L().GetUnitSerialNumber(2, &serial), 1);
    EXPECT_EQ(serial, 7002);
    EXPECT_EQ(L().SendConnect(1), 0);

    std::uint16_t version = 0xBEEF;
    EXPECT_EQ(L().GetSoftwareVersion(0, &version), 0);  // not connected
    EXPECT_EQ(version, 0xBEEF);
    connect(0);
    connect(2);
    EXPECT_EQ(L().GetSoftwareVersion(0, &version), 1);
    EXPECT_EQ(version, 101);
    EXPECT_EQ(L().GetSoftwareVersion(2, &version), 1);
    EXPECT_EQ(version, 100);
    EXPECT_EQ(L().SendDisConnect(0), 1);
    EXPECT_EQ(L().GetSoftwareVersion(0, &version), 0);
}

TEST_F(SimulatedUnits, StatusWordsCarryPresenceCalibrationAndDoorLock) {
    connect(0);
    connect(2);
    // Head #1 calibrated in irradiance, #2 in power, #3 and #4 uncalibrated; all connected.
    EXPECT_EQ(status(0), (std::array<std::uint16_t, 5>{0x0360, 0x0560, 0x0060, 0x0060, 0}));
    EXPECT_EQ(status(2)[2], 0x0000);  // the second unit's head #3 slot is empty
    ASSERT_EQ(sim().event("door-lock 0"), 1);
    ASSERT_EQ(sim().event("head-remove 0 4"), 1);
    EXPECT_EQ(status(0)[4], 0x0002);
    EXPECT_EQ(status(0)[3], 0x0020);
    ASSERT_EQ(sim().event("head-error 0 3 short-circuit"), 1);
    ASSERT_EQ(sim().event("head-error 0 3 0x0008"), 1);
    EXPECT_EQ(status(0)[2], 0x0060 | 0x0010 | 0x0008);
    L().ClearAlarm(0);
    EXPECT_EQ(status(0)[2], 0x0060);
    EXPECT_EQ(sim().event("head-error 0 5 nvm"), 0);
    EXPECT_EQ(sim().event("door-lock 7"), 0);
}

struct CountCase {
    std::uint8_t mode;
    std::uint16_t afterOneSecond;
};

class ExposureEnds : public SimulatedUnits, public ::testing::WithParamInterface<CountCase> {};

TEST_P(ExposureEnds, ByItselfWhenThePresetHasRun) {
    connect();
    std::uint16_t presets[4] = {20, 100, 100, 100};
    ASSERT_EQ(L().SetExposureTimes(0, presets, 4), 1);
    ASSERT_EQ(L().SetCountMode(0, GetParam().mode), 1);
    std::uint8_t on[4] = {1, 0, 0, 0};
    L().RunExposure(0, on, 4);
    EXPECT_EQ(status()[0] & 1, 1);
    sim().advanceMs(1000);
    std::uint16_t counts[4] = {};
    ASSERT_EQ(L().GetExposureCount(0, counts, 4), 1);
    EXPECT_EQ(counts[0], GetParam().afterOneSecond);
    EXPECT_EQ(status()[0] & 1, 1);
    sim().advanceMs(1000);
    EXPECT_EQ(status()[0] & 1, 0);
    std::uint8_t mode = 9;
    L().GetCountMode(0, &mode);
    EXPECT_EQ(mode, GetParam().mode);
}

INSTANTIATE_TEST_SUITE_P(Modes, ExposureEnds, ::testing::Values(CountCase{0, 10}, CountCase{1, 10}),
                         [](const auto& info) {
                             return info.param.mode ? "CountDown" : "CountUp";
                         });

TEST_F(SimulatedUnits, ALockedDoorRefusesNewExposures) {
    connect();
    std::uint8_t on[4] = {0, 1, 0, 0};
    std::uint8_t both[4] = {1, 1, 0, 0};
    L().RunExposure(0, on, 4);
    EXPECT_EQ(status()[1] & 1, 1);
    sim().event("door-lock 0");
    L().RunExposure(0, both, 4);
    EXPECT_EQ(status()[0] & 1, 0);
    EXPECT_EQ(status()[1] & 1, 1);  // the running one goes on
    sim().event("door-unlock 0");
    L().RunExposure(0, on, 4);
    EXPECT_EQ(status()[1] & 1, 1);
    std::uint8_t off[4] = {};
    L().RunExposure(0, off, 4);
    EXPECT_EQ(status()[1] & 1, 0);
}

TEST_F(SimulatedUnits, LevelsOutsideTheHeadsLimitsAreRefused) {
    connect();
    std::uint16_t percent[4] = {5, 100, 10, 60};  // head #1 below its minimum of 10 %
    EXPECT_EQ(L().SetPercentageLevel(0, percent, 4), 0);
    std::uint16_t read[4] = {};
    L().GetPercentageLevel(0, read, 4);
    EXPECT_NE(read[0], 5);
    EXPECT_EQ(read[1], 100);
    EXPECT_EQ(read[3], 60);

    float max[4] = {};
    L().GetMaxIrradiance(0, max, 4);
    float irradiance[4] = {max[0], max[1] * 0.1f, max[2] / 2, max[3] * 1.5f};
    EXPECT_EQ(L().SetIrradiance(0, irradiance, 4), 0);  // head #4 above its maximum
    float back[4] = {};
    L().GetIrradiance(0, back, 4);
    EXPECT_FLOAT_EQ(back[0], max[0]);
    EXPECT_FLOAT_EQ(back[1], max[1] * 0.1f);
    EXPECT_NE(back[3], irradiance[3]);
    std::uint8_t minimum[4] = {};
    L().GetMinInt(0, minimum, 4);
    EXPECT_EQ(minimum[0], 10);
}

TEST_F(SimulatedUnits, LitHeadsWarmUpAgeAndSwitchOffOverTheirLimit) {
    start("devices: [{heads: [{hours: 10.99, percent: 100, max_temperature: 40}]}]");
    connect();
    std::uint16_t presets[4] = {9999, 9999, 9999, 9999};
    L().SetExposureTimes(0, presets, 4);
    std::uint8_t t[4] = {};
    L().ReturnTemperatureReading(0, &t[0], &t[1], &t[2], &t[3]);
    const std::uint8_t cold = t[0];
    std::uint8_t on[4] = {1, 0, 0, 0};
    L().RunExposure(0, on, 4);
    sim().advanceMs(40000);
    L().ReturnTemperatureReading(0, &t[0], &t[1], &t[2], &t[3]);
    EXPECT_GT(t[0], cold);
    std::uint16_t hours[4] = {};
    L().GetHeadHours(0, &hours[0], &hours[1], &hours[2], &hours[3]);
    EXPECT_EQ(hours[0], 11);
    sim().advanceMs(120000);  // well past 40 °C at full level
    EXPECT_EQ(status()[0] & 0x0005, 0x0004);
    std::uint8_t max[4] = {};
    L().GetMaximumTemperatures(0, &max[0], &max[1], &max[2], &max[3]);
    EXPECT_EQ(max[0], 40);
}

TEST_F(SimulatedUnits, ACalibrationRunsThenCompletes) {
    connect();
    std::uint8_t head3[4] = {0, 0, 1, 0};
    L().PerformCalibration(0, head3, 4);
    std::uint8_t state[6] = {};
    ASSERT_EQ(L().GetCalibration(0, state, 6), 1);
    EXPECT_EQ(state[2], 1);
    std::uint8_t screen = 0;
    L().GetScreen(0, &screen);
    EXPECT_EQ(screen, 6);
    sim().advanceMs(3000);
    L().GetCalibration(0, state, 6);
    EXPECT_EQ(
        (std::array<std::uint8_t, 6>{state[0], state[1], state[2], state[3], state[4], state[5]}),
        (std::array<std::uint8_t, 6>{}));
    EXPECT_EQ(status()[2], 0x0360);  // now calibrated in irradiance
    std::uint16_t hours[4] = {};
    L().GetCalibrationTime(0, &hours[0], &hours[1], &hours[2], &hours[3]);
    EXPECT_EQ(hours[2], 500);

    std::uint8_t head1[4] = {1, 0, 0, 0};
    L().ClearCalibration(0, head1, 4);
    EXPECT_EQ(status()[0], 0x0060);
}

TEST_F(SimulatedUnits, ACalibrationFailsWhenFailureIsInjectedOrTheHeadIsMissing) {
    connect(0);
    connect(2);
    sim().event("fail-next-calibration 0");
    std::uint8_t head4[4] = {0, 0, 0, 1};
    L().PerformCalibration(0, head4, 4);
    std::uint8_t head3[4] = {0, 0, 1, 0};
    L().PerformCalibration(2, head3, 4);
    sim().advanceMs(3000);
    std::uint8_t state[6] = {};
    L().GetCalibration(0, state, 6);
    EXPECT_EQ(state[3], 0);
    EXPECT_EQ(state[4] | state[5], 1);
    EXPECT_EQ(status(0)[3] & 0x0100, 0);
    L().GetCalibration(2, state, 6);
    EXPECT_EQ(state[4] | state[5], 1);
}

TEST_F(SimulatedUnits, FilesAreReadLineByLineWithinTheBuffer) {
    const std::string longLine(400, 'x');
    start(("devices: [{files: {ZQ7SET.CSV: [\"Setting,Value\", \"" + longLine + "\"]}}]").c_str());
    connect();
    EXPECT_EQ(L().ZQOpenFile(0, "NOSUCH.CSV"), 0);
    ASSERT_EQ(L().ZQOpenFile(0, "ZQ7SET.CSV"), 1);
    std::uint32_t lines = 0;
    ASSERT_EQ(L().GetNumLinesInFile(0, &lines), 1);
    EXPECT_EQ(lines, 2u);
    char buffer[256];
    std::memset(buffer, '#', sizeof buffer);
    ASSERT_EQ(L().ReadFileLine(0, buffer, 254, 1), 1);
    EXPECT_EQ(std::strlen(buffer), 253u);
    EXPECT_EQ(buffer[254], '#');
    EXPECT_EQ(L().ReadFileLine(0, buffer, 254, 2), 0);

    ASSERT_EQ(L().ZQOpenFile(0, "ZQ7-LOG.CSV"), 1);
    L().GetNumLinesInFile(0, &lines);
    EXPECT_GT(lines, 2500u);  // a long history, and this session's connection at its end
    ASSERT_EQ(L().ReadFileLine(0, buffer, 254, 0), 1);
    EXPECT_STREQ(buffer, "Date,Time,Event,Head,Detail");
    ASSERT_EQ(L().ReadFileLine(0, buffer, 254, lines - 1), 1);
    EXPECT_THAT(buffer, HasSubstr("PC Connected"));
    EXPECT_TRUE(std::regex_search(buffer, std::regex(R"(^\d{4}-\d{2}-\d{2},\d{2}:\d{2}:\d{2},)")));

    sim().event("card-out 0");
    EXPECT_EQ(L().GetNumLinesInFile(0, &lines), 0);
    EXPECT_EQ(L().ZQOpenFile(0, "ZQ7-LOG.CSV"), 0);
}

TEST_F(SimulatedUnits, RamplineRowsOneToThirtyTwo) {
    connect();
    std::uint8_t head = 0, source = 0, repeat = 0, calibration = 0;
    std::uint16_t time = 0, dwell = 0;
    float level = 0;
    ASSERT_EQ(L().GetRLRow(0, 1, &head, &time, &level, &dwell, &source, &repeat, &calibration), 1);
    EXPECT_EQ(head, 1);
    EXPECT_EQ(time, 50);
    ASSERT_EQ(L().GetRLRow(0, 4, &head, &time, &level, &dwell, &source, &repeat, &calibration), 1);
    EXPECT_EQ(head, 5);  // a Repeat row
    EXPECT_EQ(repeat, 2);
    for (std::uint8_t row : {0, 33, 255})
        EXPECT_EQ(
            L().GetRLRow(0, row, &head, &time, &level, &dwell, &source, &repeat, &calibration), 0);
    EXPECT_EQ(L().SetRLRow(0, 32, 3, 123, 0.5f, 0, 9, 0, 1), 1);
    EXPECT_EQ(L().SetRLRow(0, 31, 3, 123, 0.5f, 0, 10, 0, 1), 0);  // no source 10
    ASSERT_EQ(L().GetRLRow(0, 32, &head, &time, &level, &dwell, &source, &repeat, &calibration), 1);
    EXPECT_EQ(head, 3);
    EXPECT_EQ(time, 123);
    EXPECT_FLOAT_EQ(level, 0.5f);
    EXPECT_EQ(source, 9);
    EXPECT_EQ(calibration, 1);
}

TEST_F(SimulatedUnits, SettingsKeepTheirOldValueWhenASetIsOutOfRange) {
    connect(0);
    connect(2);
    struct Case {
        const char* name;
        std::function<int()> set;
        std::function<long()> get;
        long expected;
    };
    const Case cases[] = {
        {"delay max", [&] { return L().SetPLCDelay(0, 30000); },
         [&] {
             std::int16_t d = 0;
             L().GetPLCDelay(0, &d);
             return long{d};
         },
         30000},
        {"delay over", [&] { return L().SetPLCDelay(0, 30001) ? 1 : 0; },
         [&] {
             std::int16_t d = 0;
             L().GetPLCDelay(0, &d);
             return long{d};
         },
         30000},
        {"delay min", [&] { return L().SetPLCDelay(0, -30000); },
         [&] {
             std::int16_t d = 0;
             L().GetPLCDelay(0, &d);
             return long{d};
         },
         -30000},
        {"logic", [&] { return L().SetPLCLogic(0, 1); },
         [&] {
             std::uint8_t v = 0;
             L().GetPLCLogic(0, &v);
             return long{v};
         },
         1},
        {"logic over", [&] { return L().SetPLCLogic(0, 2) ? 1 : 0; },
         [&] {
             std::uint8_t v = 0;
             L().GetPLCLogic(0, &v);
             return long{v};
         },
         1},
        {"association", [&] { return L().SetHeadAss(0, 4); },
         [&] {
             std::uint8_t v = 0;
             L().GetHeadAss(0, &v);
             return long{v};
         },
         4},
        {"association over", [&] { return L().SetHeadAss(0, 5) ? 1 : 0; },
         [&] {
             std::uint8_t v = 0;
             L().GetHeadAss(0, &v);
             return long{v};
         },
         4},
    };
    const int expectedResult[] = {1, 0, 1, 1, 0, 1, 0};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].set(), expectedResult[i]) << cases[i].name;
        EXPECT_EQ(cases[i].get(), cases[i].expected) << cases[i].name;
    }
    std::uint8_t association = 77;
    EXPECT_EQ(L().SetHeadAss(2, 1), 0);  // software version 100 has none
    EXPECT_EQ(L().GetHeadAss(2, &association), 0);
    EXPECT_EQ(association, 77);
    EXPECT_EQ(L().SaveSettings(0), 1);
}

TEST_F(SimulatedUnits, TheClockReadsAndSetsAsTheSettingsDialogWritesIt) {
    connect();
    char text[30];
    ASSERT_EQ(L().GetRTC(0, text, 30), 1);
    EXPECT_TRUE(std::regex_match(text, std::regex(R"([A-Z][a-z]{2} \d{2}, \d{4} \d{2}:\d{2})")))
        << text;
    const char* set = "Mar 07, 2016 09:05";
    ASSERT_EQ(L().SetRTC(0, set, static_cast<int>(std::strlen(set))), 1);
    L().GetRTC(0, text, 30);
    EXPECT_STREQ(text, "Mar 07, 2016 09:05");
    sim().advanceMs(60000);
    L().GetRTC(0, text, 30);
    EXPECT_STREQ(text, "Mar 07, 2016 09:06");
    for (const char* bad : {"Feb 30, 2016 09:05", "Mar 07 2016 09:05", "", "Xyz 07, 2016 09:05"})
        EXPECT_EQ(L().SetRTC(0, bad, static_cast<int>(std::strlen(bad)) + 1), 0) << bad;
    char unterminated[5] = {'M', 'a', 'r', ' ', '0'};
    EXPECT_EQ(L().SetRTC(0, unterminated, 5), 0);
    char small[5];
    ASSERT_EQ(L().GetRTC(0, small, 5), 1);
    EXPECT_STREQ(small, "Mar ");
}

TEST_F(SimulatedUnits, BadArgumentsAreRefusedWithoutWriting) {
    connect();
    std::uint16_t w16[8];
    std::uint8_t w8[8];
    float wf[8];
    std::uint32_t w32 = 0x5A5A5A5A;
    char text[8];
    std::fill(std::begin(w16), std::end(w16), 0x5A5A);
    std::fill(std::begin(w8), std::end(w8), 0x5A);
    std::fill(std::begin(wf), std::end(wf), 42.0f);
    std::fill(std::begin(text), std::end(text), '#');
    std::uint16_t* n16 = nullptr;
    std::uint8_t* n8 = nullptr;
    const std::pair<const char*, std::function<int()>> calls[] = {
        {"status null",
         [&] { return L().GetUnitStatus(0, &w16[0], &w16[1], n16, &w16[3], &w16[4]); }},
        {"status unknown device",
         [&] { return L().GetUnitStatus(40000, &w16[0], &w16[1], &w16[2], &w16[3], &w16[4]); }},
        {"hours null", [&] { return L().GetHeadHours(0, &w16[0], n16, &w16[2], &w16[3]); }},
        {"temperature null",
         [&] { return L().ReturnTemperatureReading(0, n8, &w8[1], &w8[2], &w8[3]); }},
        {"percent count 3", [&] { return L().GetPercentageLevel(0, w16, 3); }},
        {"percent count 5", [&] { return L().GetPercentageLevel(0, w16, 5); }},
        {"power null", [&] { return L().GetPower(0, nullptr, 4); }},
        {"irradiance count -1", [&] { return L().GetIrradiance(0, wf, -1); }},
        {"set power null", [&] { return L().SetPower(0, nullptr, 4); }},
        {"calibration count 4", [&] { return L().GetCalibration(0, w8, 4); }},
        {"run count 0", [&] { return L().RunExposure(0, w8, 0); }},
        {"min count 6", [&] { return L().GetMinInt(0, w8, 6); }},
        {"serial null", [&] { return L().GetUnitSerialNumber(0, nullptr); }},
        {"serial unknown", [&] { return L().GetUnitSerialNumber(9, &w16[0]); }},
        {"lines null", [&] { return L().GetNumLinesInFile(0, nullptr); }},
        {"line size 0", [&] { return L().ReadFileLine(0, text, 0, 0); }},
        {"line size negative", [&] { return L().ReadFileLine(0, text, -5, 0); }},
        {"line null", [&] { return L().ReadFileLine(0, nullptr, 254, 0); }},
        {"open null", [&] { return L().ZQOpenFile(0, nullptr); }},
        {"rtc size 0", [&] { return L().GetRTC(0, text, 0); }},
        {"rtc null", [&] { return L().GetRTC(0, nullptr, 30); }},
        {"set rtc null", [&] { return L().SetRTC(0, nullptr, 10); }},
        {"set rtc length 0", [&] { return L().SetRTC(0, "Mar 07, 2016 09:05", 0); }},
        {"row null",
         [&] {
             return L().GetRLRow(0, 1, &w8[0], &w16[0], &wf[0], nullptr, &w8[1], &w8[2], &w8[3]);
         }},
        {"count mode null", [&] { return L().GetCountMode(0, nullptr); }},
        {"delay null", [&] { return L().GetPLCDelay(0, nullptr); }},
        {"screen unknown device", [&] { return L().GetScreen(3, &w8[0]); }},
        {"lines unknown device", [&] { return L().GetNumLinesInFile(65535, &w32); }},
    };
    for (const auto& [name, call] : calls) EXPECT_EQ(call(), 0) << name;
    for (auto v : w16) EXPECT_EQ(v, 0x5A5A);
    for (auto v : w8) EXPECT_EQ(v, 0x5A);
    for (auto v : wf) EXPECT_EQ(v, 42.0f);
    for (char c : text) EXPECT_EQ(c, '#');
    EXPECT_EQ(w32, 0x5A5A5A5Au);

    // A name without its terminator within the longest name the card knows.
    std::string unterminated(300, 'A');
    EXPECT_EQ(L().ZQOpenFile(0, unterminated.c_str()), 0);
}

TEST_F(SimulatedUnits, UnpluggedUnitsVanishAndComeBack) {
    connect();
    ASSERT_EQ(sim().event("unplug 0"), 1);
    EXPECT_EQ(L().DeviceActive(0), 0);
    std::uint16_t serial = 0;
    EXPECT_EQ(L().GetUnitStatus(0, &serial, &serial, &serial, &serial, &serial), 0);
    ASSERT_EQ(sim().event("plug 0"), 1);
    EXPECT_EQ(L().DeviceActive(0), 1);
    EXPECT_EQ(L().GetSoftwareVersion(0, &serial), 0);  // needs a new connection
}

}  // namespace
