#pragma once
// Keyboard navigation of a dialog, as the native dialog manager does it, for every backend:
// Tab and Shift+Tab walk the template's tab stops, a radio group being one stop; the arrow
// keys move within a radio group.

#include <functional>

#include "platform/dialog_template.h"

namespace platform {

inline constexpr int kVkTab = 9;
inline constexpr int kVkLeft = 37;
inline constexpr int kVkUp = 38;
inline constexpr int kVkRight = 39;
inline constexpr int kVkDown = 40;

struct ControlStates {
    std::function<bool(int id)> usable;   // enabled and shown
    std::function<bool(int id)> checked;  // radio buttons
};

// The control that Tab (`forward`) or Shift+Tab moves the focus to from `focusId` (-1: no
// control has it). A radio group is reached at its checked button, or its first usable one
// when none is checked. -1 when the dialog has no usable tab stop.
int nextTabStop(const DialogTemplate& dialogTemplate, int focusId, bool forward,
                const ControlStates& states);

// The radio button that an arrow key reaches from `radioId` within its group, wrapping
// around and passing over unusable buttons; -1 when `radioId` is no radio button or no other
// button of its group is usable.
int nextInRadioGroup(const DialogTemplate& dialogTemplate, int radioId, bool forward,
                     const ControlStates& states);

}  // namespace platform
