#include "sim/model/simulation.h"

namespace sim {

namespace {

HeadConfig head(std::uint16_t wavelength, double hours, std::uint8_t maxTemperature,
                float maxIrradiance, float maxPower, Quantity measures) {
    HeadConfig h;
    h.wavelength = wavelength;
    h.ledHours = hours;
    h.maxTemperature = maxTemperature;
    h.maxIrradiance = maxIrradiance;
    h.maxPower = maxPower;
    h.measures = measures;
    h.irradiance = maxIrradiance / 2;
    h.power = maxPower / 2;
    return h;
}

}  // namespace

UnitConfig defaultUnit(std::uint16_t serial, std::uint16_t version) {
    UnitConfig u;
    u.serial = serial;
    u.softwareVersion = version;
    u.heads = {head(365, 1287.4, 65, 2.5f, 1.2f, Quantity::Irradiance),
               head(385, 964.0, 68, 2.0f, 1.0f, Quantity::Power),
               head(395, 311.2, 70, 1.8f, 0.9f, Quantity::Irradiance),
               head(405, 42.9, 72, 1.6f, 0.8f, Quantity::Power)};
    u.heads[0].calibratedIn = Quantity::Irradiance;
    u.heads[0].calibrationHours = 412;
    u.heads[0].irradiance = 1.25f;
    u.heads[1].calibratedIn = Quantity::Power;
    u.heads[1].calibrationHours = 236;
    u.heads[1].power = 0.6f;
    u.heads[2].percent = 75;
    u.heads[3].percent = 40;
    u.heads[0].exposureTime = 50;
    u.heads[1].exposureTime = 100;
    u.heads[2].exposureTime = 25;
    u.heads[3].exposureTime = 300;
    // A small program: two steps, a calibrated step, and a repeat of the lot.
    u.rampline[0] = {1, 50, 80.0f, 10, 1, 0, 0};
    u.rampline[1] = {2, 25, 0.6f, 0, 5, 0, 2};
    u.rampline[2] = {1, 30, 1.2f, 5, 9, 0, 1};
    u.rampline[3] = {5, 0, 0.0f, 0, 0, 2, 0};
    return u;
}

SimulationConfig defaultConfig() {
    SimulationConfig config;
    DeviceConfig first{true, defaultUnit(7001, 101)};
    first.unit.systemLogRecords = 3000;
    DeviceConfig absent{false, defaultUnit(7003, 101)};
    DeviceConfig second{true, defaultUnit(7002, 100)};
    second.unit.heads[2].presence = Presence::NotPresent;
    second.unit.systemLogRecords = 18;
    second.unit.calibrationLogRecords = 6;
    second.unit.countMode = 0;
    config.devices = {first, absent, second};
    return config;
}

}  // namespace sim
