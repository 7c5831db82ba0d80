#include "platform/qt/qt_platform.h"

int main(int argc, char** argv) {
    return platform::qt::runApplication(argc, argv);
}
