// The event tool against simulated units running in another process.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

using ::testing::HasSubstr;

const std::string kBin = ZQ_BIN_DIR;
const std::string kTool = kBin + "/zq700-sim-event";

int exitCode(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int run(const std::string& command) {
    return exitCode(std::system((command + " >/dev/null 2>&1").c_str()));
}

std::string readLine(FILE* from) {
    char line[512] = "";
    if (!std::fgets(line, sizeof line, from)) return {};
    return line;
}

// Reads the host's output to its end, then its exit code.
int finish(FILE* host) {
    while (!readLine(host).empty()) {
    }
    return exitCode(::pclose(host));
}

class EventTool : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/zq700-tool-test-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = pattern;
        socket = folder + "/units.sock";
    }
    void TearDown() override { std::system(("rm -rf " + folder).c_str()); }

    // Starts the host; `environment` goes before the command.
    FILE* startHost(const std::string& environment = "") {
        const std::string command =
            "ZQ700_SIM_SOCKET=" + socket + " " + environment + " " + std::string(ZQ_HOST) + " 2>&1";
        return ::popen(command.c_str(), "r");
    }

    std::string folder;
    std::string socket;
};

TEST_F(EventTool, LocksTheDoorOfAUnitInAnotherProcess) {
    FILE* host = startHost();
    ASSERT_NE(host, nullptr);
    std::string line = readLine(host);
    if (line.rfind("ZQ700 simulator:", 0) == 0) line = readLine(host);
    EXPECT_EQ(line, "ready 3\n");
    EXPECT_EQ(run(kTool + " --socket " + socket + " door-lock 0"), 0);
    EXPECT_EQ(readLine(host), "locked\n");
    EXPECT_EQ(finish(host), 0);
}

TEST_F(EventTool, RefusesBadEventsAndMissingUnits) {
    FILE* host = startHost();
    ASSERT_NE(host, nullptr);
    while (readLine(host).rfind("ready", 0) != 0) {
    }
    EXPECT_EQ(run(kTool + " --socket " + socket + " door-lock"), 2);  // malformed
    EXPECT_EQ(run(kTool + " --socket " + socket + " \"head-error 0 2 nvm\" \"door-lock 5\""), 1);
    EXPECT_EQ(run(kTool + " --socket " + folder + "/none.sock door-lock 0"), 1);  // nobody there
    EXPECT_EQ(run(kTool), 2);
    EXPECT_EQ(run(kTool + " --socket " + socket + " door-lock 0"), 0);
    EXPECT_EQ(finish(host), 0);
}

TEST_F(EventTool, HasHelp) {
    FILE* help = ::popen((kTool + " --help").c_str(), "r");
    ASSERT_NE(help, nullptr);
    std::string text;
    for (std::string l; !(l = readLine(help)).empty();) text += l;
    EXPECT_EQ(exitCode(::pclose(help)), 0);
    EXPECT_THAT(text, HasSubstr("Usage: zq700-sim-event"));
    EXPECT_THAT(text, HasSubstr("head-error DEV HEAD BIT"));
}

TEST_F(EventTool, AMalformedScenarioIsReportedAndTheDefaultUnitsStart) {
    const std::string scenario = folder + "/bad.yaml";
    std::ofstream(scenario) << "devices:\n  - serial: lots\n";
    FILE* host = startHost("ZQ700_SIM_SCENARIO=" + scenario);
    ASSERT_NE(host, nullptr);
    std::string output;
    for (std::string l; (l = readLine(host)).rfind("ready", 0) != 0 && !l.empty();) output += l;
    EXPECT_THAT(output, HasSubstr(scenario + ":2: serial: \"lots\" is not a number"));
    EXPECT_THAT(output, HasSubstr("starting with the default units"));
    EXPECT_EQ(run(kTool + " --socket " + socket + " door-lock 0"), 0);
    EXPECT_EQ(finish(host), 0);
}

}  // namespace
