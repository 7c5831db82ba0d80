#pragma once
// Resource and control IDs of the application.

namespace res {

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_ZQCONTROLPANEL_DIALOG = 102;
inline constexpr int IDR_MAINFRAME = 128;

inline constexpr int IDC_STATIC = -1;

// Main panel (template 102). Controls that come one per head are consecutive from head #1.
inline constexpr int IDC_CONNECT = 1001;
inline constexpr int IDC_UNIT_LIST = 1002;
inline constexpr int IDC_SLIDER_1 = 1003;
inline constexpr int IDC_EXPOSURE_1 = 1007;
inline constexpr int IDC_LEVEL_1 = 1011;
inline constexpr int IDC_WAVELENGTH = 1019;
inline constexpr int IDC_LOG_TEXT = 1020;
inline constexpr int IDC_LED_HOURS = 1021;
inline constexpr int IDC_TEMPERATURE = 1022;
inline constexpr int IDC_MAX_TEMPERATURE = 1023;
inline constexpr int IDC_HEAD_STATUS = 1024;
inline constexpr int IDC_LOG_SYSTEM = 1025;
inline constexpr int IDC_LOG_CALIBRATION = 1026;
inline constexpr int IDC_LOG_SETTINGS = 1027;
inline constexpr int IDC_CAL_MODE_1 = 1031;
inline constexpr int IDC_CAL_HOURS_1 = 1035;
inline constexpr int IDC_HEAD_1 = 1039;
inline constexpr int IDC_RAMPLINE = 1043;
inline constexpr int IDC_SETTINGS = 1044;
inline constexpr int IDC_COUNT_UP = 1046;
inline constexpr int IDC_COUNT_DOWN = 1047;
inline constexpr int IDC_ON_OFF_1 = 1048;
inline constexpr int IDC_SAVE_FILE = 1052;
inline constexpr int IDC_OPEN_FILE = 1053;
inline constexpr int IDC_CAL_CLEAR_1 = 1054;
inline constexpr int IDC_CAL_MAX_1 = 1058;
inline constexpr int IDC_CLEAR_ALARMS = 1062;
inline constexpr int IDC_DOOR_LOCK = 1064;
inline constexpr int IDC_SAVE_SETTINGS = 1077;

inline constexpr int kHeads = 4;

}  // namespace res
