#pragma once
// The simulated units in-process, behind a module loader whose every entry point records
// its call before it reaches them. The units' clock follows the test platform's virtual
// clock, so the panel's ticks and the units' time run together.

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "device/ZQ700Comm.h"
#include "device/entry_points.h"
#include "platform/test/test_platform.h"
#include "sim/library/sim_control.h"
#include "unit/fake_module_loader.h"

namespace testing_support {

class RecordingLibrary {
  public:
    // Starts the units afresh from `scenario` (YAML; nullptr: the default units).
    explicit RecordingLibrary(const char* scenario = nullptr) {
        ::setenv("ZQ700_SIM_SOCKET", "off", 1);
        const int started = ZQSim_Reset(scenario, 1);
        if (!started) throw std::runtime_error(ZQSim_LastError());
        current() = this;
#define ZQ700_RECORD(name)                             \
    names()[reinterpret_cast<void*>(&::name)] = #name; \
    loader.exports[#name] = reinterpret_cast<void*>(&Recorded<&::name>::call);
        ZQ700_ENTRY_POINTS(ZQ700_RECORD)
#undef ZQ700_RECORD
    }
    ~RecordingLibrary() {
        current() = nullptr;
    }

    // The units' time follows this platform's clock from now on.
    void follow(const platform::test::TestPlatform& platform) {
        platform_ = &platform;
    }
    void event(const char* text) {
        sync();
        if (!ZQSim_Event(text)) throw std::runtime_error(ZQSim_LastError());
    }
    void clear() {
        calls.clear();
    }
    std::size_t count(const std::string& name) const {
        std::size_t n = 0;
        for (const auto& c : calls) n += c == name;
        return n;
    }

    FakeModuleLoader loader;
    std::vector<std::string> calls;

  private:
    template <auto F>
    struct Recorded;
    template <typename R, typename... A, R (*F)(A...)>
    struct Recorded<F> {
        static R call(A... args) {
            if (RecordingLibrary* self = current()) {
                self->calls.push_back(names()[reinterpret_cast<void*>(F)]);
                self->sync();
            }
            return F(args...);
        }
    };

    void sync() {
        if (!platform_) return;
        const std::uint64_t now = platform_->now();
        if (now > unitTime_) ZQSim_Advance(static_cast<std::uint32_t>(now - unitTime_));
        unitTime_ = now;
    }

    static RecordingLibrary*& current() {
        static RecordingLibrary* instance = nullptr;
        return instance;
    }
    static std::map<void*, std::string>& names() {
        static std::map<void*, std::string> table;
        return table;
    }

    const platform::test::TestPlatform* platform_ = nullptr;
    std::uint64_t unitTime_ = 0;
};

}  // namespace testing_support
