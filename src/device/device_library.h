#pragma once
// The loaded device library: its module handle and one bound pointer per entry point.

#include <functional>
#include <string>

#include "device/ZQ700Comm.h"
#include "device/entry_points.h"
#include "platform/module_loader.h"

namespace device {

inline constexpr const char* kLibraryName = "ZQ700Comm.dll";
inline constexpr int kEntryPointCount = 64;

struct DeviceLibrary {
    platform::ModuleHandle module = nullptr;
#define ZQ700_DECLARE_POINTER(name) decltype(&::name) name = nullptr;
    ZQ700_ENTRY_POINTS(ZQ700_DECLARE_POINTER)
#undef ZQ700_DECLARE_POINTER
};

// Shows one failure message (text, caption); the caller owns the window it belongs to.
using ShowFailure = std::function<void(const std::string& text, const std::string& caption)>;

// Probes the library's version, loads it, checks the version and binds all entry points.
// On failure shows exactly one message and returns false; a library that was loaded stays
// loaded (its handle in `library.module`) until FreeDeviceLibrary.
bool LoadDeviceLibrary(DeviceLibrary& library, platform::ModuleLoader& loader,
                       const ShowFailure& showFailure);

// Frees the library when one is loaded.
void FreeDeviceLibrary(DeviceLibrary& library, platform::ModuleLoader& loader);

}  // namespace device
