// The unit list: the units found at start-up, one "SN: %d" entry per unit.

#include <cstdio>

#include "app/zq_control_panel_dlg.h"

namespace app {

using namespace res;

void CZQControlPanelDlg::RefreshUnitList() {
    const std::uint16_t oldCount = deviceCount;
    const std::uint16_t n = library.GetNumDevicesConnected();
    deviceCount = n;
    if (n <= oldCount) return;

    int k = 0;
    for (unsigned d = oldCount; d < n; ++d) {
        // The slot table has room for 15 units; later devices are not listed.
        if (k >= kUnitSlots) break;
        const auto dev = static_cast<std::uint16_t>(d);
        if (library.DeviceActive(dev) == 0) continue;
        library.SendConnect(dev);
        std::uint16_t serial = 0;
        library.GetUnitSerialNumber(dev, &serial);
        if (serial == 0) continue;
        slotDevice[k] = dev;
        slotUsed[k] = 1;
        slotSerial[k] = serial;
        char entry[16];
        std::snprintf(entry, sizeof entry, "SN: %u", unsigned{serial});
        ui().addComboString(IDC_UNIT_LIST, entry);
        if (k == 0) ui().setComboSelection(IDC_UNIT_LIST, 0);
        library.SendDisConnect(dev);
        ++k;
    }
}

}  // namespace app
