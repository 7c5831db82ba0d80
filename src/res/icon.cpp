#include <cmath>

#include "res/resources.h"

namespace res {

namespace {

// A UV spot lamp: a violet disc with a bright core and eight rays, on transparent ground.
platform::IconImage drawApplicationIcon() {
    constexpr int kSize = 32;
    constexpr double kPi = 3.14159265358979323846;
    platform::IconImage icon{kSize, kSize, std::vector<std::uint32_t>(kSize * kSize, 0)};
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const double dx = x + 0.5 - kSize / 2.0;
            const double dy = y + 0.5 - kSize / 2.0;
            const double r = std::hypot(dx, dy);
            const double angle = std::atan2(dy, dx);
            const double nearestRay = std::round(angle / (kPi / 4)) * (kPi / 4);
            const double offRay = std::abs(std::sin(angle - nearestRay)) * r;
            std::uint32_t& p = icon.argb[y * kSize + x];
            if (r < 4.5)
                p = 0xFFF4EEFFu;  // core
            else if (r < 9.5)
                p = 0xFF7B2FD6u;  // disc
            else if (r < 10.5)
                p = 0xFF3D137Au;  // rim
            else if (r > 11.5 && r < 15.5 && offRay < 1.2)
                p = 0xFFA66BFFu;  // rays
        }
    return icon;
}

}  // namespace

const platform::IconImage& applicationIcon() {
    static const platform::IconImage icon = drawApplicationIcon();
    return icon;
}

}  // namespace res
