#include "app/about_dlg.h"

#include "res/resources.h"

namespace app {

CAboutDlg::CAboutDlg(platform::Platform& platform) : Dialog(platform, res::aboutBoxTemplate()) {}

}  // namespace app
