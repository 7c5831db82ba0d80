#include "platform/application.h"

namespace platform {

namespace {
Application* theInstance = nullptr;
}

Application::Application() {
    theInstance = this;
}

Application::~Application() {
    if (theInstance == this) theInstance = nullptr;
}

Application* Application::instance() {
    return theInstance;
}

}  // namespace platform
