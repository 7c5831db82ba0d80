// The simulated units' device library: the entry points of the contract over one set of
// simulated units. Every call checks its arguments, takes the units' lock and lets unit
// time run before it acts; a refused call returns 0 and writes nothing.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <mutex>

#include "device/ZQ700Comm.h"
#include "platform/posix/file_version_note.h"
#include "sim/library/event_server.h"
#include "sim/library/sim_control.h"
#include "sim/model/simulation.h"
#include "sim/scenario/scenario.h"

ZQ_FILE_VERSION_NOTE(1, 0, 0, 0);

#define ZQ_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

using namespace sim;

constexpr int kCalibrationBytes = 6;
constexpr std::size_t kLongestName = 255;

// The unit clock: the PC's local time at start, a couple of minutes behind, as units are.
std::time_t unitClockStart() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return now + local.tm_gmtoff - 137;
}

class Library {
  public:
    Library() {
        SimulationConfig config = defaultConfig();
        if (const char* path = std::getenv("ZQ700_SIM_SCENARIO"); path && *path) {
            ScenarioResult r = loadScenarioFile(path);
            if (auto* error = std::get_if<ScenarioError>(&r))
                std::fprintf(
                    stderr,
                    "ZQ700 simulator: %s\nZQ700 simulator: starting with the default units\n",
                    error->message().c_str());
            else
                config = std::get<SimulationConfig>(std::move(r));
        }
        clock_ = std::make_unique<SteadyClock>();
        simulation_ = std::make_unique<Simulation>(config, *clock_, unitClockStart());
        startEventServer();
    }

    std::mutex mutex;

    Simulation& simulation() {
        simulation_->advance();
        return *simulation_;
    }

    bool reset(const char* scenario, bool manual) {
        SimulationConfig config = defaultConfig();
        if (scenario) {
            ScenarioResult r = parseScenario(scenario, "scenario");
            if (auto* error = std::get_if<ScenarioError>(&r)) {
                lastError = error->message();
                return false;
            }
            config = std::get<SimulationConfig>(std::move(r));
        }
        manual_ = manual ? new ManualClock : nullptr;
        std::unique_ptr<Clock> clock =
            manual ? std::unique_ptr<Clock>(manual_) : std::make_unique<SteadyClock>();
        simulation_ = std::make_unique<Simulation>(config, *clock, unitClockStart());
        clock_ = std::move(clock);
        return true;
    }

    bool advance(std::uint32_t ms) {
        if (!manual_) return false;
        manual_->advance(ms);
        return true;
    }

    std::string apply(const std::string& text) {
        std::string why;
        const auto event = parseEvent(text, why);
        if (!event) return why;
        if (!simulation().apply(*event)) return "no such device or head";
        return {};
    }

    std::string socketPath() const { return server_ ? server_->path() : std::string(); }
    std::string lastError;

  private:
    void startEventServer() {
        const char* setting = std::getenv("ZQ700_SIM_SOCKET");
        if (setting && std::strcmp(setting, "off") == 0) return;
        std::string path;
        if (setting && *setting) {
            path = setting;
        } else {
            const char* dir = std::getenv("XDG_RUNTIME_DIR");
            path = std::string(dir && *dir ? dir : "/tmp") + "/zq700-sim-" +
                   std::to_string(::getpid()) + ".sock";
        }
        server_ = std::make_unique<EventServer>(path, [this](const std::string& line) {
            std::lock_guard lock(mutex);
            return apply(line);
        });
        std::string error;
        if (!server_->start(error)) {
            std::fprintf(stderr, "ZQ700 simulator: no event socket: %s\n", error.c_str());
            server_.reset();
            return;
        }
        std::fprintf(stderr, "ZQ700 simulator: %u devices; events: zq700-sim-event --socket %s\n",
                     unsigned{simulation_->deviceCount()}, path.c_str());
    }

    std::unique_ptr<Clock> clock_;
    ManualClock* manual_ = nullptr;
    std::unique_ptr<Simulation> simulation_;
    std::unique_ptr<EventServer> server_;  // last: stops before the units go
};

Library& library() {
    static Library instance;
    return instance;
}

