// The panel's own cost of one polling tick, with a device library whose calls cost nothing:
// a quiet tick (nothing lit, no calibration, no slower refresh due) and a tick with four lit
// heads.

#include <benchmark/benchmark.h>

#include "app/zq_control_panel_dlg.h"
#include "device/entry_points.h"
#include "platform/module_loader.h"
#include "platform/test/test_platform.h"

namespace {

// A unit that answers at once: connected, four heads present, optionally all lit.
struct FreeUnit {
    static inline std::uint16_t headWord = 0x0060;
    static std::uint16_t count() { return 1; }
    static int yes(std::uint16_t) { return 1; }
    static int serial(std::uint16_t, std::uint16_t* s) { return *s = 7001, 1; }
    static int status(std::uint16_t, std::uint16_t* a, std::uint16_t* b, std::uint16_t* c,
                      std::uint16_t* d, std::uint16_t* flags) {
        *a = *b = *c = *d = headWord;
        *flags = 0;
        return 1;
    }
    static int counts(std::uint16_t, std::uint16_t* c, int) {
        for (int h = 0; h < 4; ++h) c[h] = 42;
        return 1;
    }
    static int anything() { return 1; }  // reads that leave their outputs as they are
};

class FreeLoader final : public platform::ModuleLoader {
  public:
    std::uint32_t versionInfoSize(const std::string&) override { return 52; }
    std::vector<std::uint8_t> versionInfo(const std::string&, std::uint32_t) override {
        std::vector<std::uint8_t> block(52, 0);
        const std::uint32_t words[3] = {platform::kFixedFileInfoSignature, 0x00010000, 0x00010000};
        for (int i = 0; i < 12; ++i)
            block[i] = static_cast<std::uint8_t>(words[i / 4] >> (8 * (i % 4)));
        return block;
    }
    std::span<const std::uint8_t> rootBlock(const std::vector<std::uint8_t>& info) override {
        return info;
    }
    platform::ModuleHandle load(const std::string&, long&) override { return this; }
    void* symbol(platform::ModuleHandle, const char* name) override {
        const std::string n = name;
        if (n == "GetNumDevicesConnected") return reinterpret_cast<void*>(&FreeUnit::count);
        if (n == "DeviceActive" || n == "SendConnect")
            return reinterpret_cast<void*>(&FreeUnit::yes);
        if (n == "GetUnitSerialNumber") return reinterpret_cast<void*>(&FreeUnit::serial);
        if (n == "GetUnitStatus") return reinterpret_cast<void*>(&FreeUnit::status);
        if (n == "GetExposureCount") return reinterpret_cast<void*>(&FreeUnit::counts);
        return reinterpret_cast<void*>(&FreeUnit::anything);
    }
    void unload(platform::ModuleHandle) override {}
};

class TickingPanel : public app::CZQControlPanelDlg {
  public:
    using CZQControlPanelDlg::CZQControlPanelDlg;
    void tick() { OnTimer(app::kPollTimer); }
};

void runTicks(benchmark::State& state, std::uint16_t headWord) {
    FreeUnit::headWord = headWord;
    FreeLoader loader;
    platform::test::TestPlatform platform(loader);
    TickingPanel panel(platform);
    platform.create(panel);
    platform.windowOf(panel)->click(res::IDC_CONNECT);
    panel.tick();
    panel.tick();
    for (auto _ : state) {
        // Hold the slower refreshes off: every tick stays an ordinary one.
        panel.tickCounter = 49;
        panel.temperatureCountdown = 10;
        panel.tick();
    }
}

void QuietTick(benchmark::State& state) {
    runTicks(state, 0x0060);
}
void FourLitHeadsTick(benchmark::State& state) {
    runTicks(state, 0x0061);
}

BENCHMARK(QuietTick);
BENCHMARK(FourLitHeadsTick);

}  // namespace

BENCHMARK_MAIN();
