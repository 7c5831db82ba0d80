#pragma once
// The application object: exactly one exists, constructed before start-up; the platform's
// entry point hands it the platform and runs InitInstance.

#include "platform/platform.h"

namespace platform {

class Application {
  public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the application; returns false when it has ended (no message loop follows).
    virtual bool InitInstance(Platform& platform) = 0;

    static Application* instance();
};

}  // namespace platform
