#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/zq_control_panel_dlg.h"
#include "platform/test/test_platform.h"
#include "res/resources.h"
#include "unit/fake_module_loader.h"

namespace {

using namespace platform;
using namespace res;
using testing_support::FakeModuleLoader;
using testing_support::fixedFileInfo;

int scans = 0;
std::uint16_t countDevices() {
    ++scans;
    return 0;
}

// The panel with its ticks counted.
class CountingPanel : public app::CZQControlPanelDlg {
  public:
    using CZQControlPanelDlg::CZQControlPanelDlg;
    int ticks = 0;

  protected:
    void OnTimer(unsigned id) override {
        ++ticks;
        CZQControlPanelDlg::OnTimer(id);
    }
};

class PanelLifecycle : public ::testing::Test {
  protected:
    PanelLifecycle() {
        scans = 0;
        loader.exports["GetNumDevicesConnected"] = reinterpret_cast<void*>(&countDevices);
    }
    test::TestWindow& open() {
        platform.create(panel);
        return *platform.windowOf(panel);
    }

    FakeModuleLoader loader;
    test::TestPlatform platform{loader};
    CountingPanel panel{platform};
};

TEST_F(PanelLifecycle, InitialisationSetsUpMenuIconSlidersToolTipsScanAndTimer) {
    test::TestWindow& w = open();
    ASSERT_GE(w.systemMenu().size(), 2u);
    EXPECT_EQ(w.systemMenu().end()[-2].command, 0u);  // separator
    EXPECT_EQ(w.systemMenu().back().command, 16u);
    EXPECT_EQ(w.systemMenu().back().text, "&About ZQ Control Panel...");
    EXPECT_EQ(w.icon(), &applicationIcon());
    for (int k = 0; k < kHeads; ++k) {
        const TrackbarState t = w.trackbar(IDC_SLIDER_1 + k);
        EXPECT_EQ(t.min, 0);
        EXPECT_EQ(t.max, 100);
        EXPECT_EQ(t.ticFrequency, 10);
        EXPECT_EQ(w.toolTip(IDC_CAL_HOURS_1 + k), "Calibration Hours Remaining");
        EXPECT_EQ(w.toolTip(IDC_CAL_MAX_1 + k), "Maximum Irradiance/Power");
        EXPECT_EQ(w.toolTip(IDC_CAL_CLEAR_1 + k), "Clear Calibration");
        EXPECT_EQ(w.toolTip(IDC_CAL_MODE_1 + k), "Calibration Mode");
    }
    EXPECT_TRUE(panel.toolTip && panel.toolTip->active());
    for (int k = 0; k < app::kUnitSlots; ++k) EXPECT_EQ(panel.slotDevice[k], 255);
    EXPECT_EQ(scans, 1);
    EXPECT_EQ(panel.connected, 0);
    EXPECT_EQ(panel.selectedHead, -1);
    EXPECT_TRUE(platform.boxes().empty());

    platform.advance(1000);
    EXPECT_EQ(panel.ticks, 10);
}

TEST_F(PanelLifecycle, EnterDoesNothingWhereverTheFocusIs) {
    test::TestWindow& w = open();
    for (const auto& c : mainPanelTemplate().controls) {
        if (c.id < 0) continue;
        w.moveFocus(c.id);
        w.pressKey(kVkReturn);
        ASSERT_FALSE(panel.ended()) << "Enter on control " << c.id;
    }
}

TEST_F(PanelLifecycle, EscapeCloseBoxAndWindowMenuCloseLeaveThePanelOpen) {
    test::TestWindow& w = open();
    w.pressKey(kVkEscape);
    w.pressCloseBox();  // also Alt+F4
    w.chooseSystemMenu(kScClose);
    EXPECT_FALSE(panel.ended());
    EXPECT_TRUE(w.timerRunning(app::kPollTimer));
}

TEST_F(PanelLifecycle, ExitClosesThePanel) {
    platform.answerNextDialog([](test::TestWindow& w) { w.click(IDOK); });
    EXPECT_EQ(panel.DoModal(), IDOK);
    EXPECT_FALSE(panel.hasWindow());
}

TEST_F(PanelLifecycle, AboutOpensFromTheWindowMenuWhileThePollingGoesOn) {
    test::TestWindow& w = open();
    platform.answerNextDialog([&](test::TestWindow& about) {
        EXPECT_EQ(about.title(), "About ZQ Control Panel");
        platform.advance(500);
        about.click(IDOK);
    });
    w.chooseSystemMenu(16);
    EXPECT_EQ(platform.modalDialogs(), std::vector<int>{IDD_ABOUTBOX});
    EXPECT_EQ(panel.ticks, 5);
    EXPECT_FALSE(panel.ended());
}

struct FailureCase {
    const char* name;
    void (*arrange)(FakeModuleLoader&);
    const char* text;
    const char* caption;
};

const FailureCase kFailures[] = {
    {"missing", [](FakeModuleLoader& l) { l.present = false; },
     "Unable to obtain DLL version information!", "Quarrolume.DLL Module load failure"},
    {"short_block", [](FakeModuleLoader& l) { l.version = fixedFileInfo(1, 0, 40); },
     "Unable to obtain DLL version information!", "ZQ700Comm.DLL Module load failure"},
    {"not_found", [](FakeModuleLoader& l) { l.loadError = 126; }, "DLL Module not Found!",
     "ZQComm.DLL Module load failure"},
    {"bad_format", [](FakeModuleLoader& l) { l.loadError = 193; },
     "DLL Module not Loaded! Error Code: 193", "ZQComm.DLL Module load failure"},
    {"old_version", [](FakeModuleLoader& l) { l.version = fixedFileInfo(0, 9); },
     "Incompatible DLL Version!", "ZQ700Comm.DLL Module load failure"},
    {"incomplete", [](FakeModuleLoader& l) { l.missing = {"SetScreen"}; },
     "Unable to load all DLL functions!", "ZQ700Comm.DLL Module load failure"},
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class PanelLoadFailure : public PanelLifecycle,
                         public ::testing::WithParamInterface<FailureCase> {};

TEST_P(PanelLoadFailure, ShowsOneBoxOwnedByThePanelAndEndsWithoutAScan) {
    GetParam().arrange(loader);
    panel.DoModal();
    ASSERT_EQ(platform.boxes().size(), 1u);
    const test::MessageBoxRecord& box = platform.boxes()[0];
    EXPECT_EQ(box.text, GetParam().text);
    EXPECT_EQ(box.caption, GetParam().caption);
    EXPECT_EQ(box.owner, &panel);
    EXPECT_EQ(box.buttons, MessageBoxButtons::Ok);
    EXPECT_EQ(scans, 0);
    EXPECT_FALSE(panel.hasWindow());
}

INSTANTIATE_TEST_SUITE_P(Table, PanelLoadFailure, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PanelDestruction, FreesALibraryThatStayedLoadedAfterARejection) {
    FakeModuleLoader rejected;
    rejected.version = fixedFileInfo(0, 9);
    test::TestPlatform p(rejected);
    auto doomed = std::make_unique<app::CZQControlPanelDlg>(p);
    doomed->DoModal();
    EXPECT_EQ(rejected.loaded, 1);
    doomed.reset();
    EXPECT_EQ(rejected.loaded, 0);
}

}  // namespace
