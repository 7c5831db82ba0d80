// Preset exposure times, the count mode and switching heads on and off.

#include <cstdio>

#include "app/zq_control_panel_dlg.h"
#include "panel/number_reading.h"

namespace app {

using namespace res;

namespace {

constexpr std::uint16_t kLedOn = 0x0001;
constexpr std::uint8_t kCountUp = 0;

}  // namespace

std::string CZQControlPanelDlg::presetText(int h) const {
    if (countMode == kCountUp) return "0.0s";
    char text[16];
    std::snprintf(text, sizeof text, "%d.%ds", exposureTime[h] / 10, exposureTime[h] % 10);
    return text;
}

void CZQControlPanelDlg::OnExposureKillFocus() {
    if (!connected) {
        for (int h = 0; h < kHeads; ++h) ui().setText(IDC_EXPOSURE_1 + h, "");
        return;
    }
    bool changed = false;
    for (int h = 0; h < kHeads; ++h) {
        if (headStatus(h) & kLedOn) continue;  // the edit shows the running count
        const auto tenths = panel::readTenths(ui().text(IDC_EXPOSURE_1 + h));
        if (!tenths) {
            ui().setText(IDC_EXPOSURE_1 + h, presetText(h));
            UpdateData(false);
            continue;
        }
        if (*tenths != exposureTime[h]) {
            exposureTime[h] = *tenths;
            changed = true;
        }
    }
    if (changed) library.SetExposureTimes(deviceIndex, exposureTime.data(), kHeads);
}

void CZQControlPanelDlg::OnCountMode() {
    if (!connected) {
        ui().setChecked(IDC_COUNT_UP, false);
        ui().setChecked(IDC_COUNT_DOWN, false);
        countModeChoice = -1;
        return;
    }
    int mode = -1;
    if (ui().isChecked(IDC_COUNT_UP))
        mode = 0;
    else if (ui().isChecked(IDC_COUNT_DOWN))
        mode = 1;
    if (mode < 0) return;
    countModeChoice = mode;
    countMode = static_cast<std::uint8_t>(mode);
    library.SetCountMode(deviceIndex, countMode);
    if (mode == 1) library.GetExposureTimes(deviceIndex, exposureTime.data(), kHeads);
    for (int h = 0; h < kHeads; ++h) ui().setText(IDC_EXPOSURE_1 + h, presetText(h));
}

void CZQControlPanelDlg::OnOnOffButton() {
    if (!connected) {
        for (int h = 0; h < kHeads; ++h) {
            ui().setChecked(IDC_ON_OFF_1 + h, false);
            ui().setText(IDC_ON_OFF_1 + h, "Off");
        }
        return;
    }
    std::uint8_t state[kHeads];
    for (int h = 0; h < kHeads; ++h) state[h] = ui().isChecked(IDC_ON_OFF_1 + h) ? 1 : 0;
    library.RunExposure(deviceIndex, state, kHeads);
    ShowOnOffCaptions();
}

void CZQControlPanelDlg::ShowOnOffCaptions() {
    for (int h = 0; h < kHeads; ++h)
        ui().setText(IDC_ON_OFF_1 + h, ui().isChecked(IDC_ON_OFF_1 + h) ? "On" : "Off");
}

}  // namespace app
