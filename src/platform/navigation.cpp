#include "platform/navigation.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {

struct TabStop {
    std::size_t first;  // template positions the stop covers
    std::size_t last;
    int target;  // the control that takes the focus
};

std::vector<TabStop> tabStops(const DialogTemplate& t, const ControlStates& states) {
    std::vector<TabStop> stops;
    const auto& controls = t.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlTemplate& c = controls[i];
        if (c.kind != ControlKind::Radio) {
            if ((c.styles & kTabStop) && c.id >= 0 && states.usable(c.id))
                stops.push_back({i, i, c.id});
            continue;
        }
        // The run of template positions that the group's radio buttons occupy.
        const std::vector<int> group = t.radioGroup(c.id);
        std::size_t last = i;
        for (std::size_t j = i; j < controls.size(); ++j)
            if (std::find(group.begin(), group.end(), controls[j].id) != group.end()) last = j;
        bool tabStop = false;
        int checked = -1;
        int firstUsable = -1;
        for (int id : group) {
            const ControlTemplate* member = t.control(id);
            tabStop = tabStop || (member->styles & kTabStop);
            if (!states.usable(id)) continue;
            if (firstUsable < 0) firstUsable = id;
            if (checked < 0 && states.checked(id)) checked = id;
        }
        const int target = checked >= 0 ? checked : firstUsable;
        if (tabStop && target >= 0) stops.push_back({i, last, target});
        i = last;
    }
    return stops;
}

std::size_t positionOf(const DialogTemplate& t, int id) {
    for (std::size_t i = 0; i < t.controls.size(); ++i)
        if (t.controls[i].id == id && id >= 0) return i;
    return t.controls.size();
}

}  // namespace

int nextTabStop(const DialogTemplate& t, int focusId, bool forward, const ControlStates& states) {
    const std::vector<TabStop> stops = tabStops(t, states);
    if (stops.empty()) return -1;
    const std::size_t n = stops.size();
    const std::size_t at = positionOf(t, focusId);
    if (at == t.controls.size()) return forward ? stops.front().target : stops.back().target;
    for (std::size_t s = 0; s < n; ++s)
        if (stops[s].first <= at && at <= stops[s].last)
            return stops[forward ? (s + 1) % n : (s + n - 1) % n].target;
    // The focus is on a control that is no tab stop: the nearest stop on that side.
    if (forward) {
        for (const TabStop& s : stops)
            if (s.first > at) return s.target;
        return stops.front().target;
    }
    for (auto s = stops.rbegin(); s != stops.rend(); ++s)
        if (s->last < at) return s->target;
    return stops.back().target;
}

int nextInRadioGroup(const DialogTemplate& t, int radioId, bool forward,
                     const ControlStates& states) {
    const std::vector<int> group = t.radioGroup(radioId);
    const auto at = std::find(group.begin(), group.end(), radioId);
    if (at == group.end()) return -1;
    const std::size_t n = group.size();
    std::size_t i = static_cast<std::size_t>(at - group.begin());
    for (std::size_t step = 1; step < n; ++step) {
        i = forward ? (i + 1) % n : (i + n - 1) % n;
        if (states.usable(group[i])) return group[i];
    }
    return -1;
}

}  // namespace platform
