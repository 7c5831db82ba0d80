// The real program under the offscreen platform, with the simulated library that the build
// puts beside it: the main panel opens with every control of its template in place.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTimer>

#include "platform/application.h"
#include "platform/dialog_units.h"
#include "platform/posix/posix_module_loader.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_window.h"
#include "res/resource.h"
#include "res/resources.h"

namespace {

using namespace platform;

// Runs the application; `inspect` sees the main panel once it is up, then Exit is clicked.
void runProgram(const std::function<void(qt::QtWindow&)>& inspect) {
    posix::PosixModuleLoader loader;
    qt::QtPlatform platform(loader);
    bool inspected = false;
    QTimer::singleShot(200, [&] {
        auto* panel = dynamic_cast<qt::QtWindow*>(QApplication::activeModalWidget());
        if (panel) {
            inspect(*panel);
            inspected = true;
            static_cast<QAbstractButton*>(panel->control(IDOK))->click();
        } else if (QWidget* other = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "a message box opened instead of the panel";
            other->close();
        }
    });
    ASSERT_NE(Application::instance(), nullptr);
    EXPECT_FALSE(Application::instance()->InitInstance(platform));
    EXPECT_TRUE(inspected);
}

TEST(RealProgram, ShowsEveryControlOfTheMainPanelAtItsPlace) {
    runProgram([](qt::QtWindow& panel) {
        const DialogTemplate& t = res::mainPanelTemplate();
        EXPECT_EQ(panel.windowTitle().toStdString(), "ZQ Control Panel");
        const BaseUnits base = panel.baseUnits();
        const DialogRect client = toPixels({0, 0, t.width, t.height}, base);
        EXPECT_EQ(panel.size(), QSize(client.width, client.height));
        int checked = 0;
        for (const auto& c : t.controls) {
            if (c.id < 0) continue;
            QWidget* w = panel.control(c.id);
            ASSERT_NE(w, nullptr) << c.id;
            const DialogRect r = toPixels(c.rect, base);
            EXPECT_EQ(w->pos(), QPoint(r.x, r.y)) << c.id;
            EXPECT_EQ(w->width(), r.width) << c.id;
            if (c.kind != ControlKind::DropDownList) {
                EXPECT_EQ(w->height(), r.height) << c.id;
            }
            EXPECT_EQ(panel.text(c.id), c.caption) << c.id;
            EXPECT_EQ(w->isHidden(), (c.styles & kHidden) != 0) << c.id;
            ++checked;
        }
        EXPECT_EQ(checked, 57);
        EXPECT_EQ(panel.toolTip(res::IDC_CAL_MODE_1), "Calibration Mode");
        const auto actions = panel.systemMenu().actions();
        ASSERT_GE(actions.size(), 2);
        EXPECT_TRUE(actions.end()[-2]->isSeparator());
        EXPECT_EQ(actions.back()->text().toStdString(), "&About ZQ Control Panel...");

        // The window menu's last item opens the About box.
        std::string aboutTitle;
        QTimer::singleShot(100, [&] {
            if (auto* about = dynamic_cast<qt::QtWindow*>(QApplication::activeModalWidget())) {
                aboutTitle = about->windowTitle().toStdString();
                static_cast<QAbstractButton*>(about->control(IDOK))->click();
            }
        });
        actions.back()->trigger();
        EXPECT_EQ(aboutTitle, "About ZQ Control Panel");

        QDir().mkpath(ZQ_SCREENSHOT_DIR);
        EXPECT_TRUE(panel.grab().save(ZQ_SCREENSHOT_DIR "/main_panel.png"));
    });
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
