#include "sim/scenario/scenario.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::HasSubstr;

TEST(Scenario, AGoodFileDescribesUnitsAndATimeline) {
    const char* text = R"(devices:
  - serial: 4242
    software_version: 100
    count_mode: up
    card: false
    heads:
      - {wavelength: 405, calibrated: power, max_power: 3.5, exposure: 2.5}
      - {present: none}
    rampline:
      - {row: 2, head: R, repeat: 2}
  - active: false
events:
  - {at: 1.5, do: door-lock 0}
  - {at: 0.5, do: head-error 0 1 nvm}
)";
    const sim::ScenarioResult r = sim::parseScenario(text, "good.yaml");
    ASSERT_TRUE(std::holds_alternative<sim::SimulationConfig>(r))
        << std::get<sim::ScenarioError>(r).message();
    const auto& config = std::get<sim::SimulationConfig>(r);
    ASSERT_EQ(config.devices.size(), 2u);
    const sim::UnitConfig& u = config.devices[0].unit;
    EXPECT_EQ(u.serial, 4242);
    EXPECT_EQ(u.softwareVersion, 100);
    EXPECT_EQ(u.countMode, 0);
    EXPECT_FALSE(u.cardPresent);
    EXPECT_EQ(u.heads[0].wavelength, 405);
    EXPECT_EQ(u.heads[0].calibratedIn, sim::Quantity::Power);
    EXPECT_FLOAT_EQ(u.heads[0].maxPower, 3.5f);
    EXPECT_EQ(u.heads[0].exposureTime, 25);
    EXPECT_EQ(u.heads[1].presence, sim::Presence::NotPresent);
    EXPECT_EQ(u.heads[2].wavelength, 395);  // left out: the default unit's
    EXPECT_EQ(u.rampline[0].head, 0);       // a given program replaces the default one
    EXPECT_EQ(u.rampline[1].head, 5);
    EXPECT_FALSE(config.devices[1].active);
    EXPECT_EQ(config.devices[1].unit.serial, 7002);
    ASSERT_EQ(config.timeline.size(), 2u);
    EXPECT_EQ(config.timeline[0].atMs, 1500);
    EXPECT_EQ(config.timeline[0].event.kind, sim::EventKind::DoorLock);
}

TEST(Scenario, TheTimelineHappensAtItsTimes) {
    const auto r = sim::parseScenario(
        "events:\n  - {at: 2, do: unplug 2}\n  - {at: 1, do: door-lock 0}\n", "t");
    ASSERT_TRUE(std::holds_alternative<sim::SimulationConfig>(r));
    sim::ManualClock clock;
    sim::Simulation s(std::get<sim::SimulationConfig>(r), clock, 0);
    s.advance();
    EXPECT_FALSE(s.unit(0)->doorLocked());
    clock.advance(1000);
    s.advance();
    EXPECT_TRUE(s.unit(0)->doorLocked());
    EXPECT_TRUE(s.active(2));
    clock.advance(1000);
    s.advance();
    EXPECT_FALSE(s.active(2));
}

struct Malformed {
    const char* text;
    int line;
    const char* problem;
};

void PrintTo(const Malformed& m, std::ostream* os) {
    *os << m.problem;
}

class MalformedScenario : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedScenario, NamesFileLineAndProblem) {
    const sim::ScenarioResult r = sim::parseScenario(GetParam().text, "bad.yaml");
    ASSERT_TRUE(std::holds_alternative<sim::ScenarioError>(r));
    const auto& e = std::get<sim::ScenarioError>(r);
    EXPECT_EQ(e.line, GetParam().line);
    EXPECT_THAT(e.problem, HasSubstr(GetParam().problem));
    EXPECT_THAT(e.message(), HasSubstr("bad.yaml:" + std::to_string(GetParam().line) + ": "));
}

INSTANTIATE_TEST_SUITE_P(
    Table, MalformedScenario,
    ::testing::Values(
        Malformed{"devices:\n  - serial: [1, 2\n", 3, "end of sequence"},
        Malformed{"devices:\n  - serial: 70000\n", 2, "serial: 70000 is outside 0 to 65535"},
        Malformed{"devices:\n  - serial: abc\n", 2, "is not a number"},
        Malformed{"devices:\n  - seriall: 1\n", 2, "unknown key \"seriall\""},
        Malformed{"devices:\n  - heads:\n      - {calibrated: lumens}\n", 3,
                  "expected one of none, irradiance, power"},
        Malformed{"devices: []\n", 1, "1 to 64 devices"},
        Malformed{"devices:\n  - heads: [{}, {}, {}, {}, {}]\n", 2, "at most 4 heads"},
        Malformed{"devices:\n  - rampline:\n      - {row: 33}\n", 3, "row: 33 is outside"},
        Malformed{"events:\n  - {at: 1, do: door-lock}\n", 2, "takes 1 argument"},
        Malformed{"events:\n  - {at: 1, do: door-lock 9}\n", 2, "there is no device 9"},
        Malformed{"events:\n  - {do: card-out 0}\n", 2, "needs \"at\""},
        Malformed{"speed: 3\n", 1, "unknown key \"speed\""},
        Malformed{"devices:\n  - plc_delay: 1.5\n", 2, "not a whole number"}));

TEST(Scenario, AFileThatCannotBeReadSaysSo) {
    const auto r = sim::loadScenarioFile("/nonexistent/scenario.yaml");
    ASSERT_TRUE(std::holds_alternative<sim::ScenarioError>(r));
    EXPECT_THAT(std::get<sim::ScenarioError>(r).message(), HasSubstr("/nonexistent/scenario.yaml"));
}

}  // namespace

namespace {

TEST(Scenario, TheShippedExamplesAreWellFormed) {
    for (const char* name :
         {"door-and-errors.yaml", "sixteen-units.yaml", "unplug-and-calibration-failure.yaml"}) {
        const auto r = sim::loadScenarioFile(std::string(ZQ_SCENARIO_DIR) + "/" + name);
        EXPECT_TRUE(std::holds_alternative<sim::SimulationConfig>(r))
            << std::get<sim::ScenarioError>(r).message();
    }
}

}  // namespace
