// Keeping the whole downloaded file: "Save File" writes it into a folder under its card name,
// "Open File" into a temporary CSV file that the desktop's program for CSV files opens. Both
// read the file again from the unit, from its first line until the unit has no more, and
// write its bytes as the unit gives them.

#include "app/zq_control_panel_dlg.h"

namespace app {

using namespace res;

namespace {

constexpr const char* kSavedNames[] = {"ZQ7-LOG.CSV", "ZQ7CALLG.CSV", "ZQ7SET.CSV"};
// A library that never stops answering must not fill the disk: far beyond any card file.
constexpr std::uint32_t kMostLines = 1'000'000;

}  // namespace

bool CZQControlPanelDlg::copyUnitFile(platform::OutputFile& file) {
    bool read = true;
    for (std::uint32_t index = 0; index < kMostLines; ++index) {
        std::string line = readUnitLine(index, read);
        if (!read) break;
        line += "\r\n";
        if (!file.write(line)) return false;
    }
    return file.commit();
}

bool CZQControlPanelDlg::writeUnitFile(const std::string& path) {
    std::string reason;
    // The file is made before the unit is asked for a line: a folder that cannot take it
    // costs no copy.
    std::unique_ptr<platform::OutputFile> file = platform().createFile(path, reason);
    if (file && copyUnitFile(*file)) return true;
    if (file) reason = file->error();
    showMessage("The file " + path + " could not be written: " + reason, "Error");
    return false;
}

bool CZQControlPanelDlg::somethingDownloaded() {
    if (logFileChoice >= 0 && logFileChoice < 3) return true;
    showMessage("You must download a file first!", "Error");
    return false;
}

void CZQControlPanelDlg::OnSaveFile() {
    if (!somethingDownloaded()) return;
    const auto folder = platform().browseForFolder(this, "Choose a folder");
    // The polling may have disconnected meanwhile, which clears the choice.
    if (!folder || logFileChoice < 0 || logFileChoice >= 3) return;
    writeUnitFile(*folder + "/" + kSavedNames[logFileChoice]);
}

void CZQControlPanelDlg::OnOpenFile() {
    if (!somethingDownloaded()) return;
    if (!connected) return;
    const auto reserved = platform().createTempFile("ZQ7");
    if (!reserved) return;
    const std::string csv = *reserved + ".CSV";
    if (writeUnitFile(csv)) platform().openWithDesktop(csv);
}

}  // namespace app
