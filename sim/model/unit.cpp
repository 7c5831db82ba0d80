#include "sim/model/unit.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "sim/model/calendar.h"
#include "sim/model/sd_files.h"

namespace sim {

namespace {

constexpr double kAmbient = 24.0;
constexpr double kWarmingSeconds = 40.0;  // time constant of a lit head
constexpr double kCoolingSeconds = 60.0;
constexpr double kRiseAtFullLevel = 40.0;  // °C above ambient at 100 %
constexpr double kLevelTolerance = 1e-4;

std::string upper(std::string_view s) {
    std::string u(s);
    for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u;
}

bool within(double v, double lo, double hi) {
    return v >= lo - kLevelTolerance && v <= hi + kLevelTolerance;
}

std::string headText(int h) {
    return std::to_string(h + 1);
}

}  // namespace

Unit::Unit(const UnitConfig& config, std::int64_t nowMs, std::time_t rtcStart)
    : config_(config), nowMs_(nowMs), rtcAtZero_(rtcStart - nowMs / 1000) {
    for (int h = 0; h < kHeads; ++h) static_cast<HeadConfig&>(heads_[h]) = config.heads[h];
    files_[kSystemLog] = makeSystemLog(config_, rtcStart);
    files_[kCalibrationLog] = makeCalibrationLog(config_, rtcStart);
    writeSettingsFile();
    for (const auto& [name, lines] : config.files) files_[upper(name)] = lines;
}

std::time_t Unit::clockAt(std::int64_t ms) const {
    return rtcAtZero_ + ms / 1000;
}

void Unit::log(const std::string& event, int head, const std::string& detail) {
    files_[kSystemLog].push_back(
        csvRecord(clockAt(nowMs_), event, head >= 0 ? headText(head) : "", detail));
}

// ---------------------------------------------------------------- time

double Unit::levelFraction(int h) const {
    const Head& head = heads_[h];
    switch (head.calibratedIn) {
        case Quantity::Irradiance:
            return head.maxIrradiance > 0 ? head.irradiance / head.maxIrradiance : 0;
        case Quantity::Power:
            return head.maxPower > 0 ? head.power / head.maxPower : 0;
        case Quantity::None:
            break;
    }
    return head.percent / 100.0;
}

void Unit::switchOff(int h, std::int64_t atMs, const char* why) {
    Head& head = heads_[h];
    if (head.litSinceMs < 0) return;
    const double seconds = std::max<std::int64_t>(0, atMs - head.litSinceMs) / 1000.0;
    head.ledHours += seconds / 3600.0;
    head.litSinceMs = -1;
    char detail[32];
    std::snprintf(detail, sizeof detail, "%.1fs", seconds);
    log(why, h, detail);
}

void Unit::advanceHeads(std::int64_t toMs) {
    // In steps of at most a second, so that warming, limits and exposure ends interleave.
    while (nowMs_ < toMs) {
        const std::int64_t step = std::min<std::int64_t>(1000, toMs - nowMs_);
        const std::int64_t stepEnd = nowMs_ + step;
        for (int h = 0; h < kHeads; ++h) {
            Head& head = heads_[h];
            if (head.litSinceMs >= 0) {
                // Count Up and Count Down both end when the preset time has run.
                const std::int64_t end = head.litSinceMs + std::int64_t{head.exposureTime} * 100;
                if (end <= stepEnd) switchOff(h, end, "Exposure End");
            }
            const bool on = head.litSinceMs >= 0;
            const double target = on ? kAmbient + kRiseAtFullLevel * levelFraction(h) : kAmbient;
            const double tau = on ? kWarmingSeconds : kCoolingSeconds;
            head.temperature += (target - head.temperature) * (1 - std::exp(-step / 1000.0 / tau));
            if (head.temperature > head.maxTemperature && !(head.errors & kOverTemperature)) {
                head.errors |= kOverTemperature;
                switchOff(h, stepEnd, "Over Temperature");
            }
            if (head.calibrationEndMs >= 0 && head.calibrationEndMs <= stepEnd)
                finishCalibration(h);
        }
        nowMs_ = stepEnd;
    }
}

void Unit::advanceTo(std::int64_t nowMs) {
    if (nowMs > nowMs_) advanceHeads(nowMs);
}

// ---------------------------------------------------------------- connection and status

void Unit::connect() {
    if (!connected_) log("PC Connected", -1, "");
    connected_ = true;
}

void Unit::disconnect() {
    if (connected_) log("PC Disconnected", -1, "");
    connected_ = false;
}

std::array<std::uint16_t, 5> Unit::statusWords() const {
    std::array<std::uint16_t, 5> words{};
    for (int h = 0; h < kHeads; ++h) {
        const Head& head = heads_[h];
        std::uint16_t w = head.errors;
        if (head.litSinceMs >= 0) w |= kLedOn;
        if (head.presence == Presence::Disconnected) w |= 0x0020;
        if (head.presence == Presence::Connected) w |= 0x0060;
        if (head.calibratedIn == Quantity::Irradiance) w |= kCalibrated | kCalibratedIrradiance;
        if (head.calibratedIn == Quantity::Power) w |= kCalibrated | kCalibratedPower;
        words[h] = w;
    }
    words[4] = doorLocked_ ? kDoorLocked : 0;
    return words;
}

std::uint16_t Unit::headHours(int h) const {
    const Head& head = heads_[h];
    double hours = head.ledHours;
    if (head.litSinceMs >= 0) hours += (nowMs_ - head.litSinceMs) / 3600000.0;
    return static_cast<std::uint16_t>(std::clamp(hours, 0.0, 65535.0));
}

std::uint8_t Unit::temperature(int h) const {
    return static_cast<std::uint8_t>(std::clamp(std::lround(heads_[h].temperature), 0L, 255L));
}

std::array<std::uint16_t, kHeads> Unit::exposureCounts() const {
    std::array<std::uint16_t, kHeads> counts{};
    for (int h = 0; h < kHeads; ++h) {
        const Head& head = heads_[h];
        const std::int64_t elapsed =
            head.litSinceMs >= 0
                ? std::min<std::int64_t>((nowMs_ - head.litSinceMs) / 100, head.exposureTime)
                : 0;
        const auto tenths = static_cast<std::uint16_t>(elapsed);
        counts[h] = config_.countMode == 0 ? tenths
                                           : static_cast<std::uint16_t>(head.exposureTime - tenths);
    }
    return counts;
}

bool Unit::setScreen(std::uint8_t screen) {
    if (screen > 20) return false;
    config_.screen = screen;
    return true;
}

// ---------------------------------------------------------------- levels

std::array<std::uint16_t, kHeads> Unit::percentLevels() const {
    return each(&HeadConfig::percent);
}

std::array<float, kHeads> Unit::irradianceLevels() const {
    return each(&HeadConfig::irradiance);
}

std::array<float, kHeads> Unit::powerLevels() const {
    return each(&HeadConfig::power);
}

std::array<float, kHeads> Unit::maxIrradiance() const {
    return each(&HeadConfig::maxIrradiance);
}

std::array<float, kHeads> Unit::maxPower() const {
    return each(&HeadConfig::maxPower);
}

std::array<std::uint8_t, kHeads> Unit::minIntensity() const {
    return each(&HeadConfig::minIntensity);
}

bool Unit::setPercentLevels(const std::array<std::uint16_t, kHeads>& levels) {
    bool all = true;
    for (int h = 0; h < kHeads; ++h) {
        if (levels[h] >= heads_[h].minIntensity && levels[h] <= 100)
            heads_[h].percent = levels[h];
        else
            all = false;
    }
    return all;
}

bool Unit::setShareLevels(const std::array<float, kHeads>& levels, float HeadConfig::*level,
                          float HeadConfig::*maximum) {
    bool all = true;
    for (int h = 0; h < kHeads; ++h) {
        const double max = heads_[h].*maximum;
        if (std::isfinite(levels[h]) && within(levels[h], heads_[h].minIntensity * max / 100, max))
            heads_[h].*level = levels[h];
        else
            all = false;
    }
    return all;
}

bool Unit::setIrradianceLevels(const std::array<float, kHeads>& levels) {
    return setShareLevels(levels, &HeadConfig::irradiance, &HeadConfig::maxIrradiance);
}

bool Unit::setPowerLevels(const std::array<float, kHeads>& levels) {
    return setShareLevels(levels, &HeadConfig::power, &HeadConfig::maxPower);
}

// ---------------------------------------------------------------- exposures

std::array<std::uint16_t, kHeads> Unit::exposureTimes() const {
    return each(&HeadConfig::exposureTime);
}

bool Unit::setExposureTimes(const std::array<std::uint16_t, kHeads>& times) {
    for (std::uint16_t t : times)
        if (t < 1 || t > 9999) return false;
    for (int h = 0; h < kHeads; ++h) heads_[h].exposureTime = times[h];
    return true;
}

bool Unit::setCountMode(std::uint8_t mode) {
    if (mode > 1) return false;
    config_.countMode = mode;
    return true;
}

void Unit::runExposure(const std::array<std::uint8_t, kHeads>& on) {
    for (int h = 0; h < kHeads; ++h) {
        Head& head = heads_[h];
        if (!on[h]) {
            switchOff(h, nowMs_, "Exposure Stopped");
            continue;
        }
        // A head lights only when it is there, the door is open and it has no error.
        if (head.litSinceMs >= 0 || head.presence != Presence::Connected || doorLocked_ ||
            (head.errors & kErrorBits) || head.calibrationEndMs >= 0)
            continue;
        head.litSinceMs = nowMs_;
        log("Exposure Start", h,
            std::to_string(head.exposureTime / 10) + "." + std::to_string(head.exposureTime % 10) +
                "s");
    }
}

// ---------------------------------------------------------------- calibration

void Unit::performCalibration(const std::array<std::uint8_t, kHeads>& flags) {
    std::int64_t start = nowMs_;
    for (const Head& head : heads_) start = std::max(start, head.calibrationEndMs);
    for (int h = 0; h < kHeads; ++h) {
        if (!flags[h] || heads_[h].calibrationEndMs >= 0) continue;
        Head& head = heads_[h];
        switchOff(h, nowMs_, "Exposure Stopped");
        start += kCalibrationMs;
        head.calibrationEndMs = start;
        head.calibrationFails = failNext_ || head.presence != Presence::Connected;
        failNext_ = false;
        calibrationFailures_ = {};
        config_.screen = kCalibrationScreen;
        log("Calibration Start", h, "");
    }
}

void Unit::finishCalibration(int h) {
    Head& head = heads_[h];
    head.calibrationEndMs = -1;
    std::string& entry = files_[kCalibrationLog].emplace_back();
    char values[96];
    if (head.calibrationFails) {
        // Byte 4: the head did not answer; byte 5: the measurement failed.
        calibrationFailures_[head.presence != Presence::Connected ? 0 : 1] = 1;
        head.calibratedIn = Quantity::None;
        std::snprintf(values, sizeof values, "%u,Failed,,,", unsigned{head.wavelength});
        log("Calibration Failed", h, "");
    } else {
        head.calibratedIn =
            head.measures == Quantity::Power ? Quantity::Power : Quantity::Irradiance;
        head.calibrationHours = kFreshCalibrationHours;
        // A fresh measurement of the LED's output, a little below the last one.
        head.maxIrradiance = std::round(head.maxIrradiance * 0.99f * 100) / 100;
        head.maxPower = std::round(head.maxPower * 0.99f * 1000) / 1000;
        head.irradiance = std::min(head.irradiance, head.maxIrradiance);
        head.power = std::min(head.power, head.maxPower);
        std::snprintf(values, sizeof values, "%u,Passed,%.2f,%.3f,%u", unsigned{head.wavelength},
                      double{head.maxIrradiance}, double{head.maxPower},
                      unsigned{head.calibrationHours});
        log("Calibration Passed", h, "");
    }
    entry = formatDate(clockAt(nowMs_)) + "," + formatTime(clockAt(nowMs_)) + "," + headText(h) +
            "," + values;
}

std::array<std::uint8_t, 6> Unit::calibrationState() const {
    std::array<std::uint8_t, 6> state{};
    for (int h = 0; h < kHeads; ++h) state[h] = heads_[h].calibrationEndMs >= 0 ? 1 : 0;
    state[4] = calibrationFailures_[0];
    state[5] = calibrationFailures_[1];
    return state;
}

void Unit::clearCalibration(const std::array<std::uint8_t, kHeads>& flags) {
    for (int h = 0; h < kHeads; ++h)
        if (flags[h] && heads_[h].calibratedIn != Quantity::None) {
            heads_[h].calibratedIn = Quantity::None;
            heads_[h].calibrationHours = 0;
            log("Calibration Cleared", h, "");
        }
}

void Unit::clearAlarm() {
    for (Head& head : heads_) head.errors = 0;
    log("Alarms Cleared", -1, "");
}

// ---------------------------------------------------------------- card

bool Unit::openFile(std::string_view name) {
    if (!config_.cardPresent) return false;
    const std::string key = upper(name);
    if (!files_.count(key)) return false;
    currentFile_ = key;
    return true;
}

std::optional<std::uint32_t> Unit::lineCount() const {
    if (!config_.cardPresent || currentFile_.empty()) return std::nullopt;
    return static_cast<std::uint32_t>(files_.at(currentFile_).size());
}

const std::string* Unit::line(std::uint32_t index) const {
    if (!config_.cardPresent || currentFile_.empty()) return nullptr;
    const auto& lines = files_.at(currentFile_);
    return index < lines.size() ? &lines[index] : nullptr;
}

// ---------------------------------------------------------------- Rampline

std::optional<RamplineRow> Unit::ramplineRow(int row) const {
    if (row < 1 || row > kRamplineRows) return std::nullopt;
    return config_.rampline[row - 1];
}

bool Unit::setRamplineRow(int row, const RamplineRow& v) {
    if (row < 1 || row > kRamplineRows || v.head > 5 || v.source > 9 || v.calibration > 2 ||
        v.expTime > 9999 || v.dwell > 9999 || !std::isfinite(v.intensity) || v.intensity < 0)
        return false;
    config_.rampline[row - 1] = v;
    return true;
}

// ---------------------------------------------------------------- settings

bool Unit::setPlcLogic(std::uint8_t logic) {
    if (logic > 1) return false;
    config_.plcLogic = logic;
    return true;
}

bool Unit::setPlcDelay(std::int16_t delay) {
    if (delay < -30000 || delay > 30000) return false;
    config_.plcDelay = delay;
    return true;
}

bool Unit::setHeadAssociation(std::uint8_t association) {
    if (!headAssociationSupported() || association > 4) return false;
    config_.headAssociation = association;
    return true;
}

std::string Unit::clockText() const {
    return formatClock(clockAt(nowMs_));
}

bool Unit::setClock(std::string_view text) {
    const auto t = parseClock(text);
    if (!t) return false;
    rtcAtZero_ = *t - nowMs_ / 1000;
    log("Clock Set", -1, std::string(text));
    return true;
}

void Unit::writeSettingsFile() {
    std::vector<std::string> lines{"Setting,Value"};
    auto add = [&](const std::string& k, const std::string& v) { lines.push_back(k + "," + v); };
    add("Serial Number", std::to_string(config_.serial));
    add("Software Version", std::to_string(config_.softwareVersion));
    add("Count Mode", config_.countMode ? "Count Down" : "Count Up");
    add("PLC Logic", config_.plcLogic ? "Inverted" : "Normal");
    add("PLC Delay ms", std::to_string(config_.plcDelay));
    add("PLC Head Association", std::to_string(config_.headAssociation));
    add("Language", "English");
    for (int h = 0; h < kHeads; ++h) {
        const Head& head = heads_[h];
        char v[96];
        std::snprintf(v, sizeof v, "%u%%;%.2f W/cm2;%.3f W;%u.%us", unsigned{head.percent},
                      double{head.irradiance}, double{head.power}, head.exposureTime / 10u,
                      head.exposureTime % 10u);
        add("Head " + headText(h), v);
    }
    files_[kSettingsFile] = std::move(lines);
}

void Unit::saveSettings() {
    writeSettingsFile();
    log("Settings Saved", -1, "");
}

// ---------------------------------------------------------------- events

void Unit::setDoorLocked(bool locked) {
    if (locked == doorLocked_) return;
    // A locked door refuses new exposures; one that runs ends as it would.
    doorLocked_ = locked;
    log(locked ? "Door Lock" : "Door Unlock", -1, "");
}

void Unit::setErrorBit(int h, std::uint16_t bit, bool on) {
    bit &= kErrorBits;
    if (on) {
        heads_[h].errors |= bit;
        switchOff(h, nowMs_, "Exposure Stopped");
        char detail[16];
        std::snprintf(detail, sizeof detail, "0x%04X", unsigned{bit});
        log("Head Error", h, detail);
    } else {
        heads_[h].errors &= static_cast<std::uint16_t>(~bit);
    }
}

void Unit::setPresence(int h, Presence presence) {
    heads_[h].presence = presence;
    if (presence != Presence::Connected) switchOff(h, nowMs_, "Exposure Stopped");
}

void Unit::setCardPresent(bool present) {
    config_.cardPresent = present;
    if (!present) currentFile_.clear();
}

void Unit::setTemperature(int h, double celsius) {
    heads_[h].temperature = celsius;
}

}  // namespace sim
