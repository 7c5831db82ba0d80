#include "app/zq_control_panel_dlg.h"

#include "app/about_dlg.h"
#include "res/resources.h"

namespace app {

using namespace res;

CZQControlPanelDlg::CZQControlPanelDlg(platform::Platform& platform)
    : Dialog(platform, mainPanelTemplate()), icon(&applicationIcon()) {
    onClicked(IDC_CONNECT, IDC_CONNECT, [this](int) { OnConnect(); });
    onClicked(IDC_HEAD_1, IDC_HEAD_1 + kHeads - 1, [this](int) { OnHeadRadio(); });
    onClicked(IDC_CAL_MODE_1, IDC_CAL_MODE_1 + kHeads - 1,
              [this](int id) { OnCalibrationModeBox(id); });
    onReleased(IDC_SLIDER_1, IDC_SLIDER_1 + kHeads - 1, [this](int) { OnSliderReleased(); });
    onKillFocus(IDC_LEVEL_1, IDC_LEVEL_1 + kHeads - 1, [this](int) { OnIntensityKillFocus(); });
    onKillFocus(IDC_EXPOSURE_1, IDC_EXPOSURE_1 + kHeads - 1,
                [this](int) { OnExposureKillFocus(); });
    onClicked(IDC_COUNT_UP, IDC_COUNT_DOWN, [this](int) { OnCountMode(); });
    onClicked(IDC_ON_OFF_1, IDC_ON_OFF_1 + kHeads - 1, [this](int) { OnOnOffButton(); });
    onClicked(IDC_LOG_SYSTEM, IDC_LOG_SETTINGS, [this](int) { OnLogFileRadio(); });
    onClicked(IDC_CAL_CLEAR_1, IDC_CAL_CLEAR_1 + kHeads - 1,
              [this](int id) { OnClearCalibration(id); });
    onClicked(IDC_CLEAR_ALARMS, IDC_CLEAR_ALARMS, [this](int) { OnClearAlarms(); });
    onClicked(IDC_SAVE_FILE, IDC_SAVE_FILE, [this](int) { OnSaveFile(); });
    onClicked(IDC_OPEN_FILE, IDC_OPEN_FILE, [this](int) { OnOpenFile(); });
}

void CZQControlPanelDlg::showMessage(const std::string& text, const std::string& caption) {
    platform().messageBox(this, text, caption, platform::MessageBoxButtons::Ok);
}

CZQControlPanelDlg::~CZQControlPanelDlg() {
    device::FreeDeviceLibrary(library, platform().moduleLoader());
    toolTip.reset();
}

void CZQControlPanelDlg::DoDataExchange(platform::DataExchange& dx) {
    dx.radio(IDC_HEAD_1, selectedHead);
    dx.radio(IDC_COUNT_UP, countModeChoice);
    dx.radio(IDC_LOG_SYSTEM, logFileChoice);
}

bool CZQControlPanelDlg::OnInitDialog() {
    Dialog::OnInitDialog();

    if (ui().hasSystemMenu()) {
        const std::string about = loadString(IDS_ABOUTBOX);
        if (!about.empty()) ui().appendSystemMenuItem(kAboutCommand, about);
    }
    ui().setIcon(*icon);

    if (!LoadDeviceLibrary()) {
        EndDialog(platform::IDCANCEL);
        return true;
    }

    connected = 0;
    for (int k = 0; k < kUnitSlots; ++k) {
        slotUsed[k] = 0;
        slotDevice[k] = 255;
        slotSerial[k] = 0;
    }
    for (int k = 0; k < kHeads; ++k) {
        ui().setTrackbarRange(IDC_SLIDER_1 + k, 0, 100);
        ui().setTrackbarTicFrequency(IDC_SLIDER_1 + k, 10);
        percentLevel[k] = 0;
        exposureTime[k] = 0;
        calibrating[k] = 0;
    }
    tickCounter = 0;

    toolTip = std::make_unique<platform::ToolTip>(*this);
    for (int k = 0; k < kHeads; ++k) {
        toolTip->addTool(IDC_CAL_HOURS_1 + k, "Calibration Hours Remaining");
        toolTip->addTool(IDC_CAL_MAX_1 + k, "Maximum Irradiance/Power");
        toolTip->addTool(IDC_CAL_CLEAR_1 + k, "Clear Calibration");
        toolTip->addTool(IDC_CAL_MODE_1 + k, "Calibration Mode");
    }
    toolTip->activate(true);

    RefreshUnitList();
    ui().setTimer(kPollTimer, kPollPeriodMs);
    return true;
}

bool CZQControlPanelDlg::LoadDeviceLibrary() {
    const bool loaded = device::LoadDeviceLibrary(
        library, platform().moduleLoader(),
        [this](const std::string& text, const std::string& caption) {
            platform().messageBox(this, text, caption, platform::MessageBoxButtons::Ok);
        });
    if (loaded) deviceCount = 0;
    return loaded;
}

void CZQControlPanelDlg::OnSysCommand(unsigned command) {
    if ((command & 0xFFF0u) == kAboutCommand) {
        CAboutDlg about(platform());
        about.DoModal();
        return;
    }
    Dialog::OnSysCommand(command);
}

bool CZQControlPanelDlg::PreTranslateMessage(const platform::KeyMessage& message) {
    if (toolTip) toolTip->relayEvent(message);
    if (message.virtualKey == platform::kVkReturn) return true;
    return Dialog::PreTranslateMessage(message);
}

void CZQControlPanelDlg::OnOK() {
    if (connected) OnConnect();
    Dialog::OnOK();
}

// Escape, the close box and Alt+F4 leave the panel open: "Exit" is the only way out.
void CZQControlPanelDlg::OnCancel() {}

}  // namespace app
