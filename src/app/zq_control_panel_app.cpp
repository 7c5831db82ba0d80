#include "app/zq_control_panel_app.h"

#include "app/zq_control_panel_dlg.h"

namespace app {

bool CZQControlPanelApp::InitInstance(platform::Platform& platform) {
    {
        CZQControlPanelDlg panel(platform);
        panel.DoModal();
    }
    return false;
}

// The one application object.
CZQControlPanelApp theApp;

}  // namespace app
