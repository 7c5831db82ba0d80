#include "device/device_library.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "unit/fake_module_loader.h"

namespace {

using ::testing::ElementsAre;
using testing_support::FakeModuleLoader;
using testing_support::fixedFileInfo;

struct Shown {
    std::string text;
    std::string caption;
};

struct LoadResult {
    bool ok;
    std::vector<Shown> shown;
};

LoadResult load(FakeModuleLoader& loader, device::DeviceLibrary& library) {
    LoadResult r;
    r.ok =
        device::LoadDeviceLibrary(library, loader, [&](const std::string& t, const std::string& c) {
            r.shown.push_back({t, c});
        });
    return r;
}

struct FailureCase {
    const char* name;
    void (*arrange)(FakeModuleLoader&);
    const char* text;
    const char* caption;
    bool loadedAfterwards;
};

const FailureCase kFailures[] = {
    {"no_file", [](FakeModuleLoader& l) { l.present = false; },
     "Unable to obtain DLL version information!", "Quarrolume.DLL Module load failure", false},
    {"short_root_block", [](FakeModuleLoader& l) { l.version = fixedFileInfo(1, 0, 48); },
     "Unable to obtain DLL version information!", "ZQ700Comm.DLL Module load failure", false},
    {"no_signature", [](FakeModuleLoader& l) { l.version.assign(52, 0); },
     "Unable to obtain DLL version information!", "ZQ700Comm.DLL Module load failure", false},
    {"not_found", [](FakeModuleLoader& l) { l.loadError = 126; }, "DLL Module not Found!",
     "ZQComm.DLL Module load failure", false},
    {"other_processor", [](FakeModuleLoader& l) { l.loadError = 193; },
     "DLL Module not Loaded! Error Code: 193", "ZQComm.DLL Module load failure", false},
    {"unresolved_symbol", [](FakeModuleLoader& l) { l.loadError = 127; },
     "DLL Module not Loaded! Error Code: 127", "ZQComm.DLL Module load failure", false},
    {"version_0_9", [](FakeModuleLoader& l) { l.version = fixedFileInfo(0, 9); },
     "Incompatible DLL Version!", "ZQ700Comm.DLL Module load failure", true},
    {"missing_export", [](FakeModuleLoader& l) { l.missing = {"GetRTC"}; },
     "Unable to load all DLL functions!", "ZQ700Comm.DLL Module load failure", true},
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class LoadFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(LoadFailure, ShowsOneMessageAndKeepsTheLibraryAsTheTableSays) {
    FakeModuleLoader loader;
    GetParam().arrange(loader);
    device::DeviceLibrary library;
    const LoadResult r = load(loader, library);
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(r.shown.size(), 1u);
    EXPECT_EQ(r.shown[0].text, GetParam().text);
    EXPECT_EQ(r.shown[0].caption, GetParam().caption);
    EXPECT_EQ(library.module != nullptr, GetParam().loadedAfterwards);
    device::FreeDeviceLibrary(library, loader);
    EXPECT_EQ(loader.loaded, 0);
}

INSTANTIATE_TEST_SUITE_P(Table, LoadFailure, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadDeviceLibrary, AcceptsAnyFirstVersionNumberOfOneOrMore) {
    for (unsigned major : {1u, 7u, 65535u}) {
        FakeModuleLoader loader;
        loader.version = fixedFileInfo(major, 0);
        device::DeviceLibrary library;
        const LoadResult r = load(loader, library);
        EXPECT_TRUE(r.ok) << major;
        EXPECT_TRUE(r.shown.empty()) << major;
        EXPECT_NE(library.SetScreen, nullptr);
        device::FreeDeviceLibrary(library, loader);
    }
}

TEST(LoadDeviceLibrary, ProbesLoadsThenChecksTheVersionAndBindsAllNamesInOrder) {
    FakeModuleLoader loader;
    loader.version = fixedFileInfo(0, 9);
    device::DeviceLibrary rejected;
    load(loader, rejected);
    // The version check runs after the load; a rejected library is not bound.
    EXPECT_THAT(loader.calls, ElementsAre("size", "info", "load"));

    FakeModuleLoader good;
    good.missing = {"UpdateData"};
    device::DeviceLibrary library;
    load(good, library);
    std::vector<std::string> expected = {"size", "info", "load"};
#define ZQ700_EXPECT(name) expected.push_back("symbol " #name);
    ZQ700_ENTRY_POINTS(ZQ700_EXPECT)
#undef ZQ700_EXPECT
    EXPECT_EQ(good.calls, expected);
    EXPECT_EQ(expected.size(), 3u + device::kEntryPointCount);
    // Binding goes on past a missing name and stores what it found.
    EXPECT_EQ(library.UpdateData, nullptr);
    EXPECT_NE(library.GetNumDevicesConnected, nullptr);
    EXPECT_NE(library.SetScreen, nullptr);
    device::FreeDeviceLibrary(library, good);
}

}  // namespace
