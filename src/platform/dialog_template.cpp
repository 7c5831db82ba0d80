#include "platform/dialog_template.h"

namespace platform {

const ControlTemplate* DialogTemplate::control(int controlId) const {
    if (controlId < 0) return nullptr;
    for (const auto& c : controls)
        if (c.id == controlId) return &c;
    return nullptr;
}

std::vector<int> DialogTemplate::radioGroup(int radioId) const {
    // A group starts at a control with the group style and runs until the next one; only the
    // radio buttons of that run belong to it.
    std::size_t start = 0;
    std::size_t index = controls.size();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].styles & kGroup) start = i;
        if (controls[i].id == radioId && radioId >= 0) {
            index = i;
            break;
        }
    }
    if (index == controls.size() || controls[index].kind != ControlKind::Radio) return {};
    std::vector<int> group;
    for (std::size_t i = start; i < controls.size(); ++i) {
        if (i > start && (controls[i].styles & kGroup)) break;
        if (controls[i].kind == ControlKind::Radio) group.push_back(controls[i].id);
    }
    return group;
}

}  // namespace platform
