// The real program under the offscreen platform, with the simulated library that the build
// puts beside it: the main panel opens with every control of its template in place, and
// an operator lights a head and sees the unit count and end the exposure.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <regex>

#include "platform/application.h"
#include "platform/dialog_units.h"
#include "platform/posix/posix_module_loader.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_window.h"
#include "res/resource.h"
#include "res/resources.h"

namespace {

using namespace platform;

// Runs the application. Once the main panel is up, `step` is called every 20 ms until it
// says it is done (or half a minute has passed); then Exit is clicked.
void runProgram(const std::function<bool(qt::QtWindow&)>& step) {
    posix::PosixModuleLoader loader;
    qt::QtPlatform platform(loader);
    bool done = false;
    QElapsedTimer clock;
    clock.start();
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* panel = dynamic_cast<qt::QtWindow*>(modal);
        if (!panel || panel->windowTitle() != "ZQ Control Panel") {
            if (modal && clock.elapsed() > 5000) {
                ADD_FAILURE() << "another window stays open: "
                              << modal->windowTitle().toStdString();
                modal->close();
            }
            return;
        }
        done = step(*panel);
        if (!done && clock.elapsed() > 30000)
            ADD_FAILURE() << "the program did not get there in time";
        if (done || clock.elapsed() > 30000) {
            driver.stop();
            static_cast<QAbstractButton*>(panel->control(IDOK))->click();
        }
    });
    driver.start(20);
    ASSERT_NE(Application::instance(), nullptr);
    EXPECT_FALSE(Application::instance()->InitInstance(platform));
    EXPECT_TRUE(done);
}

// The static texts of a window that are wider than their field, and so clipped.
std::vector<std::string> clippedTexts(const qt::QtWindow& window) {
    std::vector<std::string> clipped;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (!label->text().isEmpty() && !label->wordWrap() &&
            label->fontMetrics().horizontalAdvance(label->text()) > label->width())
            clipped.push_back(label->text().toStdString());
    return clipped;
}

void click(qt::QtWindow& panel, int id) {
    QTest::mouseClick(panel.control(id), Qt::LeftButton);
}

TEST(RealProgram, ShowsEveryControlOfTheMainPanelAtItsPlace) {
    runProgram([](qt::QtWindow& panel) {
        if (panel.comboStrings(res::IDC_UNIT_LIST).empty()) return false;
        const DialogTemplate& t = res::mainPanelTemplate();
        EXPECT_EQ(panel.windowTitle().toStdString(), "ZQ Control Panel");
        const BaseUnits base = panel.baseUnits();
        const DialogRect client = toPixels({0, 0, t.width, t.height}, base);
        EXPECT_EQ(panel.size(), QSize(client.width, client.height));
        int checked = 0;
        for (const auto& c : t.controls) {
            if (c.id < 0) continue;
            QWidget* w = panel.control(c.id);
            if (!w) {
                ADD_FAILURE() << "no control " << c.id;
                return true;
            }
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
        if (actions.size() < 2) {
            ADD_FAILURE() << "the window menu lacks its items";
            return true;
        }
        EXPECT_TRUE(actions.end()[-2]->isSeparator());
        EXPECT_EQ(actions.back()->text().toStdString(), "&About ZQ Control Panel...");

        // The window menu's last item opens the About box.
        EXPECT_EQ(clippedTexts(panel), std::vector<std::string>{});
        std::string aboutTitle;
        QTimer::singleShot(100, [&] {
            if (auto* about = dynamic_cast<qt::QtWindow*>(QApplication::activeModalWidget())) {
                aboutTitle = about->windowTitle().toStdString();
                EXPECT_EQ(clippedTexts(*about), std::vector<std::string>{});
                static_cast<QAbstractButton*>(about->control(IDOK))->click();
            }
        });
        actions.back()->trigger();
        EXPECT_EQ(aboutTitle, "About ZQ Control Panel");

        QDir().mkpath(ZQ_SCREENSHOT_DIR);
        EXPECT_TRUE(panel.grab().save(ZQ_SCREENSHOT_DIR "/main_panel.png"));
        EXPECT_EQ(panel.comboStrings(res::IDC_UNIT_LIST),
                  (std::vector<std::string>{"SN: 7001", "SN: 7002"}));
        return true;
    });
}

TEST(RealProgram, LightsAHeadWatchesItCountAndSeesTheUnitEndIt) {
    enum { Connect, Connected, Lit, Ended } stage = Connect;
    std::vector<std::string> counts;
    runProgram([&](qt::QtWindow& panel) {
        const std::string shown = panel.text(res::IDC_EXPOSURE_1);
        switch (stage) {
            case Connect:
                click(panel, res::IDC_CONNECT);
                stage = Connected;
                return false;
            case Connected:
                if (panel.text(res::IDC_HEAD_STATUS) != "Connected") return false;
                EXPECT_EQ(shown, "1.5s");
                click(panel, res::IDC_ON_OFF_1);
                stage = Lit;
                return false;
            case Lit:
                if (panel.isChecked(res::IDC_ON_OFF_1) && shown != "1.5s" &&
                    (counts.empty() || counts.back() != shown)) {
                    counts.push_back(shown);
                    if (counts.size() == 3) {
                        EXPECT_EQ(panel.text(res::IDC_ON_OFF_1), "On");
                        EXPECT_TRUE(panel.isReadOnly(res::IDC_EXPOSURE_1));
                        EXPECT_TRUE(
                            panel.grab().save(ZQ_SCREENSHOT_DIR "/main_panel_connected.png"));
                    }
                }
                if (!counts.empty() && !panel.isChecked(res::IDC_ON_OFF_1)) stage = Ended;
                return false;
            case Ended:
                EXPECT_EQ(shown, "1.5s");  // the preset again
                EXPECT_EQ(panel.text(res::IDC_ON_OFF_1), "Off");
                EXPECT_FALSE(panel.isReadOnly(res::IDC_EXPOSURE_1));
                return true;
        }
        return true;
    });
    // Count Down: the running count falls from the preset in tenths of a second.
    ASSERT_GE(counts.size(), 3u);
    for (const auto& c : counts) EXPECT_TRUE(std::regex_match(c, std::regex(R"(\d+\.\ds)"))) << c;
    EXPECT_GT(std::stod(counts.front()), std::stod(counts.back()));
}

}  // namespace

int main(int argc, char** argv) {
    // The simulated library reads its scenario once per process: the default units, with a
    // short preset on the first unit's head #1.
    const std::string scenario = std::string(ZQ_SCREENSHOT_DIR) + "/e2e-scenario.yaml";
    QDir().mkpath(ZQ_SCREENSHOT_DIR);
    std::ofstream(scenario) << "devices:\n  - heads: [{exposure: 1.5}]\n  - active: false\n"
                               "  - {serial: 7002, software_version: 100}\n";
    ::setenv("ZQ700_SIM_SCENARIO", scenario.c_str(), 1);
    ::setenv("ZQ700_SIM_SOCKET", "off", 1);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
