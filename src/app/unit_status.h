#pragma once

#include <cstdint>

#include "res/resource.h"

namespace app {

// The unit's status words as GetUnitStatus delivers them: one HeadStatus per head, then the
// unit flags.
struct UnitStatus {
    std::uint16_t head[res::kHeads] = {};
    std::uint16_t unitFlags = 0;
    bool operator==(const UnitStatus&) const = default;
};

}  // namespace app
