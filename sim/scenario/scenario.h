#pragma once
// Scenario files: YAML describing the simulated units and a timeline of events. Example:
//
//   devices:
//     - serial: 7001
//       heads:
//         - {wavelength: 365, calibrated: irradiance}
//     - active: false
//   events:
//     - {at: 5.0, do: door-lock 0}
//
// Every key is optional; what a file leaves out keeps the default unit's value.

#include <string>
#include <variant>

#include "sim/model/simulation.h"

namespace sim {

struct ScenarioError {
    std::string file;
    int line;  // 1-based
    std::string problem;
    std::string message() const { return file + ":" + std::to_string(line) + ": " + problem; }
};

using ScenarioResult = std::variant<SimulationConfig, ScenarioError>;

ScenarioResult parseScenario(const std::string& text, const std::string& fileName);
ScenarioResult loadScenarioFile(const std::string& path);

}  // namespace sim
