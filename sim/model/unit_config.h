#pragma once
// What a simulated unit is made of: its identity, heads, settings, Rampline and card.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sim {

inline constexpr int kHeads = 4;
inline constexpr int kRamplineRows = 32;

inline constexpr int kCalibrationMs = 3000;  // unit time a calibration takes, per head
inline constexpr std::uint8_t kCalibrationScreen = 6;
inline constexpr std::uint16_t kFreshCalibrationHours = 500;

// Status word bits of a head.
inline constexpr std::uint16_t kLedOn = 0x0001;
inline constexpr std::uint16_t kNvmError = 0x0002;
inline constexpr std::uint16_t kOverTemperature = 0x0004;
inline constexpr std::uint16_t kOpenCircuit = 0x0008;
inline constexpr std::uint16_t kShortCircuit = 0x0010;
inline constexpr std::uint16_t kOverTemperatureAlt = 0x0080;
inline constexpr std::uint16_t kErrorBits =
    kNvmError | kOverTemperature | kOpenCircuit | kShortCircuit | kOverTemperatureAlt;
inline constexpr std::uint16_t kCalibrated = 0x0100;
inline constexpr std::uint16_t kCalibratedIrradiance = 0x0200;
inline constexpr std::uint16_t kCalibratedPower = 0x0400;
// Unit flags.
inline constexpr std::uint16_t kDoorLocked = 0x0002;

enum class Presence { NotPresent, Disconnected, Connected };
enum class Quantity { None, Irradiance, Power };

struct HeadConfig {
    Presence presence = Presence::Connected;
    std::uint16_t wavelength = 365;
    double ledHours = 0;
    std::uint8_t maxTemperature = 70;  // °C: above it the head switches off with an error
    double temperature = 24;
    std::uint8_t minIntensity = 10;            // percent
    float maxIrradiance = 2.0f;                // W/cm²
    float maxPower = 1.5f;                     // W
    Quantity measures = Quantity::Irradiance;  // what a calibration of this head yields
    Quantity calibratedIn = Quantity::None;
    std::uint16_t calibrationHours = 0;
    std::uint16_t percent = 50;
    float irradiance = 1.0f;
    float power = 0.75f;
    std::uint16_t exposureTime = 50;  // tenths of a second
};

struct RamplineRow {
    std::uint8_t head = 0;
    std::uint16_t expTime = 0;
    float intensity = 0;
    std::uint16_t dwell = 0;
    std::uint8_t source = 0;
    std::uint8_t repeat = 0;
    std::uint8_t calibration = 0;
};

struct UnitConfig {
    std::uint16_t serial = 7001;
    std::uint16_t softwareVersion = 101;
    std::array<HeadConfig, kHeads> heads;
    std::uint8_t countMode = 1;
    bool cardPresent = true;
    std::uint8_t plcLogic = 0;
    std::int16_t plcDelay = 0;
    std::uint8_t headAssociation = 0;
    std::uint8_t language = 0;
    std::uint8_t screen = 0;
    std::array<RamplineRow, kRamplineRows> rampline{};
    int systemLogRecords = 2500;  // records of the generated system log
    int calibrationLogRecords = 40;
    std::map<std::string, std::vector<std::string>> files;  // replaces a generated file
};

struct DeviceConfig {
    bool active = true;
    UnitConfig unit;
};

}  // namespace sim
