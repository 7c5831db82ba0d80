#pragma once
// A module loader in memory: a library whose version, load result and exports a test sets.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/module_loader.h"

namespace testing_support {

// A fixed file-information block of file version major.minor.0.0.
inline std::vector<std::uint8_t> fixedFileInfo(unsigned major, unsigned minor,
                                               std::size_t size = platform::kFixedFileInfoSize) {
    const std::uint32_t words[13] = {platform::kFixedFileInfoSignature,
                                     0x00010000u,
                                     major << 16 | minor,
                                     0,
                                     major << 16 | minor,
                                     0,
                                     0x3F,
                                     0,
                                     0,
                                     2,
                                     0,
                                     0,
                                     0};
    std::vector<std::uint8_t> block(size);
    for (std::size_t i = 0; i < size; ++i)
        block[i] = static_cast<std::uint8_t>(words[i / 4] >> (8 * (i % 4)));
    return block;
}

class FakeModuleLoader : public platform::ModuleLoader {
  public:
    std::vector<std::uint8_t> version = fixedFileInfo(1, 0);
    bool present = true;                   // false: no file, so no version resource either
    long loadError = 0;                    // non-zero: the load fails with this code
    std::set<std::string> missing;         // names the library does not export
    std::map<std::string, void*> exports;  // names bound to real functions
    std::vector<std::string> calls;        // "size", "info", "load", "symbol X", "unload"

    std::uint32_t versionInfoSize(const std::string&) override {
        calls.push_back("size");
        return present ? static_cast<std::uint32_t>(version.size()) : 0;
    }
    std::vector<std::uint8_t> versionInfo(const std::string&, std::uint32_t size) override {
        calls.push_back("info");
        std::vector<std::uint8_t> v = version;
        if (v.size() > size) v.resize(size);
        return v;
    }
    std::span<const std::uint8_t> rootBlock(const std::vector<std::uint8_t>& info) override {
        if (platform::fixedFileInfoWord(info, 0) != platform::kFixedFileInfoSignature) return {};
        return info;
    }
    platform::ModuleHandle load(const std::string&, long& error) override {
        calls.push_back("load");
        if (loadError != 0) {
            error = loadError;
            return nullptr;
        }
        ++loaded;
        return this;
    }
    void* symbol(platform::ModuleHandle, const char* name) override {
        calls.push_back(std::string("symbol ") + name);
        if (missing.count(name)) return nullptr;
        if (auto it = exports.find(name); it != exports.end()) return it->second;
        return reinterpret_cast<void*>(&unexpectedCall);
    }
    void unload(platform::ModuleHandle) override {
        calls.push_back("unload");
        --loaded;
    }

    int loaded = 0;  // loads not yet undone

    std::size_t count(const std::string& call) const {
        std::size_t n = 0;
        for (const auto& c : calls) n += c == call;
        return n;
    }

  private:
    // Bound to every entry a test did not provide; a test that needs one binds it.
    static int unexpectedCall() { return 0; }
};

}  // namespace testing_support
