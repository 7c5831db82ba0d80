#include "platform/platform.h"
#include "res/resource.h"
#include "res/resources.h"

namespace res {

using namespace platform;

namespace {

constexpr unsigned kButton = kTabStop;
constexpr unsigned kCentredEdit = kCentred | kAutoHScroll | kTabStop;
constexpr unsigned kReadOnlyEdit = kReadOnly | kAutoHScroll | kTabStop;

ControlTemplate button(int id, const char* caption, DialogRect r, unsigned extra = kNoStyle) {
    return {id, ControlKind::PushButton, caption, r, kButton | extra};
}
ControlTemplate toggle(int id, const char* caption, DialogRect r) {
    return {id, ControlKind::Toggle, caption, r, kTabStop};
}
ControlTemplate edit(int id, DialogRect r, unsigned styles) {
    return {id, ControlKind::Edit, "", r, styles};
}
ControlTemplate radio(int id, const char* caption, DialogRect r, unsigned extra = kNoStyle) {
    return {id, ControlKind::Radio, caption, r, extra};
}
ControlTemplate slider(int id, DialogRect r) {
    return {id, ControlKind::Trackbar, "", r, kTabStop};
}
ControlTemplate frame(const char* caption, DialogRect r) {
    return {IDC_STATIC, ControlKind::GroupBox, caption, r};
}
ControlTemplate label(const char* caption, DialogRect r, unsigned styles = kNoStyle) {
    return {IDC_STATIC, ControlKind::StaticText, caption, r, styles};
}

}  // namespace

const DialogTemplate& mainPanelTemplate() {
    static const DialogTemplate t{
        IDD_ZQCONTROLPANEL_DIALOG,
        "ZQ Control Panel",
        451,
        290,
        "MS Shell Dlg",
        8,
        kCaption | kSystemMenu | kAppWindow | kVisible,
        {
            button(1001, "Connect", {21, 37, 77, 14}),
            {1002, ControlKind::DropDownList, "", {22, 19, 75, 34}, kVScroll | kTabStop},
            toggle(1031, "Percent", {126, 25, 40, 13}),
            button(1054, "Clear", {168, 25, 31, 13}),
            edit(1035, {125, 40, 30, 14}, kReadOnlyEdit),
            edit(1058, {157, 40, 42, 14}, kReadOnlyEdit),
            toggle(1032, "Percent", {208, 25, 37, 13}),
            button(1055, "Clear", {247, 25, 31, 13}),
            edit(1036, {207, 40, 29, 14}, kReadOnlyEdit),
            edit(1059, {239, 40, 40, 14}, kReadOnlyEdit),
            toggle(1033, "Percent", {288, 25, 37, 13}),
            button(1056, "Clear", {328, 25, 30, 13}),
            edit(1037, {287, 40, 29, 14}, kReadOnlyEdit),
            edit(1060, {319, 40, 40, 14}, kReadOnlyEdit),
            toggle(1034, "Percent", {368, 26, 38, 13}),
            button(1057, "Clear", {408, 26, 30, 13}),
            edit(1038, {368, 40, 29, 14}, kReadOnlyEdit),
            edit(1061, {400, 40, 40, 14}, kReadOnlyEdit),
            radio(1039, "#1", {14, 75, 21, 10}, kGroup | kTabStop),
            radio(1040, "#2", {38, 75, 21, 10}),
            radio(1041, "#3", {62, 75, 21, 10}),
            radio(1042, "#4", {86, 75, 21, 10}),
            edit(1019, {64, 93, 40, 14}, kReadOnlyEdit | kGroup),
            edit(1021, {64, 109, 40, 14}, kReadOnlyEdit),
            edit(1022, {64, 125, 40, 14}, kReadOnlyEdit),
            edit(1023, {64, 141, 40, 14}, kReadOnlyEdit),
            edit(1024, {64, 157, 40, 14}, kReadOnlyEdit),
            radio(1046, "Count Up", {126, 105, 46, 10}, kGroup | kTabStop),
            radio(1047, "Count Down", {126, 118, 55, 10}),
            edit(1007, {190, 79, 40, 14}, kCentredEdit | kGroup),
            edit(1008, {235, 79, 40, 14}, kCentredEdit),
            edit(1009, {280, 79, 40, 14}, kCentredEdit),
            edit(1010, {325, 79, 40, 14}, kCentredEdit),
            slider(1003, {196, 94, 25, 50}),
            slider(1004, {241, 94, 26, 50}),
            slider(1005, {287, 94, 25, 50}),
            slider(1006, {332, 94, 28, 50}),
            edit(1011, {188, 145, 40, 14}, kCentredEdit),
            edit(1012, {234, 145, 40, 14}, kCentredEdit),
            edit(1013, {280, 145, 40, 14}, kCentredEdit),
            edit(1014, {326, 145, 40, 14}, kCentredEdit),
            toggle(1048, "Off", {188, 161, 40, 12}),
            toggle(1049, "Off", {234, 161, 40, 12}),
            toggle(1050, "Off", {280, 161, 40, 12}),
            toggle(1051, "Off", {326, 161, 40, 12}),
            button(1062, "Clear Alarms", {383, 106, 50, 30}),
            radio(1025, "System Log File", {72, 185, 65, 10}, kGroup | kTabStop),
            radio(1026, "Calibration Log File", {162, 185, 76, 10}),
            radio(1027, "Default Settings File", {257, 185, 80, 10}),
            button(1077, "Save Settings", {394, 180, 50, 14}, kGroup),
            button(1043, "Rampline", {394, 196, 50, 14}),
            button(1044, "Settings", {394, 212, 50, 14}),
            button(1052, "Save File", {394, 229, 50, 14}),
            button(1053, "Open File", {394, 246, 50, 14}),
            {1020,
             ControlKind::MultiLineEdit,
             "",
             {16, 199, 366, 77},
             kVScroll | kAutoHScroll | kTabStop},
            {IDOK, ControlKind::DefaultPushButton, "Exit", {394, 263, 50, 20}, kTabStop},
            frame("ZQ700 Connection", {7, 7, 103, 54}),
            frame("ZQ700 Calibration", {117, 7, 327, 54}),
            frame("LED Control", {118, 63, 326, 114}),
            frame("LED Info", {7, 63, 104, 114}),
            frame("SD Card Info", {7, 178, 381, 105}),
            label("Head #1", {196, 70, 29, 8}),
            label("Head #2", {241, 70, 29, 8}),
            label("Head #3", {285, 70, 29, 8}),
            label("Head #4", {331, 70, 29, 8}),
            label("WaveLength:", {18, 95, 44, 8}, kRight),
            label("LED Hours:", {26, 111, 36, 8}, kRight),
            label("Temperature C:", {10, 127, 52, 8}, kRight),
            label("Max Temp C:", {19, 143, 43, 8}, kRight),
            label("Status:", {38, 158, 24, 8}, kRight),
            label("Count Mode", {124, 93, 40, 8}),
            frame("Hd 1", {122, 16, 79, 40}),
            frame("Hd 2", {203, 16, 77, 40}),
            frame("Hd 3", {283, 16, 77, 40}),
            frame("Hd 4", {364, 16, 77, 40}),
            {IDC_DOOR_LOCK,
             ControlKind::StaticText,
             "DOOR LOCK",
             {185, 110, 183, 22},
             kCentred | kVCentred | kHidden},
        },
    };
    return t;
}

}  // namespace res
