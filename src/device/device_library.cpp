#include "device/device_library.h"

#include <cstdio>

namespace device {

namespace {

constexpr const char* kNoVersionText = "Unable to obtain DLL version information!";

// The first of the four numbers of the file version: the high half of file-version-MS.
unsigned fileVersionMajor(std::span<const std::uint8_t> rootBlock) {
    constexpr std::size_t kFileVersionMsWord = 2;
    return platform::fixedFileInfoWord(rootBlock, kFileVersionMsWord) >> 16;
}

bool bindEntryPoints(DeviceLibrary& library, platform::ModuleLoader& loader) {
    bool all = true;
#define ZQ700_BIND(name)                                                                           \
    library.name = reinterpret_cast<decltype(library.name)>(loader.symbol(library.module, #name)); \
    all = all && library.name != nullptr;
    ZQ700_ENTRY_POINTS(ZQ700_BIND)
#undef ZQ700_BIND
    return all;
}

}  // namespace

bool LoadDeviceLibrary(DeviceLibrary& library, platform::ModuleLoader& loader,
                       const ShowFailure& showFailure) {
    const std::uint32_t size = loader.versionInfoSize(kLibraryName);
    if (size == 0) {
        showFailure(kNoVersionText, "Quarrolume.DLL Module load failure");
        return false;
    }
    const std::vector<std::uint8_t> info = loader.versionInfo(kLibraryName, size);
    const std::span<const std::uint8_t> root = loader.rootBlock(info);
    if (root.size() != platform::kFixedFileInfoSize) {
        showFailure(kNoVersionText, "ZQ700Comm.DLL Module load failure");
        return false;
    }

    library.module = nullptr;
    long error = 0;
    library.module = loader.load(kLibraryName, error);
    if (!library.module) {
        std::string text = "DLL Module not Found!";
        if (error != platform::kErrorModNotFound) {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "DLL Module not Loaded! Error Code: %ld", error);
            text = buffer;
        }
        showFailure(text, "ZQComm.DLL Module load failure");
        return false;
    }

    if (fileVersionMajor(root) < 1) {
        showFailure("Incompatible DLL Version!", "ZQ700Comm.DLL Module load failure");
        return false;
    }
    if (!bindEntryPoints(library, loader)) {
        showFailure("Unable to load all DLL functions!", "ZQ700Comm.DLL Module load failure");
        return false;
    }
    return true;
}

void FreeDeviceLibrary(DeviceLibrary& library, platform::ModuleLoader& loader) {
    if (!library.module) return;
    loader.unload(library.module);
    library.module = nullptr;
}

}  // namespace device
