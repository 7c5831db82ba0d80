#pragma once
// Finds, probes, loads and binds dynamic libraries. System code names a library by its
// Windows file name ("ZQ700Comm.dll"); each loader maps it to the platform's file.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

using ModuleHandle = void*;

// Result codes of a failed load, in the platform's numbering.
inline constexpr long kErrorModNotFound = 126;
inline constexpr long kErrorProcNotFound = 127;
inline constexpr long kErrorBadExeFormat = 193;

// The fixed file-information block of a version resource: 13 little-endian 32-bit words.
inline constexpr std::size_t kFixedFileInfoSize = 52;
inline constexpr std::uint32_t kFixedFileInfoSignature = 0xFEEF04BDu;

class ModuleLoader {
  public:
    virtual ~ModuleLoader() = default;
    // Size of the library's version resource; 0 when the file is missing or has none.
    virtual std::uint32_t versionInfoSize(const std::string& name) = 0;
    // The version resource, at most `size` bytes.
    virtual std::vector<std::uint8_t> versionInfo(const std::string& name, std::uint32_t size) = 0;
    // The root block of a version resource (the fixed file-information block); empty when
    // the resource holds none.
    virtual std::span<const std::uint8_t> rootBlock(const std::vector<std::uint8_t>& info) = 0;
    // Loads the library; on failure returns nullptr and sets `error` to the platform's code.
    virtual ModuleHandle load(const std::string& name, long& error) = 0;
    virtual void* symbol(ModuleHandle module, const char* name) = 0;
    virtual void unload(ModuleHandle module) = 0;
};

// Reads word `index` (0 to 12) of a fixed file-information block, little-endian.
std::uint32_t fixedFileInfoWord(std::span<const std::uint8_t> block, std::size_t index);

}  // namespace platform
