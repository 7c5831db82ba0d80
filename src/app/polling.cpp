// The 100 ms status polling cycle: LED states, head errors, finished calibrations, running
// exposure times, the selected head's information and the door lock.

#include <cstdio>

#include "app/zq_control_panel_dlg.h"

namespace app {

using namespace res;

namespace {

constexpr std::uint16_t kLedOn = 0x0001;
constexpr std::uint16_t kPresenceField = 0x0060;
constexpr std::uint16_t kDoorLocked = 0x0002;
constexpr std::uint16_t kTickReload = 50;
constexpr int kTemperatureTicks = 10;
constexpr std::uint8_t kCalibrationScreen = 6;
constexpr unsigned kCalibrationPauseMs = 1000;

struct HeadError {
    std::uint16_t bit;
    const char* format;
};

// In the order the messages appear.
constexpr HeadError kHeadErrors[] = {
    {0x0080, "Over Temperature Error Occured on Head #%d"},
    {0x0004, "Over Temperature Error Occured on Head #%d"},
    {0x0010, "Short Circuit Error Occured on Head #%d"},
    {0x0008, "Open Circuit Error Occured on Head #%d"},
    {0x0002, "Head NVM Error Occured on Head #%d"},
};

std::string formatted(const char* format, int value) {
    char text[96];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

const char* presenceText(std::uint16_t word) {
    switch (word & kPresenceField) {
        case 0x0000:
            return "Not Present";
        case 0x0020:
            return "DisConnected";
        case 0x0060:
            return "Connected";
        default:
            return "Unknown";
    }
}

std::string tenthsText(std::uint16_t tenths) {
    char text[16];
    std::snprintf(text, sizeof text, "%d.%ds", tenths / 10, tenths % 10);
    return text;
}

}  // namespace

void CZQControlPanelDlg::OnTimer(unsigned) {
    if (!connected) return;
    if (library.DeviceActive(deviceIndex) == 0) {
        OnConnect();
        return;
    }
    library.GetUnitStatus(deviceIndex, &status.head[0], &status.head[1], &status.head[2],
                          &status.head[3], &status.unitFlags);
    PollUnit();
    RefreshTemperature();
    if (tickCounter == 0) {
        tickCounter = kTickReload;
        ShowCalibration();
    } else if (tickCounter % 5 != 0) {
        --tickCounter;
    } else {
        // Whatever the call returns, its answer is the screen number sent back from now on.
        unitScreen = 0;
        library.GetScreen(deviceIndex, &unitScreen);
        unitScreenKnown = true;
        library.GetCountMode(deviceIndex, &countMode);
        countModeChoice = countMode <= 1 ? countMode : -1;
        UpdateData(false);
        --tickCounter;
    }
}

void CZQControlPanelDlg::RefreshTemperature() {
    if (--temperatureCountdown != 0) return;
    library.ReturnTemperatureReading(deviceIndex, &temperature[0], &temperature[1], &temperature[2],
                                     &temperature[3]);
    if (selectedHead >= 0 && selectedHead < kHeads) {
        char text[8];
        std::snprintf(text, sizeof text, "%d", temperature[selectedHead]);
        ui().setText(IDC_TEMPERATURE, text);
    }
    temperatureCountdown = kTemperatureTicks;
}

void CZQControlPanelDlg::PollUnit() {
    UpdateData(true);
    bool someHeadChanged = false;
    for (int h = 0; h < kHeads; ++h) {
        const std::uint16_t word = status.head[h];
        if (word != prevStatus.head[h]) {
            if (word & kLedOn) {
                ui().setChecked(IDC_ON_OFF_1 + h, true);
                ui().setReadOnly(IDC_EXPOSURE_1 + h, true);
            } else {
                ui().setChecked(IDC_ON_OFF_1 + h, false);
                ui().setText(IDC_EXPOSURE_1 + h, presetText(h));
                ui().setReadOnly(IDC_EXPOSURE_1 + h, false);
            }
            for (const HeadError& e : kHeadErrors) {
                if (!(word & e.bit) || (prevStatus.head[h] & e.bit)) continue;
                ui().killTimer(kPollTimer);
                showMessage(formatted(e.format, h + 1), "Head Error");
                if (unitScreenKnown) library.SetScreen(deviceIndex, unitScreen);
                ui().setTimer(kPollTimer, kPollPeriodMs);
            }
            if (h != selectedHead) prevStatus.head[h] = word;
            ShowHeadValues(h);
            someHeadChanged = true;
            ShowCalibration();
        }
        if (calibrating[h]) CheckCalibration(h + 1);
    }
    if (someHeadChanged) ShowOnOffCaptions();

    bool countRead = false;
    for (int h = 0; h < kHeads; ++h) {
        if (!(status.head[h] & kLedOn)) continue;
        if (!countRead) {
            library.GetExposureCount(deviceIndex, exposureCount.data(), kHeads);
            countRead = true;
        }
        ui().setText(IDC_EXPOSURE_1 + h, tenthsText(exposureCount[h]));
    }

    const int h = selectedHead;
    if (h >= 0 && h < kHeads && (h != shownHead || status.head[h] != prevStatus.head[h])) {
        ui().setText(IDC_HEAD_STATUS, presenceText(status.head[h]));
        char text[8];
        std::snprintf(text, sizeof text, "%d", headHours[h]);
        ui().setText(IDC_LED_HOURS, text);
        std::snprintf(text, sizeof text, "%d", wavelength[h]);
        ui().setText(IDC_WAVELENGTH, text);
        prevStatus.head[h] = status.head[h];
        shownHead = h;
    }

    if (doorLockPending || status.unitFlags != prevStatus.unitFlags) {
        doorLockPending = false;
        ShowDoorLock((status.unitFlags & kDoorLocked) ? 1 : 0);
        prevStatus.unitFlags = status.unitFlags;
    }
    UpdateData(false);
}

void CZQControlPanelDlg::CheckCalibration(int head) {
    const int h = head - 1;
    std::uint8_t state[6] = {};
    library.GetCalibration(deviceIndex, state, 6);
    if (state[h] != 0) return;
    calibrating[h] = 0;
    const char* format = state[4] == 0 && state[5] == 0
                             ? "Calibration of Head %d has been Completed"
                             : "Calibration of Head %d has Failed";
    ui().killTimer(kPollTimer);
    showMessage(formatted(format, head), "Calibration Finished");
    platform().sleep(kCalibrationPauseMs);
    if (unitScreen == kCalibrationScreen) unitScreen = 0;
    if (unitScreenKnown) library.SetScreen(deviceIndex, unitScreen);
    ui().setTimer(kPollTimer, kPollPeriodMs);
    ui().setEnabled(IDC_SLIDER_1 + h, true);
}

void CZQControlPanelDlg::ShowDoorLock(int locked) {
    if (!connected) return;
    if (locked == 1) {
        ui().setFont(IDC_DOOR_LOCK, doorLockFont);
        ui().setVisible(IDC_DOOR_LOCK, true);
    } else {
        ui().setVisible(IDC_DOOR_LOCK, false);
    }
    const bool isLocked = locked == 1;
    for (int h = 0; h < kHeads; ++h) {
        ui().setReadOnly(IDC_EXPOSURE_1 + h, (status.head[h] & kLedOn) ? true : isLocked);
        ui().setReadOnly(IDC_LEVEL_1 + h, isLocked);
        if (!calibrating[h]) ui().setEnabled(IDC_SLIDER_1 + h, !isLocked);
        ui().setEnabled(IDC_ON_OFF_1 + h, !isLocked);
    }
}

}  // namespace app
