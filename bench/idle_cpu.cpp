// Measures the real program's CPU use while it is connected to an idle simulated unit:
// starts it (offscreen unless a display is chosen), connects to the first unit, lets it
// poll for the given seconds (60 by default) and prints its own CPU time as a share of one
// core. Run: build/default/bin/idle_cpu [seconds]

#include <sys/resource.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "platform/application.h"
#include "platform/posix/posix_module_loader.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_window.h"
#include "res/resource.h"

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 60.0;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("ZQ700_SIM_SOCKET", "off", 0);
    QApplication application(argc, argv);
    platform::posix::PosixModuleLoader loader;
    platform::qt::QtPlatform platform(loader);

    QElapsedTimer clock;
    double cpuAtConnect = 0;
    qint64 connectedAt = -1;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* panel = dynamic_cast<platform::qt::QtWindow*>(QApplication::activeModalWidget());
        if (!panel) return;
        auto* connect = static_cast<QAbstractButton*>(panel->control(res::IDC_CONNECT));
        if (connectedAt < 0) {
            connect->click();
            cpuAtConnect = cpuSeconds();
            clock.start();
            connectedAt = 0;
            return;
        }
        if (clock.elapsed() < seconds * 1000) return;
        const double used = cpuSeconds() - cpuAtConnect;
        std::printf("connected, idle, %.1f s: %.3f s of CPU, %.2f %% of one core (%s)\n",
                    clock.elapsed() / 1000.0, used, 100.0 * used / (clock.elapsed() / 1000.0),
                    panel->text(res::IDC_CONNECT).c_str());
        driver.stop();
        static_cast<QAbstractButton*>(panel->control(platform::IDOK))->click();
    });
    driver.start(1000);
    platform::Application::instance()->InitInstance(platform);
    return 0;
}
