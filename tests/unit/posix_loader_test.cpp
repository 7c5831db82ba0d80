#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "device/device_library.h"
#include "platform/posix/elf_file.h"
#include "platform/posix/posix_module_loader.h"

namespace {

using platform::posix::PosixModuleLoader;

struct FileCase {
    const char* folder;  // under the fixtures folder
    const char* text;    // nullptr: accepted
    const char* caption;
    bool loadedAfterwards;
};

const FileCase kFiles[] = {
    {"v1_0", nullptr, nullptr, true},
    {"v7_0", nullptr, nullptr, true},
    {"v0_9", "Incompatible DLL Version!", "ZQ700Comm.DLL Module load failure", true},
    {"empty", "Unable to obtain DLL version information!", "Quarrolume.DLL Module load failure",
     false},
    {"no_note", "Unable to obtain DLL version information!", "Quarrolume.DLL Module load failure",
     false},
    {"short_note", "Unable to obtain DLL version information!", "ZQ700Comm.DLL Module load failure",
     false},
    {"missing_export", "Unable to load all DLL functions!", "ZQ700Comm.DLL Module load failure",
     true},
    {"needs_missing_library", "DLL Module not Found!", "ZQComm.DLL Module load failure", false},
    {"other_machine", "DLL Module not Loaded! Error Code: 193", "ZQComm.DLL Module load failure",
     false},
    {"unresolved_symbol", "DLL Module not Loaded! Error Code: 127",
     "ZQComm.DLL Module load failure", false},
    {"export_in_dependency", "Unable to load all DLL functions!",
     "ZQ700Comm.DLL Module load failure", true},
};

void PrintTo(const FileCase& c, std::ostream* os) {
    *os << c.folder;
}

class RealLibraryFile : public ::testing::TestWithParam<FileCase> {};

TEST_P(RealLibraryFile, LoadsOrFailsWithTheRightMessage) {
    const FileCase& c = GetParam();
    PosixModuleLoader loader({std::string(ZQ_FIXTURE_DIR) + "/" + c.folder});
    device::DeviceLibrary library;
    std::vector<std::pair<std::string, std::string>> shown;
    const bool ok = device::LoadDeviceLibrary(
        library, loader,
        [&](const std::string& t, const std::string& cap) { shown.emplace_back(t, cap); });
    if (!c.text) {
        EXPECT_TRUE(ok);
        EXPECT_TRUE(shown.empty());
        EXPECT_EQ(library.GetNumDevicesConnected(), 0);
    } else {
        EXPECT_FALSE(ok);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].first, c.text);
        EXPECT_EQ(shown[0].second, c.caption);
    }
    EXPECT_EQ(library.module != nullptr, c.loadedAfterwards);
    device::FreeDeviceLibrary(library, loader);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RealLibraryFile, ::testing::ValuesIn(kFiles),
                         [](const auto& info) { return std::string(info.param.folder); });

TEST(PosixModuleLoader, MapsTheWindowsNameToTheSharedObject) {
    EXPECT_EQ(PosixModuleLoader::fileNameFor("ZQ700Comm.dll"), "libZQ700Comm.so");
    EXPECT_EQ(PosixModuleLoader::fileNameFor("ZQ700Comm.DLL"), "libZQ700Comm.so");
}

TEST(PosixModuleLoader, LooksInTheProgramFolderThenLdLibraryPathThenTheSystem) {
    const char* old = std::getenv("LD_LIBRARY_PATH");
    const std::string saved = old ? old : "";
    ::setenv("LD_LIBRARY_PATH", "/first:/second::", 1);
    const auto path = PosixModuleLoader::standardSearchPath();
    if (old)
        ::setenv("LD_LIBRARY_PATH", saved.c_str(), 1);
    else
        ::unsetenv("LD_LIBRARY_PATH");

    char self[4096];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    ASSERT_GT(n, 0);
    std::string folder(self, static_cast<std::size_t>(n));
    folder.resize(folder.rfind('/'));
    ASSERT_GE(path.size(), 4u);
    EXPECT_EQ(path[0], folder);
    EXPECT_EQ(path[1], "/first");
    EXPECT_EQ(path[2], "/second");
    EXPECT_EQ(path.back(), "/usr/local/lib");
}

TEST(PosixModuleLoader, TheFirstFolderHoldingTheFileWinsForProbeAndLoad) {
    const std::string dir = ZQ_FIXTURE_DIR;
    PosixModuleLoader loader({dir + "/empty", dir + "/v0_9", dir + "/v7_0"});
    EXPECT_EQ(loader.resolve("ZQ700Comm.dll"), dir + "/v0_9/libZQ700Comm.so");
}

TEST(SimulatedLibrary, CarriesTheVersionNoteOfVersion1000) {
    const auto note =
        platform::posix::readFileVersionNote(std::string(ZQ_BIN_DIR) + "/libZQ700Comm.so");
    ASSERT_TRUE(note.has_value());
    ASSERT_EQ(note->size(), 52u);
    const std::uint32_t expected[13] = {0xFEEF04BD, 0x00010000, 0x00010000, 0, 0x00010000, 0, 0x3F,
                                        0,          0,          2,          0, 0,          0};
    for (std::size_t i = 0; i < 13; ++i)
        EXPECT_EQ(platform::fixedFileInfoWord(*note, i), expected[i]) << "word " << i;
}

TEST(ElfFile, RejectsFilesThatAreNotElf) {
    EXPECT_EQ(platform::posix::checkElfHeader("/proc/self/cmdline"),
              platform::posix::ElfFit::NotElf);
    EXPECT_FALSE(platform::posix::readFileVersionNote("/nonexistent/file").has_value());
    EXPECT_EQ(platform::posix::checkElfHeader(std::string(ZQ_FIXTURE_DIR) +
                                              "/other_machine/libZQ700Comm.so"),
              platform::posix::ElfFit::WrongMachine);
}

}  // namespace
