#include "sim/model/sd_files.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "sim/model/calendar.h"

namespace sim {

std::string csvRecord(std::time_t at, const std::string& a, const std::string& b,
                      const std::string& c) {
    return formatDate(at) + "," + formatTime(at) + "," + a + "," + b + "," + c;
}

std::vector<std::string> makeSystemLog(const UnitConfig& config, std::time_t until) {
    static const char* const kEvents[] = {
        "Power On",  "Exposure Start", "Exposure End",   "Exposure Start", "Exposure End",
        "Door Lock", "Door Unlock",    "Exposure Start", "Exposure End",   "Power Off"};
    std::vector<std::string> lines{kSystemLogHeader};
    const int n = std::max(0, config.systemLogRecords);
    // Records every 7 min 13 s, the last one a while before the unit was switched on.
    const std::time_t first = until - 3600 - static_cast<std::time_t>(n) * 433;
    for (int i = 0; i < n; ++i) {
        const char* event = kEvents[i % std::size(kEvents)];
        const bool perHead = event[0] == 'E';
        const int head = 1 + (i / 3) % kHeads;
        char detail[32] = "";
        if (perHead) std::snprintf(detail, sizeof detail, "%d.%ds", 5 + i % 40, i % 10);
        lines.push_back(csvRecord(first + static_cast<std::time_t>(i) * 433, event,
                                  perHead ? std::to_string(head) : "", detail));
    }
    return lines;
}

std::vector<std::string> makeCalibrationLog(const UnitConfig& config, std::time_t until) {
    std::vector<std::string> lines{kCalibrationLogHeader};
    const int n = std::max(0, config.calibrationLogRecords);
    const std::time_t first = until - 86400 - static_cast<std::time_t>(n) * 86400 * 3;
    for (int i = 0; i < n; ++i) {
        const int h = i % kHeads;
        const HeadConfig& head = config.heads[h];
        char values[96];
        std::snprintf(values, sizeof values, "%u,%s,%.2f,%.3f,%u", unsigned{head.wavelength},
                      i % 9 == 4 ? "Failed" : "Passed", double{head.maxIrradiance},
                      double{head.maxPower}, unsigned{kFreshCalibrationHours});
        lines.push_back(formatDate(first + i * 86400 * 3) + "," +
                        formatTime(first + i * 86400 * 3 + 3600 * 9) + "," + std::to_string(h + 1) +
                        "," + values);
    }
    return lines;
}

}  // namespace sim
