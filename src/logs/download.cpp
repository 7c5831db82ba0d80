// Downloading one of the SD card's files: the log-file radio buttons. The text box shows
// the file's first line and then either every further line (25 lines or fewer) or the last
// 20; the whole file is read again from the unit when it is saved or opened.

#include <cstdio>
#include <cstring>

#include "app/zq_control_panel_dlg.h"
#include "device/library_text.h"
#include "logs/download_msg.h"

namespace app {

using namespace res;

namespace {

constexpr const char* kFileNames[] = {"ZQ7-LOG.CSV", "ZQ7CALLG.CSV", "ZQ7SET.CSV"};
constexpr int kLogRadios[] = {IDC_LOG_SYSTEM, IDC_LOG_CALIBRATION, IDC_LOG_SETTINGS};
constexpr int kLineBufferSize = 256;
constexpr int kLineSizeGiven = 254;
constexpr std::uint32_t kShownAllUpTo = 25;
constexpr std::uint32_t kLastLinesShown = 20;

constexpr const char* kWarning =
    "Downloading Log Files will interfere with exposures on the ZQ700!\r\n"
    "Downloading Files can take a considerable amount of time.\r\n"
    "Do you wish to continue?";

bool validChoice(int choice) {
    return choice >= 0 && choice < 3;
}

}  // namespace

std::string CZQControlPanelDlg::readUnitLine(std::uint32_t index, bool& read) {
    char line[kLineBufferSize] = {};
    read = library.ReadFileLine(deviceIndex, line, kLineSizeGiven, index) != 0;
    return std::string(line, ::strnlen(line, kLineSizeGiven));
}

std::string CZQControlPanelDlg::readLibraryLine(std::uint32_t index, bool& read) {
    const std::string bytes = readUnitLine(index, read);
    return device::fromLibraryText(bytes.data(), bytes.size());
}

void CZQControlPanelDlg::OnLogFileRadio() {
    logs::CDownloadMsg notice(platform());
    UpdateData(true);
    auto clearChoice = [this] {
        if (validChoice(logFileChoice)) ui().setChecked(kLogRadios[logFileChoice], false);
        logFileChoice = -1;
    };

    if (!connected) {
        for (int id : kLogRadios) ui().setChecked(id, false);
        ui().setText(IDC_LOG_TEXT, "");
        logFileChoice = -1;
        UpdateData(false);
        return;
    }

    const int answer =
        platform().messageBox(this, kWarning, "WARNING", platform::MessageBoxButtons::YesNo);
    // The polling goes on while the question is open and may have disconnected the unit.
    if (answer != platform::IDYES || !connected || !validChoice(logFileChoice)) {
        clearChoice();
        UpdateData(false);
        return;
    }

    char name[100];
    std::snprintf(name, sizeof name, "%s", kFileNames[logFileChoice]);
    platform().create(notice, this);
    notice.ui().showWindow(true);
    notice.ui().setText(logs::IDC_DOWNLOAD_TEXT,
                        "Downloading File, Please Wait. Depending on size of file, this may take a "
                        "long time.");
    notice.ui().setVisible(logs::IDC_DOWNLOAD_TEXT, true);
    downloadedText.clear();

    std::uint32_t count = 0;
    if (library.ZQOpenFile(deviceIndex, name) == 0) {
        showMessage("SD Card Not Inserted or File not Found!", "Error");
        clearChoice();
    } else if (library.GetNumLinesInFile(deviceIndex, &count) != 0) {
        bool read = false;
        downloadedText = readLibraryLine(0, read) + "\r\n";
        ui().setText(IDC_LOG_TEXT, downloadedText);
        std::uint32_t index = count > kShownAllUpTo ? count - kLastLinesShown : 1;
        for (std::string line = readLibraryLine(index, read); read && index < count;
             line = readLibraryLine(++index, read))
            downloadedText += line + "\r\n";
        ui().setText(IDC_LOG_TEXT, downloadedText);
    }

    notice.ui().showWindow(false);
    platform().destroy(notice);
    UpdateData(false);
}

}  // namespace app
