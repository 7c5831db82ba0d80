#include "sim/model/simulation.h"

#include <algorithm>

namespace sim {

Simulation::Simulation(const SimulationConfig& config, const Clock& clock, std::time_t rtcStart)
    : clock_(clock), timeline_(config.timeline) {
    const std::int64_t now = clock.nowMs();
    for (const DeviceConfig& d : config.devices)
        devices_.push_back({d.active, Unit(d.unit, now, rtcStart)});
    std::stable_sort(timeline_.begin(), timeline_.end(),
                     [](const TimedEvent& a, const TimedEvent& b) { return a.atMs < b.atMs; });
}

void Simulation::advance() {
    const std::int64_t now = clock_.nowMs();
    for (; nextEvent_ < timeline_.size() && timeline_[nextEvent_].atMs <= now; ++nextEvent_) {
        const TimedEvent& t = timeline_[nextEvent_];
        for (Device& d : devices_) d.unit.advanceTo(t.atMs);
        apply(t.event);
    }
    for (Device& d : devices_) d.unit.advanceTo(now);
}

bool Simulation::active(std::uint16_t device) const {
    return device < devices_.size() && devices_[device].active;
}

Unit* Simulation::unit(std::uint16_t device) {
    return device < devices_.size() ? &devices_[device].unit : nullptr;
}

Unit* Simulation::connectedUnit(std::uint16_t device) {
    Unit* u = active(device) ? unit(device) : nullptr;
    return u && u->connected() ? u : nullptr;
}

bool Simulation::apply(const Event& e) {
    if (e.device < 0 || e.device >= static_cast<int>(devices_.size())) return false;
    if (e.head < 0 || e.head >= kHeads) return false;
    Device& d = devices_[e.device];
    Unit& u = d.unit;
    switch (e.kind) {
        case EventKind::DoorLock:
            u.setDoorLocked(true);
            break;
        case EventKind::DoorUnlock:
            u.setDoorLocked(false);
            break;
        case EventKind::Unplug:
            d.active = false;
            u.disconnect();
            break;
        case EventKind::Plug:
            d.active = true;
            break;
        case EventKind::CardOut:
            u.setCardPresent(false);
            break;
        case EventKind::CardIn:
            u.setCardPresent(true);
            break;
        case EventKind::HeadError:
            u.setErrorBit(e.head, e.bit, true);
            break;
        case EventKind::HeadErrorClear:
            u.setErrorBit(e.head, e.bit, false);
            break;
        case EventKind::HeadRemove:
            u.setPresence(e.head, Presence::Disconnected);
            break;
        case EventKind::HeadInsert:
            u.setPresence(e.head, Presence::Connected);
            break;
        case EventKind::FailNextCalibration:
            u.failNextCalibration();
            break;
        case EventKind::Temperature:
            u.setTemperature(e.head, e.celsius);
            break;
    }
    return true;
}

}  // namespace sim
