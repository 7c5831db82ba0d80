// The calibration group: each head's calibration, starting and clearing calibrations, and
// clearing the unit's alarms.

#include <cstdio>

#include "app/zq_control_panel_dlg.h"
#include "panel/intensity_mode.h"

namespace app {

using namespace res;

void CZQControlPanelDlg::ShowCalibration() {
    if (!connected) {
        for (int h = 0; h < kHeads; ++h) {
            ui().setChecked(IDC_CAL_MODE_1 + h, false);
            ui().setText(IDC_CAL_HOURS_1 + h, "");
            ui().setText(IDC_CAL_MODE_1 + h, "Percent");
            ui().setText(IDC_CAL_MAX_1 + h, "");
        }
        return;
    }
    library.GetCalibrationTime(deviceIndex, &calibrationHours[0], &calibrationHours[1],
                               &calibrationHours[2], &calibrationHours[3]);
    for (int h = 0; h < kHeads; ++h) {
        const std::uint16_t word = headStatus(h);
        if (!(word & panel::kCalibratedBit)) {
            ui().setChecked(IDC_CAL_MODE_1 + h, false);
            ui().setText(IDC_CAL_HOURS_1 + h, "NA");
            ui().setText(IDC_CAL_MODE_1 + h, "Percent");
            ui().setText(IDC_CAL_MAX_1 + h, "");
            continue;
        }
        ui().setChecked(IDC_CAL_MODE_1 + h, true);
        char maximum[48];
        if (word & panel::kIrradianceBit) {
            library.GetMaxIrradiance(deviceIndex, maxIrradiance.data(), kHeads);
            ui().setText(IDC_CAL_MODE_1 + h, "Irradiance");
            std::snprintf(maximum, sizeof maximum, "%.02f W/cm²", double{maxIrradiance[h]});
        } else {
            library.GetMaxPower(deviceIndex, maxPower.data(), kHeads);
            ui().setText(IDC_CAL_MODE_1 + h, "Power");
            std::snprintf(maximum, sizeof maximum, "%.03f W", double{maxPower[h]});
        }
        char hours[16];
        std::snprintf(hours, sizeof hours, "%dhrs", calibrationHours[h]);
        ui().setText(IDC_CAL_HOURS_1 + h, hours);
        ui().setText(IDC_CAL_MAX_1 + h, maximum);
    }
}

void CZQControlPanelDlg::OnCalibrationModeBox(int id) {
    const int h = id - IDC_CAL_MODE_1;
    if (!connected) return;
    ShowCalibration();
    if (headStatus(h) & panel::kCalibratedBit) return;
    std::uint8_t heads[kHeads] = {};
    heads[h] = 1;
    library.PerformCalibration(deviceIndex, heads, kHeads);
    calibrating[h] = 1;
    ui().setEnabled(IDC_SLIDER_1 + h, false);
}

void CZQControlPanelDlg::OnClearCalibration(int id) {
    if (!connected) return;
    std::uint8_t heads[kHeads] = {};
    heads[id - IDC_CAL_CLEAR_1] = 1;
    library.ClearCalibration(deviceIndex, heads, kHeads);
}

void CZQControlPanelDlg::OnClearAlarms() {
    if (connected) library.ClearAlarm(deviceIndex);
}

}  // namespace app
