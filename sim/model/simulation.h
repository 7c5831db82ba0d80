#pragma once
// The set of simulated units behind one device library, on one clock, with a timeline of
// events that happen to them.

#include <ctime>
#include <memory>
#include <optional>
#include <vector>

#include "sim/model/clock.h"
#include "sim/model/event.h"
#include "sim/model/unit.h"

namespace sim {

struct TimedEvent {
    std::int64_t atMs;
    Event event;
};

struct SimulationConfig {
    std::vector<DeviceConfig> devices;
    std::vector<TimedEvent> timeline;
};

// Three device indices, device 1 not active: units 7001 (software 101) and 7002 (100).
SimulationConfig defaultConfig();
// A unit with four believable heads and a small Rampline program.
UnitConfig defaultUnit(std::uint16_t serial, std::uint16_t softwareVersion);

class Simulation {
  public:
    Simulation(const SimulationConfig& config, const Clock& clock, std::time_t rtcStart);

    // Applies the timeline up to now and lets every unit's time run to now.
    void advance();

    std::uint16_t deviceCount() const { return static_cast<std::uint16_t>(devices_.size()); }
    bool active(std::uint16_t device) const;
    // The unit at that index, present or not; nullptr for an unknown index.
    Unit* unit(std::uint16_t device);
    // The unit when it is plugged in and connected to the PC; nullptr otherwise.
    Unit* connectedUnit(std::uint16_t device);

    // False when the event names a device or head that does not exist.
    bool apply(const Event& event);

  private:
    struct Device {
        bool active;
        Unit unit;
    };
    const Clock& clock_;
    std::vector<Device> devices_;
    std::vector<TimedEvent> timeline_;
    std::size_t nextEvent_ = 0;
};

}  // namespace sim
