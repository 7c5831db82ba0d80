#pragma once
// One simulated ZQ700: its heads light, count, warm up, age and calibrate as unit time
// passes; its card holds the three files; its settings and Rampline are kept in memory.
// Plain data in, plain data out: argument checks of the C entry points are not made here.

#include <array>
#include <cstdint>
#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/model/unit_config.h"

namespace sim {

class Unit {
  public:
    // `rtcStart`: the unit clock's reading (seconds, local calendar) at simulation time 0.
    Unit(const UnitConfig& config, std::int64_t nowMs, std::time_t rtcStart);

    // Lets unit time run up to `nowMs`: exposures end, temperatures move, hours accumulate,
    // calibrations finish. Time never runs backwards.
    void advanceTo(std::int64_t nowMs);

    // --- Connection
    bool connected() const { return connected_; }
    void connect();
    void disconnect();
    std::uint16_t serial() const { return config_.serial; }
    std::uint16_t softwareVersion() const { return config_.softwareVersion; }

    // --- Status
    std::array<std::uint16_t, 5> statusWords() const;
    std::uint16_t headHours(int h) const;
    std::uint16_t calibrationHours(int h) const { return heads_[h].calibrationHours; }
    std::uint16_t wavelength(int h) const { return heads_[h].wavelength; }
    std::uint8_t temperature(int h) const;
    std::uint8_t maxTemperature(int h) const { return heads_[h].maxTemperature; }
    std::array<std::uint16_t, kHeads> exposureCounts() const;
    std::uint8_t screen() const { return config_.screen; }
    bool setScreen(std::uint8_t screen);

    // --- Levels: a value outside the head's limits is refused (false) and that head keeps
    // its level; the others take theirs.
    std::array<std::uint16_t, kHeads> percentLevels() const;
    std::array<float, kHeads> irradianceLevels() const;
    std::array<float, kHeads> powerLevels() const;
    std::array<float, kHeads> maxIrradiance() const;
    std::array<float, kHeads> maxPower() const;
    std::array<std::uint8_t, kHeads> minIntensity() const;
    bool setPercentLevels(const std::array<std::uint16_t, kHeads>& levels);
    bool setIrradianceLevels(const std::array<float, kHeads>& levels);
    bool setPowerLevels(const std::array<float, kHeads>& levels);

    // --- Exposures
    std::array<std::uint16_t, kHeads> exposureTimes() const;
    bool setExposureTimes(const std::array<std::uint16_t, kHeads>& times);  // 1 to 9999 each
    std::uint8_t countMode() const { return config_.countMode; }
    bool setCountMode(std::uint8_t mode);  // 0 Count Up, 1 Count Down
    void runExposure(const std::array<std::uint8_t, kHeads>& on);

    // --- Calibration and alarms
    void performCalibration(const std::array<std::uint8_t, kHeads>& heads);
    std::array<std::uint8_t, 6> calibrationState() const;
    void clearCalibration(const std::array<std::uint8_t, kHeads>& heads);
    void clearAlarm();

    // --- SD card
    bool openFile(std::string_view name);
    std::optional<std::uint32_t> lineCount() const;
    const std::string* line(std::uint32_t index) const;  // nullptr past the last line

    // --- Rampline, rows 1 to 32
    std::optional<RamplineRow> ramplineRow(int row) const;
    bool setRamplineRow(int row, const RamplineRow& value);

    // --- Settings
    std::uint8_t plcLogic() const { return config_.plcLogic; }
    bool setPlcLogic(std::uint8_t logic);
    std::int16_t plcDelay() const { return config_.plcDelay; }
    bool setPlcDelay(std::int16_t delay);
    bool headAssociationSupported() const { return config_.softwareVersion > 100; }
    std::uint8_t headAssociation() const { return config_.headAssociation; }
    bool setHeadAssociation(std::uint8_t association);
    std::uint8_t language() const { return config_.language; }
    std::string clockText() const;  // "Mar 07, 2016 09:05"
    bool setClock(std::string_view text);
    void saveSettings();

    // --- What happens to the unit from outside
    void setDoorLocked(bool locked);
    void setErrorBit(int h, std::uint16_t bit, bool on);
    void setPresence(int h, Presence presence);
    void setCardPresent(bool present);
    void failNextCalibration() { failNext_ = true; }
    void setTemperature(int h, double celsius);

    bool doorLocked() const { return doorLocked_; }
    bool cardPresent() const { return config_.cardPresent; }
    bool lit(int h) const { return heads_[h].litSinceMs >= 0; }

  private:
    struct Head : HeadConfig {
        std::uint16_t errors = 0;
        std::int64_t litSinceMs = -1;  // -1: off
        std::int64_t calibrationEndMs = -1;
        bool calibrationFails = false;
    };
    // One field of every head.
    template <typename T>
    std::array<T, kHeads> each(T HeadConfig::*field) const {
        std::array<T, kHeads> values{};
        for (int h = 0; h < kHeads; ++h) values[h] = heads_[h].*field;
        return values;
    }
    // Levels that are a share of a maximum (irradiance, power), within minIntensity to 100 %.
    bool setShareLevels(const std::array<float, kHeads>& levels, float HeadConfig::*level,
                        float HeadConfig::*maximum);
    void advanceHeads(std::int64_t toMs);
    void switchOff(int h, std::int64_t atMs, const char* why);
    void finishCalibration(int h);
    double levelFraction(int h) const;
    std::time_t clockAt(std::int64_t ms) const;
    void log(const std::string& event, int head, const std::string& detail);
    void writeSettingsFile();

    UnitConfig config_;
    std::array<Head, kHeads> heads_;
    std::int64_t nowMs_;
    std::time_t rtcAtZero_;
    bool connected_ = false;
    bool doorLocked_ = false;
    bool failNext_ = false;
    std::array<std::uint8_t, 2> calibrationFailures_{};
    std::map<std::string, std::vector<std::string>> files_;
    std::string currentFile_;
};

}  // namespace sim
