// A program that runs the simulated units in a process of its own, for the event tool's
// tests: it loads the library, connects to device 0, says "ready" with the device count, and
// reports "locked" once device 0's door locks (or gives up after 20 s).

#include <chrono>
#include <cstdio>
#include <thread>

#include "device/device_library.h"
#include "platform/posix/posix_module_loader.h"

int main() {
    platform::posix::PosixModuleLoader loader({ZQ_BIN_DIR});
    device::DeviceLibrary lib;
    if (!device::LoadDeviceLibrary(lib, loader, [](const std::string& t, const std::string&) {
            std::fprintf(stderr, "%s\n", t.c_str());
        }))
        return 3;
    const unsigned devices = lib.GetNumDevicesConnected();
    lib.SendConnect(0);
    std::printf("ready %u\n", devices);
    std::fflush(stdout);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < until) {
        std::uint16_t w[5] = {};
        lib.GetUnitStatus(0, &w[0], &w[1], &w[2], &w[3], &w[4]);
        if (w[4] & 0x0002) {
            std::printf("locked\n");
            device::FreeDeviceLibrary(lib, loader);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    device::FreeDeviceLibrary(lib, loader);
    return 4;
}