// The locked simulation, for the length of one call.
struct Call {
    std::lock_guard<std::mutex> lock{library().mutex};
    Simulation& sim = library().simulation();
    Unit* connected(std::uint16_t dev) { return sim.connectedUnit(dev); }
};

// Copies a text into the caller's buffer: at most size - 1 bytes, always terminated.
void copyText(const std::string& text, char* buffer, int size) {
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

template <typename... P>
bool allSet(P*... p) {
    return ((p != nullptr) && ...);
}

template <typename T>
std::array<T, kHeads> headArray(const T* values) {
    std::array<T, kHeads> a{};
    std::memcpy(a.data(), values, sizeof(T) * kHeads);
    return a;
}

template <typename T, typename Get>
int readArray(std::uint16_t dev, T* out, int count, Get get) {
    if (!out || count != kHeads) return 0;
    Call call;
    Unit* u = call.connected(dev);
    if (!u) return 0;
    const auto values = get(*u);
    std::memcpy(out, values.data(), sizeof(T) * kHeads);
    return 1;
}

template <typename T, typename Get>
int readPerHead(std::uint16_t dev, T* a, T* b, T* c, T* d, Get get) {
    if (!allSet(a, b, c, d)) return 0;
    Call call;
    Unit* u = call.connected(dev);
    if (!u) return 0;
    T* out[kHeads] = {a, b, c, d};
    for (int h = 0; h < kHeads; ++h) *out[h] = get(*u, h);
    return 1;
}

template <typename T, typename Set>
int writeArray(std::uint16_t dev, const T* values, int count, Set set) {
    if (!values || count != kHeads) return 0;
    Call call;
    Unit* u = call.connected(dev);
    return u && set(*u, headArray(values)) ? 1 : 0;
}

template <typename T, typename Get>
int readOne(std::uint16_t dev, T* out, Get get) {
    if (!out) return 0;
    Call call;
    Unit* u = call.connected(dev);
    if (!u) return 0;
    *out = get(*u);
    return 1;
}

template <typename Act>
int act(std::uint16_t dev, Act action) {
    Call call;
    Unit* u = call.connected(dev);
    return u && action(*u) ? 1 : 0;
}

}  // namespace

// ---------------------------------------------------------------- devices and connection

ZQ_EXPORT uint16_t GetNumDevicesConnected(void) {
    return Call{}.sim.deviceCount();
}

ZQ_EXPORT int DeviceActive(uint16_t dev) {
    return Call{}.sim.active(dev) ? 1 : 0;
}

ZQ_EXPORT int SendConnect(uint16_t dev) {
    Call call;
    if (!call.sim.active(dev)) return 0;
    call.sim.unit(dev)->connect();
    return 1;
}

ZQ_EXPORT int SendDisConnect(uint16_t dev) {
    Call call;
    Unit* u = call.connected(dev);
    if (!u) return 0;
    u->disconnect();
    return 1;
}

ZQ_EXPORT int GetUnitSerialNumber(uint16_t dev, uint16_t* serial) {
    if (!serial) return 0;
    Call call;
    if (!call.sim.active(dev)) return 0;
    *serial = call.sim.unit(dev)->serial();
    return 1;
}

ZQ_EXPORT int GetSoftwareVersion(uint16_t dev, uint16_t* version) {
    return readOne(dev, version, [](Unit& u) { return u.softwareVersion(); });
}

// ---------------------------------------------------------------- status

ZQ_EXPORT int GetUnitStatus(uint16_t dev, uint16_t* h1, uint16_t* h2, uint16_t* h3, uint16_t* h4,
                            uint16_t* flags) {
    if (!allSet(h1, h2, h3, h4, flags)) return 0;
    Call call;
    Unit* u = call.connected(dev);
    if (!u) return 0;
    const auto words = u->statusWords();
    uint16_t* out[5] = {h1, h2, h3, h4, flags};
    for (int i = 0; i < 5; ++i) *out[i] = words[i];
    return 1;
}

ZQ_EXPORT int GetHeadHours(uint16_t dev, uint16_t* a, uint16_t* b, uint16_t* c, uint16_t* d) {
    return readPerHead(dev, a, b, c, d, [](Unit& u, int h) { return u.headHours(h); });
}

