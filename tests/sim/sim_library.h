#pragma once
// The built simulated library, loaded as the panel loads it, with its test controls.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "device/device_library.h"
#include "platform/posix/posix_module_loader.h"

namespace sim_test {

struct SimLibrary {
    SimLibrary() {
        ::setenv("ZQ700_SIM_SOCKET", "off", 1);
        const bool ok = device::LoadDeviceLibrary(
            lib, loader, [](const std::string& t, const std::string&) { ADD_FAILURE() << t; });
        EXPECT_TRUE(ok);
        reset =
            reinterpret_cast<int (*)(const char*, int)>(loader.symbol(lib.module, "ZQSim_Reset"));
        advanceMs =
            reinterpret_cast<int (*)(std::uint32_t)>(loader.symbol(lib.module, "ZQSim_Advance"));
        event = reinterpret_cast<int (*)(const char*)>(loader.symbol(lib.module, "ZQSim_Event"));
        lastError =
            reinterpret_cast<const char* (*)()>(loader.symbol(lib.module, "ZQSim_LastError"));
    }
    ~SimLibrary() { device::FreeDeviceLibrary(lib, loader); }

    platform::posix::PosixModuleLoader loader{{ZQ_BIN_DIR}};
    device::DeviceLibrary lib;
    int (*reset)(const char*, int) = nullptr;
    int (*advanceMs)(std::uint32_t) = nullptr;
    int (*event)(const char*) = nullptr;
    const char* (*lastError)() = nullptr;
};

}  // namespace sim_test
