#pragma once

#include "platform/dialog.h"

namespace app {

// The About box: the program's name, version and legal notice.
class CAboutDlg : public platform::Dialog {
  public:
    explicit CAboutDlg(platform::Platform& platform);
};

}  // namespace app
