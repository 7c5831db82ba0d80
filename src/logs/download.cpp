// Downloading one of the SD card's files: the log-file radio buttons.

#include "app/zq_control_panel_dlg.h"

namespace app {

using namespace res;

void CZQControlPanelDlg::OnLogFileRadio() {
    UpdateData(true);
    if (!connected) {
        for (int id : {IDC_LOG_SYSTEM, IDC_LOG_CALIBRATION, IDC_LOG_SETTINGS})
            ui().setChecked(id, false);
        ui().setText(IDC_LOG_TEXT, "");
        logFileChoice = -1;
    }
    UpdateData(false);
}

}  // namespace app
