#pragma once
// Dialog templates: windows described as data, controls in tab order with their
// rectangles in dialog units.

#include <string>
#include <vector>

#include "platform/icon_image.h"

namespace platform {

enum class ControlKind {
    PushButton,
    DefaultPushButton,
    Toggle,  // a check box drawn as a push button: pressed = checked
    Radio,   // automatic radio button
    Edit,
    MultiLineEdit,
    DropDownList,  // drop-down list combo box
    Trackbar,      // vertical, tick marks on both sides
    GroupBox,
    StaticText,
    StaticIcon,
    Grid,  // a report-view list whose cells are edited in place
};

// Control styles, combined as a bit set.
enum Style : unsigned {
    kNoStyle = 0,
    kReadOnly = 1u << 0,
    kCentred = 1u << 1,   // edits and statics: text centred horizontally
    kVCentred = 1u << 2,  // statics: text centred vertically
    kRight = 1u << 3,     // statics: right-aligned
    kHidden = 1u << 4,    // initially hidden
    kGroup = 1u << 5,     // opens a group (radio groups run to the next control with it)
    kTabStop = 1u << 6,
    kNoPrefix = 1u << 7,     // statics: '&' is shown as it stands
    kVScroll = 1u << 8,      // vertical scroll bar
    kAutoHScroll = 1u << 9,  // single-line edits scroll horizontally while typing
    kDisabled = 1u << 10,
};

struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const DialogRect&) const = default;
};

struct ControlTemplate {
    int id;  // -1: a control that is never addressed (frames, labels)
    ControlKind kind;
    std::string caption;
    DialogRect rect;
    unsigned styles = kNoStyle;
    const IconImage* icon = nullptr;  // StaticIcon: the icon shown
};

// Window styles of a dialog template.
enum WindowStyle : unsigned {
    kCaption = 1u << 0,
    kSystemMenu = 1u << 1,
    kModalFrame = 1u << 2,
    kAppWindow = 1u << 3,  // shown on the taskbar
    kVisible = 1u << 4,    // a modeless window shows when it is created
    kTopMost = 1u << 5,    // always on top
};

struct DialogTemplate {
    int id;
    std::string caption;
    int width;  // client area, dialog units
    int height;
    std::string fontName;
    int fontPointSize;
    unsigned windowStyles;
    std::vector<ControlTemplate> controls;

    // The control with this ID, or nullptr.
    const ControlTemplate* control(int controlId) const;
    // IDs of the radio buttons in the group that holds `radioId`, in template order.
    // Empty when `radioId` is not a radio button of this template.
    std::vector<int> radioGroup(int radioId) const;
};

}  // namespace platform