ZQ_EXPORT int GetCalibrationTime(uint16_t dev, uint16_t* a, uint16_t* b, uint16_t* c, uint16_t* d) {
    return readPerHead(dev, a, b, c, d, [](Unit& u, int h) { return u.calibrationHours(h); });
}

ZQ_EXPORT int GetHeadWaveLength(uint16_t dev, uint16_t* a, uint16_t* b, uint16_t* c, uint16_t* d) {
    return readPerHead(dev, a, b, c, d, [](Unit& u, int h) { return u.wavelength(h); });
}

ZQ_EXPORT int ReturnTemperatureReading(uint16_t dev, uint8_t* a, uint8_t* b, uint8_t* c,
                                       uint8_t* d) {
    return readPerHead(dev, a, b, c, d, [](Unit& u, int h) { return u.temperature(h); });
}

ZQ_EXPORT int GetMaximumTemperatures(uint16_t dev, uint8_t* a, uint8_t* b, uint8_t* c, uint8_t* d) {
    return readPerHead(dev, a, b, c, d, [](Unit& u, int h) { return u.maxTemperature(h); });
}

ZQ_EXPORT int GetExposureCount(uint16_t dev, uint16_t* counts, int count) {
    return readArray(dev, counts, count, [](Unit& u) { return u.exposureCounts(); });
}

ZQ_EXPORT int GetScreen(uint16_t dev, uint8_t* screen) {
    return readOne(dev, screen, [](Unit& u) { return u.screen(); });
}

ZQ_EXPORT int SetScreen(uint16_t dev, uint8_t screen) {
    return act(dev, [screen](Unit& u) { return u.setScreen(screen); });
}

// ---------------------------------------------------------------- intensity

ZQ_EXPORT int GetPercentageLevel(uint16_t dev, uint16_t* levels, int count) {
    return readArray(dev, levels, count, [](Unit& u) { return u.percentLevels(); });
}

ZQ_EXPORT int SetPercentageLevel(uint16_t dev, uint16_t* levels, int count) {
    return writeArray(dev, levels, count,
                      [](Unit& u, const auto& v) { return u.setPercentLevels(v); });
}

ZQ_EXPORT int GetPower(uint16_t dev, float* power, int count) {
    return readArray(dev, power, count, [](Unit& u) { return u.powerLevels(); });
}

ZQ_EXPORT int SetPower(uint16_t dev, float* power, int count) {
    return writeArray(dev, power, count,
                      [](Unit& u, const auto& v) { return u.setPowerLevels(v); });
}

ZQ_EXPORT int GetIrradiance(uint16_t dev, float* irradiance, int count) {
    return readArray(dev, irradiance, count, [](Unit& u) { return u.irradianceLevels(); });
}

ZQ_EXPORT int SetIrradiance(uint16_t dev, float* irradiance, int count) {
    return writeArray(dev, irradiance, count,
                      [](Unit& u, const auto& v) { return u.setIrradianceLevels(v); });
}

ZQ_EXPORT int GetMaxPower(uint16_t dev, float* maxPower, int count) {
    return readArray(dev, maxPower, count, [](Unit& u) { return u.maxPower(); });
}

ZQ_EXPORT int GetMaxIrradiance(uint16_t dev, float* maxIrradiance, int count) {
    return readArray(dev, maxIrradiance, count, [](Unit& u) { return u.maxIrradiance(); });
}

ZQ_EXPORT int GetMinInt(uint16_t dev, uint8_t* minIntensity, int count) {
    return readArray(dev, minIntensity, count, [](Unit& u) { return u.minIntensity(); });
}

// ---------------------------------------------------------------- exposure

ZQ_EXPORT int GetExposureTimes(uint16_t dev, uint16_t* times, int count) {
    return readArray(dev, times, count, [](Unit& u) { return u.exposureTimes(); });
}

ZQ_EXPORT int SetExposureTimes(uint16_t dev, uint16_t* times, int count) {
    return writeArray(dev, times, count,
                      [](Unit& u, const auto& v) { return u.setExposureTimes(v); });
}

ZQ_EXPORT int GetCountMode(uint16_t dev, uint8_t* mode) {
    return readOne(dev, mode, [](Unit& u) { return u.countMode(); });
}

