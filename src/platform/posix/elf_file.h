#pragma once
// Reading what the loader needs from an ELF file without loading it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::posix {

enum class ElfFit {
    Loadable,      // an ELF shared object or executable for this machine
    NotElf,        // missing magic, truncated header
    WrongMachine,  // another ELF class, byte order or processor
};

ElfFit checkElfHeader(const std::string& path);

// The descriptor of the "FileVersion" note (type 1) in an SHT_NOTE section of the file;
// nothing when the file cannot be read, is not little-endian ELF or has no such note.
std::optional<std::vector<std::uint8_t>> readFileVersionNote(const std::string& path);

}  // namespace platform::posix
