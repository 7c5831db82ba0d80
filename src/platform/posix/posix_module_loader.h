#pragma once
// The module loader of POSIX systems: "Name.dll" is the file "libName.so", looked for in the
// program's own folder, then in the folders of LD_LIBRARY_PATH, then in the system library
// folders. The version resource is the file's "FileVersion" ELF note.

#include <map>
#include <string>
#include <vector>

#include "platform/module_loader.h"

namespace platform::posix {

class PosixModuleLoader final : public ModuleLoader {
  public:
    PosixModuleLoader();  // the standard search path
    explicit PosixModuleLoader(std::vector<std::string> searchPath)
        : searchPath_(std::move(searchPath)) {}

    std::uint32_t versionInfoSize(const std::string& name) override;
    std::vector<std::uint8_t> versionInfo(const std::string& name, std::uint32_t size) override;
    std::span<const std::uint8_t> rootBlock(const std::vector<std::uint8_t>& info) override;
    ModuleHandle load(const std::string& name, long& error) override;
    void* symbol(ModuleHandle module, const char* name) override;
    void unload(ModuleHandle module) override;

    // The file that `name` resolves to; empty when none exists on the search path. The same
    // name always resolves to the same file, so the probe and the load agree.
    std::string resolve(const std::string& name);
    const std::vector<std::string>& searchPath() const { return searchPath_; }

    static std::string fileNameFor(const std::string& name);
    static std::vector<std::string> standardSearchPath();

  private:
    std::vector<std::string> searchPath_;
    std::map<std::string, std::string> resolved_;
};

}  // namespace platform::posix