ZQ_EXPORT int SetCountMode(uint16_t dev, uint8_t mode) {
    return act(dev, [mode](Unit& u) { return u.setCountMode(mode); });
}

ZQ_EXPORT int RunExposure(uint16_t dev, uint8_t* onOff, int count) {
    return writeArray(dev, onOff, count, [](Unit& u, const auto& v) {
        u.runExposure(v);
        return true;
    });
}

// ---------------------------------------------------------------- calibration and alarms

ZQ_EXPORT int PerformCalibration(uint16_t dev, uint8_t* heads, int count) {
    return writeArray(dev, heads, count, [](Unit& u, const auto& v) {
        u.performCalibration(v);
        return true;
    });
}

ZQ_EXPORT int GetCalibration(uint16_t dev, uint8_t* state, int count) {
    if (!state || count != kCalibrationBytes) return 0;
    Call call;
    Unit* u = call.connected(dev);
    if (!u) return 0;
    const auto bytes = u->calibrationState();
    std::memcpy(state, bytes.data(), bytes.size());
    return 1;
}

ZQ_EXPORT int ClearCalibration(uint16_t dev, uint8_t* heads, int count) {
    return writeArray(dev, heads, count, [](Unit& u, const auto& v) {
        u.clearCalibration(v);
        return true;
    });
}

ZQ_EXPORT int ClearAlarm(uint16_t dev) {
    return act(dev, [](Unit& u) {
        u.clearAlarm();
        return true;
    });
}

// ---------------------------------------------------------------- SD card

ZQ_EXPORT int ZQOpenFile(uint16_t dev, const char* name) {
    if (!name) return 0;
    const std::size_t length = ::strnlen(name, kLongestName + 1);
    if (length > kLongestName) return 0;
    return act(dev, [&](Unit& u) { return u.openFile(std::string_view(name, length)); });
}

ZQ_EXPORT int GetNumLinesInFile(uint16_t dev, uint32_t* lines) {
    if (!lines) return 0;
    Call call;
    Unit* u = call.connected(dev);
    const auto n = u ? u->lineCount() : std::nullopt;
    if (!n) return 0;
    *lines = *n;
    return 1;
}

ZQ_EXPORT int ReadFileLine(uint16_t dev, char* buffer, int size, uint32_t line) {
    if (!buffer || size <= 0) return 0;
    Call call;
    Unit* u = call.connected(dev);
    const std::string* text = u ? u->line(line) : nullptr;
    if (!text) return 0;
    copyText(*text, buffer, size);
    return 1;
}

// ---------------------------------------------------------------- Rampline

ZQ_EXPORT int GetRLRow(uint16_t dev, uint8_t row, uint8_t* head, uint16_t* expTime,
                       float* intensity, uint16_t* dwell, uint8_t* source, uint8_t* repeat,
                       uint8_t* calibration) {
    if (!allSet(head, expTime, intensity, dwell, source, repeat, calibration)) return 0;
    Call call;
    Unit* u = call.connected(dev);
    const auto r = u ? u->ramplineRow(row) : std::nullopt;
    if (!r) return 0;
    *head = r->head;
    *expTime = r->expTime;
    *intensity = r->intensity;
    *dwell = r->dwell;
    *source = r->source;
    *repeat = r->repeat;
    *calibration = r->calibration;
    return 1;
}

ZQ_EXPORT int SetRLRow(uint16_t dev, uint8_t row, uint8_t head, uint16_t expTime, float intensity,
                       uint16_t dwell, uint8_t source, uint8_t repeat, uint8_t calibration) {
    return act(dev, [&](Unit& u) {
        return u.setRamplineRow(row,
                                {head, expTime, intensity, dwell, source, repeat, calibration});
    });
}

// ---------------------------------------------------------------- settings

ZQ_EXPORT int GetRTC(uint16_t dev, char* buffer, int size) {
    if (!buffer || size <= 0) return 0;
    Call call;
    Unit* u = call.connected(dev);
    if (!u) return 0;
    copyText(u->clockText(), buffer, size);
    return 1;
}

