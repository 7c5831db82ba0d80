#pragma once
// What happens to simulated units from outside: the door locks, a head fails, a unit is
// unplugged. One text form serves the event tool, scenario timelines and tests:
//
//   door-lock DEV | door-unlock DEV | unplug DEV | plug DEV | card-out DEV | card-in DEV
//   head-error DEV HEAD BIT | head-error-clear DEV HEAD BIT | head-remove DEV HEAD
//   head-insert DEV HEAD | fail-next-calibration DEV | temperature DEV HEAD CELSIUS
//
// DEV is the device index (0 up), HEAD 1 to 4, BIT one of nvm, over-temperature,
// open-circuit, short-circuit, over-temperature-2 or a number such as 0x0010.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sim {

enum class EventKind {
    DoorLock,
    DoorUnlock,
    Unplug,
    Plug,
    CardOut,
    CardIn,
    HeadError,
    HeadErrorClear,
    HeadRemove,
    HeadInsert,
    FailNextCalibration,
    Temperature,
};

struct Event {
    EventKind kind;
    int device = 0;
    int head = 0;  // 0 to 3
    std::uint16_t bit = 0;
    double celsius = 0;
};

// Reads one event; on failure returns nothing and says why in `error`.
std::optional<Event> parseEvent(std::string_view text, std::string& error);

// The list of event forms, for --help and error messages.
const char* eventSyntax();

}  // namespace sim
