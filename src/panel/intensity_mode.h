#pragma once
// A head's intensity unit, derived afresh from its status word at every use.

#include <cstdint>

namespace panel {

enum class IntensityMode { Percent, Irradiance, Power };

inline constexpr std::uint16_t kCalibratedBit = 0x0100;
inline constexpr std::uint16_t kIrradianceBit = 0x0200;
inline constexpr std::uint16_t kPowerBit = 0x0400;

inline IntensityMode intensityMode(std::uint16_t headStatus) {
    if (headStatus & kIrradianceBit) return IntensityMode::Irradiance;
    if (headStatus & kPowerBit) return IntensityMode::Power;
    return IntensityMode::Percent;
}

// Slider position (0 top = 100 %, 100 bottom = 0 %) of a level that is a share of `maximum`.
// A maximum of 0 or one that is not a finite number gives the bottom.
int sliderPosition(float level, float maximum);

}  // namespace panel
