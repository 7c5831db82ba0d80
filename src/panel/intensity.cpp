// Head levels: the sliders and level edits in each head's intensity unit, and the head
// radios of the LED Info group.

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/zq_control_panel_dlg.h"
#include "panel/intensity_mode.h"
#include "panel/number_reading.h"

namespace panel {

int sliderPosition(float level, float maximum) {
    if (!std::isfinite(maximum) || !(maximum > 0) || !std::isfinite(level)) return 100;
    const long double p =
        100.0L - static_cast<long double>(level) / static_cast<long double>(maximum) * 100.0L;
    // Outside the slider's range the trackbar would stop at its end anyway.
    return static_cast<int>(std::trunc(std::clamp(p, 0.0L, 100.0L)));
}

}  // namespace panel

namespace app {

using namespace res;
using panel::IntensityMode;

std::string CZQControlPanelDlg::levelText(int h) const {
    char text[48];
    switch (panel::intensityMode(headStatus(h))) {
        case IntensityMode::Irradiance:
            std::snprintf(text, sizeof text, "%.02f W/cm²", double{irradiance[h]});
            break;
        case IntensityMode::Power:
            std::snprintf(text, sizeof text, "%.03f W", double{power[h]});
            break;
        case IntensityMode::Percent:
            std::snprintf(text, sizeof text, "%d%%", percentLevel[h]);
            break;
    }
    return text;
}

void CZQControlPanelDlg::ShowHeadValues(int h) {
    int p = 100 - percentLevel[h];
    switch (panel::intensityMode(headStatus(h))) {
        case IntensityMode::Irradiance:
            p = panel::sliderPosition(irradiance[h], maxIrradiance[h]);
            break;
        case IntensityMode::Power:
            p = panel::sliderPosition(power[h], maxPower[h]);
            break;
        case IntensityMode::Percent:
            break;
    }
    ui().setTrackbarPosition(IDC_SLIDER_1 + h, p);
    ui().setText(IDC_LEVEL_1 + h, levelText(h));
    ui().setText(IDC_EXPOSURE_1 + h, presetText(h));
}

void CZQControlPanelDlg::OnSliderReleased() {
    if (!connected) return;
    bool percentChanged = false, powerChanged = false, irradianceChanged = false;
    for (int h = 0; h < kHeads; ++h) {
        int value = 100 - ui().trackbar(IDC_SLIDER_1 + h).position;
        bool clamped = false;
        if (value < minIntensity[h]) {
            value = minIntensity[h];
            clamped = true;
        }
        if (value <= 100) {
            switch (panel::intensityMode(headStatus(h))) {
                case IntensityMode::Irradiance:
                    irradiance[h] = static_cast<float>(double{maxIrradiance[h]} * value / 100);
                    irradianceChanged = true;
                    break;
                case IntensityMode::Power:
                    power[h] = static_cast<float>(double{maxPower[h]} * value / 100);
                    powerChanged = true;
                    break;
                case IntensityMode::Percent:
                    percentLevel[h] = static_cast<std::uint16_t>(value);
                    percentChanged = true;
                    break;
            }
            ui().setText(IDC_LEVEL_1 + h, levelText(h));
        }
        if (clamped) ui().setTrackbarPosition(IDC_SLIDER_1 + h, 100 - value);
    }
    if (percentChanged) library.SetPercentageLevel(deviceIndex, percentLevel.data(), kHeads);
    if (powerChanged) library.SetPower(deviceIndex, power.data(), kHeads);
    if (irradianceChanged) library.SetIrradiance(deviceIndex, irradiance.data(), kHeads);
}

void CZQControlPanelDlg::OnIntensityKillFocus() {
    if (!connected) {
        for (int h = 0; h < kHeads; ++h) ui().setText(IDC_LEVEL_1 + h, "");
        return;
    }
    for (int h = 0; h < kHeads; ++h) {
        const float v = panel::readLevel(ui().text(IDC_LEVEL_1 + h));
        const std::uint16_t word = headStatus(h);
        const double minimum = minIntensity[h];
        if (!(word & panel::kCalibratedBit) && minimum <= v && v <= 100) {
            const auto n = static_cast<std::uint16_t>(std::trunc(v));
            if (n == percentLevel[h]) continue;
            percentLevel[h] = n;
            library.SetPercentageLevel(deviceIndex, percentLevel.data(), kHeads);
        } else if ((word & panel::kIrradianceBit) && minimum * maxIrradiance[h] / 100 <= v &&
                   v <= maxIrradiance[h]) {
            if (v == irradiance[h]) continue;
            irradiance[h] = v;
            library.SetIrradiance(deviceIndex, irradiance.data(), kHeads);
        } else if ((word & panel::kPowerBit) && minimum * maxPower[h] / 100 <= v &&
                   v <= maxPower[h]) {
            if (v == power[h]) continue;
            power[h] = v;
            library.SetPower(deviceIndex, power.data(), kHeads);
        } else {
            ui().setText(IDC_LEVEL_1 + h, levelText(h));
            UpdateData(false);
            continue;
        }
        // One changed head per focus loss: the heads after it wait for the next one.
        ShowHeadValues(h);
        return;
    }
}

void CZQControlPanelDlg::OnHeadRadio() {
    if (connected) return;  // the next tick takes the choice over
    for (int h = 0; h < kHeads; ++h) ui().setChecked(IDC_HEAD_1 + h, false);
    selectedHead = -1;
}

}  // namespace app
