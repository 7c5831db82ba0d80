// Keeping the whole downloaded file: "Save File" writes it into a folder under its card name,
// "Open File" into a temporary CSV file that the desktop's program for CSV files opens. Both
// read the file again from the unit, from its first line until the unit has no more.

#include "app/zq_control_panel_dlg.h"

namespace app {

using namespace res;

namespace {

constexpr const char* kSavedNames[] = {"ZQ7-LOG.CSV", "ZQ7CALLG.CSV", "ZQ7SET.CSV"};
// A library that never stops answering must not fill the memory: far beyond any card file.
constexpr std::uint32_t kMostLines = 1'000'000;

}  // namespace

std::string CZQControlPanelDlg::copyUnitFile() {
    std::string content;
    bool read = true;
    for (std::uint32_t index = 0; index < kMostLines; ++index) {
        const std::string line = readLibraryLine(index, read);
        if (!read) break;
        content += line + "\r\n";
    }
    return content;
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
    platform().writeFile(*folder + "/" + kSavedNames[logFileChoice], copyUnitFile());
}

void CZQControlPanelDlg::OnOpenFile() {
    if (!somethingDownloaded()) return;
    if (!connected) return;
    const auto reserved = platform().createTempFile("ZQ7");
    if (!reserved) return;
    const std::string csv = *reserved + ".CSV";
    if (!platform().writeFile(csv, copyUnitFile())) return;
    platform().openWithDesktop(csv);
}

}  // namespace app
