#pragma once
// An icon as plain pixels, drawn by whichever backend shows it.

#include <cstdint>
#include <vector>

namespace platform {

struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;  // row by row, 0xAARRGGBB
};

}  // namespace platform
