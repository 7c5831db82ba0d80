#include "platform/module_loader.h"

namespace platform {

std::uint32_t fixedFileInfoWord(std::span<const std::uint8_t> block, std::size_t index) {
    const std::size_t at = index * 4;
    if (at + 4 > block.size()) return 0;
    return std::uint32_t{block[at]} | std::uint32_t{block[at + 1]} << 8 |
           std::uint32_t{block[at + 2]} << 16 | std::uint32_t{block[at + 3]} << 24;
}

}  // namespace platform
