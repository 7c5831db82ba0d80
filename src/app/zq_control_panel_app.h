#pragma once

#include "platform/application.h"

namespace app {

class CZQControlPanelApp : public platform::Application {
  public:
    // Runs the main panel modally; the program ends when it closes.
    bool InitInstance(platform::Platform& platform) override;
};

}  // namespace app
