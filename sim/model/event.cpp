#include "sim/model/event.h"

#include <charconv>
#include <cmath>
#include <sstream>
#include <vector>

#include "sim/model/unit_config.h"

namespace sim {

namespace {

struct Form {
    const char* name;
    EventKind kind;
    enum { Device, DeviceHead, DeviceHeadBit, DeviceHeadCelsius } args;
};

constexpr Form kForms[] = {
    {"door-lock", EventKind::DoorLock, Form::Device},
    {"door-unlock", EventKind::DoorUnlock, Form::Device},
    {"unplug", EventKind::Unplug, Form::Device},
    {"plug", EventKind::Plug, Form::Device},
    {"card-out", EventKind::CardOut, Form::Device},
    {"card-in", EventKind::CardIn, Form::Device},
    {"fail-next-calibration", EventKind::FailNextCalibration, Form::Device},
    {"head-remove", EventKind::HeadRemove, Form::DeviceHead},
    {"head-insert", EventKind::HeadInsert, Form::DeviceHead},
    {"head-error", EventKind::HeadError, Form::DeviceHeadBit},
    {"head-error-clear", EventKind::HeadErrorClear, Form::DeviceHeadBit},
    {"temperature", EventKind::Temperature, Form::DeviceHeadCelsius},
};

struct BitName {
    const char* name;
    std::uint16_t bit;
};

constexpr BitName kBits[] = {
    {"nvm", kNvmError},
    {"over-temperature", kOverTemperature},
    {"open-circuit", kOpenCircuit},
    {"short-circuit", kShortCircuit},
    {"over-temperature-2", kOverTemperatureAlt},
};

std::optional<long> integer(const std::string& word) {
    long value = 0;
    int base = 10;
    std::string_view digits = word;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.remove_prefix(2);
    }
    const auto [end, ec] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

}  // namespace

const char* eventSyntax() {
    return "  door-lock DEV | door-unlock DEV | unplug DEV | plug DEV | card-out DEV | card-in "
           "DEV\n"
           "  fail-next-calibration DEV | head-remove DEV HEAD | head-insert DEV HEAD\n"
           "  head-error DEV HEAD BIT | head-error-clear DEV HEAD BIT | temperature DEV HEAD "
           "CELSIUS\n"
           "DEV: device index from 0; HEAD: 1 to 4; BIT: nvm, over-temperature, open-circuit,\n"
           "short-circuit, over-temperature-2, or a number such as 0x0010; CELSIUS: 0 to 150\n";
}

std::optional<Event> parseEvent(std::string_view text, std::string& error) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    if (words.empty()) {
        error = "empty event";
        return std::nullopt;
    }
    const Form* form = nullptr;
    for (const Form& f : kForms)
        if (words[0] == f.name) form = &f;
    if (!form) {
        error = "unknown event \"" + words[0] + "\"";
        return std::nullopt;
    }
    const std::size_t wanted = form->args == Form::Device       ? 2
                               : form->args == Form::DeviceHead ? 3
                                                                : 4;
    if (words.size() != wanted) {
        error = "\"" + words[0] + "\" takes " + std::to_string(wanted - 1) + " argument(s)";
        return std::nullopt;
    }
    Event event{form->kind};
    const auto device = integer(words[1]);
    if (!device || *device < 0 || *device > 65535) {
        error = "device index \"" + words[1] + "\" is not a number from 0 to 65535";
        return std::nullopt;
    }
    event.device = static_cast<int>(*device);
    if (wanted >= 3) {
        const auto head = integer(words[2]);
        if (!head || *head < 1 || *head > kHeads) {
            error = "head \"" + words[2] + "\" is not 1 to 4";
            return std::nullopt;
        }
        event.head = static_cast<int>(*head) - 1;
    }
    if (form->args == Form::DeviceHeadBit) {
        for (const BitName& b : kBits)
            if (words[3] == b.name) event.bit = b.bit;
        if (!event.bit) {
            const auto bit = integer(words[3]);
            if (bit && *bit > 0 && *bit <= 0xFFFF && (*bit & ~long{kErrorBits}) == 0)
                event.bit = static_cast<std::uint16_t>(*bit);
        }
        if (!event.bit) {
            error = "\"" + words[3] + "\" is not an error bit";
            return std::nullopt;
        }
    }
    if (form->args == Form::DeviceHeadCelsius) {
        char* end = nullptr;
        const double celsius = std::strtod(words[3].c_str(), &end);
        if (end == words[3].c_str() || *end || !std::isfinite(celsius) || celsius < 0 ||
            celsius > 150) {
            error = "temperature \"" + words[3] + "\" is not 0 to 150";
            return std::nullopt;
        }
        event.celsius = celsius;
    }
    return event;
}

}  // namespace sim
