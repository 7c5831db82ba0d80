#pragma once
// The files on a simulated unit's SD card, as a new unit has them.

#include <ctime>
#include <string>
#include <vector>

#include "sim/model/unit_config.h"

namespace sim {

inline constexpr const char* kSystemLog = "ZQ7-LOG.CSV";
inline constexpr const char* kCalibrationLog = "ZQ7CALLG.CSV";
inline constexpr const char* kSettingsFile = "ZQ7SET.CSV";

inline constexpr const char* kSystemLogHeader = "Date,Time,Event,Head,Detail";
inline constexpr const char* kCalibrationLogHeader =
    "Date,Time,Head,Wavelength,Result,Max Irradiance W/cm2,Max Power W,Hours";

// A history of `config.systemLogRecords` records ending before `until`.
std::vector<std::string> makeSystemLog(const UnitConfig& config, std::time_t until);
std::vector<std::string> makeCalibrationLog(const UnitConfig& config, std::time_t until);

std::string csvRecord(std::time_t at, const std::string& a, const std::string& b,
                      const std::string& c);

}  // namespace sim