ZQ_EXPORT int SetRTC(uint16_t dev, const char* text, int length) {
    if (!text || length <= 0) return 0;
    const std::size_t n = ::strnlen(text, static_cast<std::size_t>(length));
    return act(dev, [&](Unit& u) { return u.setClock(std::string_view(text, n)); });
}

ZQ_EXPORT int GetPLCLogic(uint16_t dev, uint8_t* logic) {
    return readOne(dev, logic, [](Unit& u) { return u.plcLogic(); });
}

ZQ_EXPORT int SetPLCLogic(uint16_t dev, uint8_t logic) {
    return act(dev, [logic](Unit& u) { return u.setPlcLogic(logic); });
}

ZQ_EXPORT int GetPLCDelay(uint16_t dev, int16_t* delay) {
    return readOne(dev, delay, [](Unit& u) { return u.plcDelay(); });
}

ZQ_EXPORT int SetPLCDelay(uint16_t dev, int16_t delay) {
    return act(dev, [delay](Unit& u) { return u.setPlcDelay(delay); });
}

ZQ_EXPORT int GetHeadAss(uint16_t dev, uint8_t* association) {
    if (!association) return 0;
    Call call;
    Unit* u = call.connected(dev);
    if (!u || !u->headAssociationSupported()) return 0;
    *association = u->headAssociation();
    return 1;
}

ZQ_EXPORT int SetHeadAss(uint16_t dev, uint8_t association) {
    return act(dev, [association](Unit& u) { return u.setHeadAssociation(association); });
}

ZQ_EXPORT int GetLanguage(uint16_t dev, uint8_t* language) {
    return readOne(dev, language, [](Unit& u) { return u.language(); });
}

ZQ_EXPORT int SaveSettings(uint16_t dev) {
    return act(dev, [](Unit& u) {
        u.saveSettings();
        return true;
    });
}

// ---------------------------------------------------------------- never called by the panel
// The unit acknowledges them while connected and otherwise does nothing.

#define ZQ_ACKNOWLEDGE(name)                         \
    ZQ_EXPORT int name(uint16_t dev) {               \
        return act(dev, [](Unit&) { return true; }); \
    }
ZQ_ACKNOWLEDGE(UpdateData)
ZQ_ACKNOWLEDGE(SendIdentify)
ZQ_ACKNOWLEDGE(EnablePCShutterControl)
ZQ_ACKNOWLEDGE(GetUnitStatusext)
ZQ_ACKNOWLEDGE(GetIntensityLevel)
ZQ_ACKNOWLEDGE(CloseShutter)
ZQ_ACKNOWLEDGE(OpenShutter)
ZQ_ACKNOWLEDGE(LockFrontPanel)
ZQ_ACKNOWLEDGE(UnlockFrontPanel)
ZQ_ACKNOWLEDGE(DisableShutterControl)
ZQ_ACKNOWLEDGE(TurnCLFOff)
ZQ_ACKNOWLEDGE(TurnCLFOn)
ZQ_ACKNOWLEDGE(IncrementIrisSetting)
ZQ_ACKNOWLEDGE(DecrementIrisSetting)
ZQ_ACKNOWLEDGE(DisconnectPC)
ZQ_ACKNOWLEDGE(SetLanguage)

// ---------------------------------------------------------------- test control

ZQ_EXPORT int ZQSim_Reset(const char* scenario, int manual) {
    std::lock_guard lock(library().mutex);
    return library().reset(scenario, manual != 0) ? 1 : 0;
}

ZQ_EXPORT int ZQSim_Advance(uint32_t ms) {
    std::lock_guard lock(library().mutex);
    return library().advance(ms) ? 1 : 0;
}

ZQ_EXPORT int ZQSim_Event(const char* text) {
    if (!text) return 0;
    std::lock_guard lock(library().mutex);
    library().lastError = library().apply(text);
    return library().lastError.empty() ? 1 : 0;
}

ZQ_EXPORT const char* ZQSim_LastError(void) {
    std::lock_guard lock(library().mutex);
    return library().lastError.c_str();
}

ZQ_EXPORT const char* ZQSim_SocketPath(void) {
    static thread_local std::string path;
    std::lock_guard lock(library().mutex);
    path = library().socketPath();
    return path.c_str();
}
