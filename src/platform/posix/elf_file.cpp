#include "platform/posix/elf_file.h"

#include <elf.h>

#include <bit>
#include <cstring>
#include <fstream>

namespace platform::posix {

namespace {

constexpr std::uint32_t kFileVersionNoteType = 1;
constexpr char kFileVersionOwner[] = "FileVersion";

#if defined(__x86_64__)
constexpr unsigned kNativeMachine = EM_X86_64;
#elif defined(__aarch64__)
constexpr unsigned kNativeMachine = EM_AARCH64;
#elif defined(__i386__)
constexpr unsigned kNativeMachine = EM_386;
#elif defined(__arm__)
constexpr unsigned kNativeMachine = EM_ARM;
#elif defined(__riscv)
constexpr unsigned kNativeMachine = EM_RISCV;
#else
#error "the ELF machine of this processor is not known here"
#endif
constexpr unsigned char kNativeClass = sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32;

std::vector<std::uint8_t> readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Copies a structure out of the file image; false when it lies outside.
template <typename T>
bool readAt(const std::vector<std::uint8_t>& image, std::uint64_t offset, T& out) {
    if (offset > image.size() || image.size() - offset < sizeof(T)) return false;
    std::memcpy(&out, image.data() + offset, sizeof(T));
    return true;
}

std::uint32_t word(const std::vector<std::uint8_t>& image, std::uint64_t at) {
    std::uint32_t w = 0;
    readAt(image, at, w);
    return w;
}

std::uint64_t padded(std::uint64_t n) {
    return (n + 3) & ~std::uint64_t{3};
}

template <typename Ehdr, typename Shdr>
std::optional<std::vector<std::uint8_t>> findNote(const std::vector<std::uint8_t>& image) {
    Ehdr header;
    if (!readAt(image, 0, header) || header.e_shentsize != sizeof(Shdr)) return std::nullopt;
    for (std::uint64_t i = 0; i < header.e_shnum; ++i) {
        Shdr section;
        if (!readAt(image, header.e_shoff + i * sizeof(Shdr), section)) return std::nullopt;
        if (section.sh_type != SHT_NOTE) continue;
        const std::uint64_t begin = section.sh_offset;
        if (begin > image.size() || image.size() - begin < section.sh_size) continue;
        const std::uint64_t end = begin + section.sh_size;
        std::uint64_t at = begin;
        while (end - at >= 12) {
            const std::uint64_t nameSize = word(image, at);
            const std::uint64_t descSize = word(image, at + 4);
            const std::uint32_t type = word(image, at + 8);
            const std::uint64_t name = at + 12;
            if (padded(nameSize) > end - name) break;
            const std::uint64_t desc = name + padded(nameSize);
            if (descSize > end - desc) break;
            if (type == kFileVersionNoteType && nameSize == sizeof kFileVersionOwner &&
                std::memcmp(image.data() + name, kFileVersionOwner, nameSize) == 0)
                return std::vector<std::uint8_t>(image.begin() + desc,
                                                 image.begin() + desc + descSize);
            at = desc + padded(descSize);
        }
    }
    return std::nullopt;
}

}  // namespace

ElfFit checkElfHeader(const std::string& path) {
    unsigned char ident[EI_NIDENT + 4] = {};
    std::ifstream in(path, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(ident), sizeof ident)) return ElfFit::NotElf;
    if (std::memcmp(ident, ELFMAG, SELFMAG) != 0) return ElfFit::NotElf;
    std::uint16_t machine = 0;
    std::memcpy(&machine, ident + EI_NIDENT + 2, sizeof machine);
    const bool nativeOrder =
        ident[EI_DATA] == (std::endian::native == std::endian::little ? ELFDATA2LSB : ELFDATA2MSB);
    if (ident[EI_CLASS] != kNativeClass || !nativeOrder || machine != kNativeMachine)
        return ElfFit::WrongMachine;
    return ElfFit::Loadable;
}

std::optional<std::vector<std::uint8_t>> readFileVersionNote(const std::string& path) {
    const std::vector<std::uint8_t> image = readAll(path);
    if (image.size() < EI_NIDENT || std::memcmp(image.data(), ELFMAG, SELFMAG) != 0 ||
        image[EI_DATA] != ELFDATA2LSB)
        return std::nullopt;
    if (image[EI_CLASS] == ELFCLASS64) return findNote<Elf64_Ehdr, Elf64_Shdr>(image);
    if (image[EI_CLASS] == ELFCLASS32) return findNote<Elf32_Ehdr, Elf32_Shdr>(image);
    return std::nullopt;
}

}  // namespace platform::posix
