// Connecting to the chosen unit and back: what the panel reads and shows at connection,
// and what it blanks at disconnection.

#include <cstdio>

#include "app/zq_control_panel_dlg.h"

namespace app {

using namespace res;

namespace {

std::string decimal(long value) {
    char text[24];
    std::snprintf(text, sizeof text, "%ld", value);
    return text;
}

}  // namespace

void CZQControlPanelDlg::OnConnect() {
    if (connected) {
        if (library.DeviceActive(deviceIndex) != 0) library.SendDisConnect(deviceIndex);
        ui().setText(IDC_CONNECT, "Connect");
        connected = 0;
        deviceIndex = 0;
        selectedHead = -1;
        countModeChoice = -1;
        UpdateData(false);
        for (int id :
             {IDC_LED_HOURS, IDC_HEAD_STATUS, IDC_WAVELENGTH, IDC_TEMPERATURE, IDC_MAX_TEMPERATURE})
            ui().setText(id, "");
        OnIntensityKillFocus();
        OnExposureKillFocus();
        ShowCalibration();
        OnLogFileRadio();
        ui().setEnabled(IDC_UNIT_LIST, true);
        return;
    }

    const int k = ui().comboSelection(IDC_UNIT_LIST);
    if (k < 0 || k >= kUnitSlots || !slotUsed[k]) return;
    const std::uint16_t d = slotDevice[k];
    if (library.DeviceActive(d) == 0) return;
    if (library.SendConnect(d) == 0) return;

    ui().setText(IDC_CONNECT, "DisConnect");
    connected = 1;
    deviceIndex = d;
    selectedHead = 0;
    ui().setChecked(IDC_HEAD_1, true);
    // Every connection starts the polling afresh: the first tick refreshes each head whose
    // word has a bit set, reports errors already present, and fills the Status field.
    prevStatus = UnitStatus{};
    shownHead = -1;
    unitScreenKnown = false;
    doorLockPending = true;

    library.GetSoftwareVersion(d, &softwareVersion);
    library.GetUnitStatus(d, &status.head[0], &status.head[1], &status.head[2], &status.head[3],
                          &status.unitFlags);
    library.GetHeadHours(d, &headHours[0], &headHours[1], &headHours[2], &headHours[3]);
    ui().setText(IDC_LED_HOURS, decimal(headHours[selectedHead]));
    library.GetHeadWaveLength(d, &wavelength[0], &wavelength[1], &wavelength[2], &wavelength[3]);
    ui().setText(IDC_WAVELENGTH, decimal(wavelength[selectedHead]));
    library.GetMaximumTemperatures(d, &maxTemperature[0], &maxTemperature[1], &maxTemperature[2],
                                   &maxTemperature[3]);
    ui().setText(IDC_MAX_TEMPERATURE, decimal(maxTemperature[selectedHead]));
    library.ReturnTemperatureReading(d, &temperature[0], &temperature[1], &temperature[2],
                                     &temperature[3]);
    const std::string temperatureText = decimal(temperature[selectedHead]);
    ui().setEnabled(IDC_UNIT_LIST, false);
    library.GetCalibrationTime(d, &calibrationHours[0], &calibrationHours[1], &calibrationHours[2],
                               &calibrationHours[3]);
    library.GetPercentageLevel(d, percentLevel.data(), kHeads);
    library.GetPower(d, power.data(), kHeads);
    library.GetIrradiance(d, irradiance.data(), kHeads);
    library.GetMaxPower(d, maxPower.data(), kHeads);
    library.GetMaxIrradiance(d, maxIrradiance.data(), kHeads);
    library.GetMinInt(d, minIntensity.data(), kHeads);
    library.GetExposureTimes(d, exposureTime.data(), kHeads);
    library.GetCountMode(d, &countMode);
    // A mode other than Count Up (0) and Count Down (1) has no radio button.
    countModeChoice = countMode <= 1 ? countMode : -1;
    ui().setChecked(IDC_COUNT_UP, countModeChoice == 0);
    ui().setChecked(IDC_COUNT_DOWN, countModeChoice == 1);
    for (int h = 0; h < kHeads; ++h) ShowHeadValues(h);
    ui().setText(IDC_TEMPERATURE, temperatureText);
    temperatureCountdown = 10;
    ShowCalibration();
}

}  // namespace app
