#include "sim/scenario/scenario.h"

#include <yaml-cpp/yaml.h>

#include <cmath>
#include <fstream>
#include <set>
#include <sstream>

namespace sim {

namespace {

struct Problem {
    int line;
    std::string text;
};

[[noreturn]] void fail(const YAML::Node& at, const std::string& text) {
    throw Problem{at.Mark().line + 1, text};
}

void onlyKeys(const YAML::Node& map, std::initializer_list<const char*> keys) {
    if (!map.IsMap()) fail(map, "expected a mapping of keys and values");
    const std::set<std::string> known(keys.begin(), keys.end());
    for (const auto& item : map) {
        const std::string key = item.first.as<std::string>();
        if (!known.count(key)) fail(item.first, "unknown key \"" + key + "\"");
    }
}

double number(const YAML::Node& map, const char* key, double lo, double hi, double fallback) {
    const YAML::Node n = map[key];
    if (!n) return fallback;
    double v = 0;
    if (!n.IsScalar() || !YAML::convert<double>::decode(n, v) || !std::isfinite(v))
        fail(n, std::string(key) + ": \"" + (n.IsScalar() ? n.Scalar() : "...") +
                    "\" is not a number");
    if (v < lo || v > hi) {
        std::ostringstream range;
        range << key << ": " << v << " is outside " << lo << " to " << hi;
        fail(n, range.str());
    }
    return v;
}

template <typename T>
T whole(const YAML::Node& map, const char* key, long lo, long hi, T fallback) {
    const YAML::Node n = map[key];
    if (!n) return fallback;
    const double v = number(map, key, static_cast<double>(lo), static_cast<double>(hi), 0);
    if (v != std::floor(v))
        fail(n, std::string(key) + ": " + n.Scalar() + " is not a whole number");
    return static_cast<T>(v);
}

bool flag(const YAML::Node& map, const char* key, bool fallback) {
    const YAML::Node n = map[key];
    if (!n) return fallback;
    bool v = false;
    if (!n.IsScalar() || !YAML::convert<bool>::decode(n, v))
        fail(n, std::string(key) + ": expected true or false");
    return v;
}

// A word from a fixed list; returns its position.
int choice(const YAML::Node& map, const char* key, std::initializer_list<const char*> words,
           int fallback) {
    const YAML::Node n = map[key];
    if (!n) return fallback;
    if (n.IsScalar()) {
        int i = 0;
        for (const char* w : words) {
            if (n.Scalar() == w) return i;
            ++i;
        }
    }
    std::string list;
    for (const char* w : words) list += std::string(list.empty() ? "" : ", ") + w;
    fail(n, std::string(key) + ": expected one of " + list);
}

std::uint16_t tenths(const YAML::Node& map, const char* key, std::uint16_t fallback, double lo) {
    if (!map[key]) return fallback;
    return static_cast<std::uint16_t>(std::lround(number(map, key, lo, 999.9, 0) * 10));
}

void readHead(const YAML::Node& n, HeadConfig& h) {
    onlyKeys(n, {"present", "wavelength", "hours", "max_temperature", "temperature",
                 "min_intensity", "max_irradiance", "max_power", "measures", "calibrated",
                 "calibration_hours", "percent", "irradiance", "power", "exposure"});
    h.presence = static_cast<Presence>(
        choice(n, "present", {"none", "disconnected", "connected"}, static_cast<int>(h.presence)));
    h.wavelength = whole<std::uint16_t>(n, "wavelength", 200, 1000, h.wavelength);
    h.ledHours = number(n, "hours", 0, 65535, h.ledHours);
    h.maxTemperature = whole<std::uint8_t>(n, "max_temperature", 30, 150, h.maxTemperature);
    h.temperature = number(n, "temperature", 0, 150, h.temperature);
    h.minIntensity = whole<std::uint8_t>(n, "min_intensity", 0, 100, h.minIntensity);
    h.maxIrradiance = static_cast<float>(number(n, "max_irradiance", 0, 100, h.maxIrradiance));
    h.maxPower = static_cast<float>(number(n, "max_power", 0, 100, h.maxPower));
    h.measures =
        choice(n, "measures", {"irradiance", "power"}, h.measures == Quantity::Power ? 1 : 0)
            ? Quantity::Power
            : Quantity::Irradiance;
    h.calibratedIn = static_cast<Quantity>(
        choice(n, "calibrated", {"none", "irradiance", "power"}, static_cast<int>(h.calibratedIn)));
    h.calibrationHours = whole<std::uint16_t>(n, "calibration_hours", 0, 65535, h.calibrationHours);
    h.percent = whole<std::uint16_t>(n, "percent", h.minIntensity, 100, h.percent);
    h.irradiance = static_cast<float>(number(n, "irradiance", 0, h.maxIrradiance, h.irradiance));
    h.power = static_cast<float>(number(n, "power", 0, h.maxPower, h.power));
    h.exposureTime = tenths(n, "exposure", h.exposureTime, 0.1);
}

void readRow(const YAML::Node& n, UnitConfig& u) {
    onlyKeys(n, {"row", "head", "time", "intensity", "dwell", "source", "repeat", "calibration"});
    if (!n["row"]) fail(n, "a Rampline row needs \"row\" (1 to 32)");
    const int row = whole<int>(n, "row", 1, kRamplineRows, 1);
    RamplineRow& r = u.rampline[row - 1];
    r.head = static_cast<std::uint8_t>(choice(n, "head", {"0", "1", "2", "3", "4", "R"}, 0));
    r.expTime = tenths(n, "time", 0, 0);
    r.intensity = static_cast<float>(number(n, "intensity", 0, 100, 0));
    r.dwell = tenths(n, "dwell", 0, 0);
    r.source = static_cast<std::uint8_t>(choice(
        n, "source", {"", "FP1", "FP2", "FP3", "FP4", "PLC1", "PLC2", "PLC3", "PLC4", "PC"}, 0));
    r.repeat = whole<std::uint8_t>(n, "repeat", 0, 255, 0);
    r.calibration =
        static_cast<std::uint8_t>(choice(n, "calibration", {"percent", "irradiance", "power"}, 0));
}

DeviceConfig readDevice(const YAML::Node& n, int index) {
    onlyKeys(n, {"active", "serial", "software_version", "count_mode", "card", "plc_logic",
                 "plc_delay", "head_association", "language", "screen", "system_log_records",
                 "calibration_log_records", "heads", "rampline", "files"});
    DeviceConfig d{true, defaultUnit(static_cast<std::uint16_t>(7001 + index), 101)};
    UnitConfig& u = d.unit;
    d.active = flag(n, "active", true);
    u.serial = whole<std::uint16_t>(n, "serial", 0, 65535, u.serial);
    u.softwareVersion = whole<std::uint16_t>(n, "software_version", 0, 65535, u.softwareVersion);
    u.countMode = static_cast<std::uint8_t>(choice(n, "count_mode", {"up", "down"}, u.countMode));
    u.cardPresent = flag(n, "card", u.cardPresent);
    u.plcLogic = whole<std::uint8_t>(n, "plc_logic", 0, 1, u.plcLogic);
    u.plcDelay = whole<std::int16_t>(n, "plc_delay", -30000, 30000, u.plcDelay);
    u.headAssociation = whole<std::uint8_t>(n, "head_association", 0, 4, u.headAssociation);
    u.language = whole<std::uint8_t>(n, "language", 0, 255, u.language);
    u.screen = whole<std::uint8_t>(n, "screen", 0, 20, u.screen);
    u.systemLogRecords = whole<int>(n, "system_log_records", 0, 200000, u.systemLogRecords);
    u.calibrationLogRecords =
        whole<int>(n, "calibration_log_records", 0, 200000, u.calibrationLogRecords);
    if (const YAML::Node heads = n["heads"]) {
        if (!heads.IsSequence() || heads.size() > kHeads)
            fail(heads, "heads: expected a list of at most 4 heads");
        for (std::size_t h = 0; h < heads.size(); ++h) readHead(heads[h], u.heads[h]);
    }
    if (const YAML::Node rows = n["rampline"]) {
        if (!rows.IsSequence()) fail(rows, "rampline: expected a list of rows");
        u.rampline = {};
        for (const auto& row : rows) readRow(row, u);
    }
    if (const YAML::Node files = n["files"]) {
        if (!files.IsMap()) fail(files, "files: expected file names with their lines");
        for (const auto& f : files) {
            if (!f.second.IsSequence())
                fail(f.second, "files: the lines of a file are a list of texts");
            auto& lines = u.files[f.first.as<std::string>()];
            for (const auto& line : f.second) {
                if (!line.IsScalar()) fail(line, "files: a line is a text");
                lines.push_back(line.Scalar());
            }
        }
    }
    return d;
}

TimedEvent readEvent(const YAML::Node& n, std::size_t deviceCount) {
    onlyKeys(n, {"at", "do"});
    if (!n["at"] || !n["do"]) fail(n, "an event needs \"at\" (seconds) and \"do\" (what happens)");
    const double at = number(n, "at", 0, 1e7, 0);
    if (!n["do"].IsScalar()) fail(n["do"], "do: expected an event such as \"door-lock 0\"");
    std::string why;
    const auto event = parseEvent(n["do"].Scalar(), why);
    if (!event) fail(n["do"], "do: " + why);
    if (static_cast<std::size_t>(event->device) >= deviceCount)
        fail(n["do"], "do: there is no device " + std::to_string(event->device));
    return {static_cast<std::int64_t>(std::llround(at * 1000)), *event};
}

}  // namespace

ScenarioResult parseScenario(const std::string& text, const std::string& fileName) {
    try {
        const YAML::Node root = YAML::Load(text);
        SimulationConfig config = defaultConfig();
        if (root.IsNull()) return config;
        onlyKeys(root, {"devices", "events"});
        if (const YAML::Node devices = root["devices"]) {
            if (!devices.IsSequence() || devices.size() == 0 || devices.size() > 64)
                fail(devices, "devices: expected a list of 1 to 64 devices");
            config.devices.clear();
            for (std::size_t i = 0; i < devices.size(); ++i)
                config.devices.push_back(readDevice(devices[i], static_cast<int>(i)));
        }
        if (const YAML::Node events = root["events"]) {
            if (!events.IsSequence()) fail(events, "events: expected a list of events");
            for (const auto& e : events)
                config.timeline.push_back(readEvent(e, config.devices.size()));
        }
        return config;
    } catch (const YAML::Exception& e) {
        return ScenarioError{fileName, e.mark.line + 1, e.msg};
    } catch (const Problem& p) {
        return ScenarioError{fileName, p.line, p.text};
    }
}

ScenarioResult loadScenarioFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return ScenarioError{path, 0, "cannot be read"};
    std::ostringstream text;
    text << in.rdbuf();
    return parseScenario(text.str(), path);
}

}  // namespace sim
