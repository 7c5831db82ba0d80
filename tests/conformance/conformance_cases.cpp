// The dialog platform layer's behaviour that the application relies on, for each backend.

#include <gtest/gtest.h>

#include "conformance/driver.h"
#include "platform/navigation.h"

namespace conformance {
namespace {

using namespace platform;

enum : int {
    kEditA = 10,
    kEditB = 11,
    kMultiLine = 12,
    kRadio1 = 20,
    kRadio2 = 21,
    kRadio3 = 22,
    kOpen = 30,
    kTrackbar = 40,
    kToggle = 50,
    kLabel = 60,
};

const DialogTemplate kTemplate{
    9200,
    "Conformance",
    220,
    140,
    "MS Shell Dlg",
    8,
    kCaption | kSystemMenu | kVisible,
    {
        {kEditA, ControlKind::Edit, "", {10, 10, 60, 14}, kAutoHScroll | kTabStop},
        {kEditB, ControlKind::Edit, "", {80, 10, 60, 14}, kCentred | kAutoHScroll | kTabStop},
        {kMultiLine,
         ControlKind::MultiLineEdit,
         "",
         {10, 30, 130, 40},
         kVScroll | kAutoHScroll | kTabStop},
        {kRadio1, ControlKind::Radio, "One", {10, 75, 30, 10}, kGroup | kTabStop},
        {kRadio2, ControlKind::Radio, "Two", {45, 75, 30, 10}},
        {kRadio3, ControlKind::Radio, "Three", {80, 75, 35, 10}},
        {kOpen, ControlKind::PushButton, "Open", {10, 90, 50, 14}, kGroup | kTabStop},
        {kTrackbar, ControlKind::Trackbar, "", {160, 10, 25, 100}, kTabStop},
        {kToggle, ControlKind::Toggle, "Off", {60, 110, 40, 12}, kTabStop},
        {kLabel, ControlKind::StaticText, "Label", {10, 125, 60, 8}},
        {IDOK, ControlKind::DefaultPushButton, "OK", {100, 90, 50, 14}, kTabStop},
    }};

const DialogTemplate kTopMostTemplate{
    9202,
    "Always on top",
    120,
    40,
    "MS Shell Dlg",
    8,
    kCaption | kModalFrame | kTopMost | kVisible,
    {{kLabel, ControlKind::StaticText, "Please wait", {10, 10, 100, 8}}}};

const DialogTemplate kChildTemplate{
    9201,
    "Child",
    100,
    40,
    "MS Shell Dlg",
    8,
    kCaption | kSystemMenu | kModalFrame,
    {{IDOK, ControlKind::DefaultPushButton, "OK", {25, 15, 50, 14}, kTabStop}}};

class ConformanceDialog : public Dialog {
  public:
    explicit ConformanceDialog(Platform& p) : Dialog(p, kTemplate) {
        onClicked(kOpen, kOpen, [this](int) {
            if (onOpen) onOpen();
        });
        onKillFocus(kEditA, kMultiLine, [this](int id) { lostFocus.push_back(id); });
        onClicked(kRadio1, kRadio3, [this](int id) { radioClicks.push_back(id); });
        onReleased(kTrackbar, kTrackbar, [this](int id) {
            released.push_back(id);
            releasedAt.push_back(ui().trackbar(id).position);
        });
    }
    int choice = -1;
    int ticks = 0;
    std::function<void()> onOpen;
    std::function<void()> onTick;
    std::vector<int> lostFocus;
    std::vector<int> radioClicks;
    std::vector<int> released;
    std::vector<int> releasedAt;

  protected:
    void DoDataExchange(DataExchange& dx) override { dx.radio(kRadio1, choice); }
    bool PreTranslateMessage(const KeyMessage& m) override { return m.virtualKey == kVkReturn; }
    void OnTimer(unsigned) override {
        ++ticks;
        if (onTick) onTick();
    }
};

class Conformance : public ::testing::Test {
  protected:
    void SetUp() override { driver->open(dialog); }
    Window& ui() { return dialog.ui(); }

    std::unique_ptr<Driver> driver = makeDriver();
    ConformanceDialog dialog{driver->platform()};
};

TEST_F(Conformance, TextsRoundTrip) {
    struct Case {
        int id;
        std::string text;
    };
    for (const Case& c : {Case{kEditA, "12.5"}, Case{kEditA, ""}, Case{kEditB, "SN: 7001"},
                          Case{kMultiLine, "Date,Event\r\n2016-03-07,Connect\r\nlast"},
                          Case{kOpen, "&Open"}, Case{kToggle, "On"}, Case{kLabel, "DOOR LOCK"}}) {
        ui().setText(c.id, c.text);
        EXPECT_EQ(ui().text(c.id), c.text) << c.id;
    }
}

TEST_F(Conformance, RadioGroupsMayHaveNoButtonChecked) {
    dialog.choice = 1;
    dialog.UpdateData(false);
    EXPECT_TRUE(ui().isChecked(kRadio2));
    dialog.choice = -1;
    dialog.UpdateData(false);
    for (int id : {kRadio1, kRadio2, kRadio3}) EXPECT_FALSE(ui().isChecked(id)) << id;
    dialog.UpdateData(true);
    EXPECT_EQ(dialog.choice, -1);

    driver->click(dialog, kRadio3);
    driver->click(dialog, kRadio3);  // a second click leaves it checked
    dialog.UpdateData(true);
    EXPECT_EQ(dialog.choice, 2);
    driver->click(dialog, kRadio1);
    EXPECT_FALSE(ui().isChecked(kRadio3));
    dialog.UpdateData(true);
    EXPECT_EQ(dialog.choice, 0);
}

TEST_F(Conformance, TogglesFlipOnEachClick) {
    driver->click(dialog, kToggle);
    EXPECT_TRUE(ui().isChecked(kToggle));
    driver->click(dialog, kToggle);
    EXPECT_FALSE(ui().isChecked(kToggle));
}

TEST_F(Conformance, AnEditLosesTheFocusOnlyWhenTheFocusMovesAway) {
    driver->typeInto(dialog, kEditA, "2.3");
    EXPECT_TRUE(dialog.lostFocus.empty());
    driver->clickInto(dialog, kEditB);
    EXPECT_EQ(dialog.lostFocus, std::vector<int>{kEditA});
    EXPECT_EQ(ui().text(kEditA), "2.3");

    driver->typeInto(dialog, kEditB, "7");
    driver->pressKey(dialog, kVkReturn);  // taken by the dialog: no focus change, no click
    EXPECT_EQ(dialog.lostFocus, std::vector<int>{kEditA});
    EXPECT_EQ(ui().focusedControl(), kEditB);
    EXPECT_FALSE(dialog.ended());

    driver->click(dialog, kOpen);  // clicking a button takes the focus first
    EXPECT_EQ(dialog.lostFocus, (std::vector<int>{kEditA, kEditB}));
}

TEST_F(Conformance, TabAndShiftTabWalkTheTabStopsWithARadioGroupAsOne) {
    driver->clickInto(dialog, kEditA);
    std::vector<int> forward;
    for (int i = 0; i < 8; ++i) {
        driver->pressKey(dialog, kVkTab);
        forward.push_back(ui().focusedControl());
    }
    // No radio is checked: the group is reached at its first button. Tab leaves the
    // multi-line edit without typing into it.
    EXPECT_EQ(forward, (std::vector<int>{kEditB, kMultiLine, kRadio1, kOpen, kTrackbar, kToggle,
                                         IDOK, kEditA}));
    EXPECT_EQ(ui().text(kMultiLine), "");
    EXPECT_EQ(dialog.lostFocus, (std::vector<int>{kEditA, kEditB, kMultiLine}));

    dialog.choice = 2;
    dialog.UpdateData(false);
    driver->click(dialog, kOpen);
    driver->pressKey(dialog, kVkTab, true);
    EXPECT_EQ(ui().focusedControl(), kRadio3);  // the checked button
    driver->pressKey(dialog, kVkTab, true);
    EXPECT_EQ(ui().focusedControl(), kMultiLine);
    EXPECT_TRUE(dialog.radioClicks.empty());  // Tab checks nothing
}

TEST_F(Conformance, ArrowKeysMoveWithinARadioGroupCheckingAndClickingTheButton) {
    driver->click(dialog, kRadio1);
    dialog.radioClicks.clear();
    ui().setEnabled(kRadio2, false);
    for (int key : {kVkDown, kVkRight, kVkUp, kVkLeft}) driver->pressKey(dialog, key);
    // Down passes over the disabled button, Right wraps around, Up and Left go back.
    EXPECT_EQ(dialog.radioClicks, (std::vector<int>{kRadio3, kRadio1, kRadio3, kRadio1}));
    EXPECT_EQ(ui().focusedControl(), kRadio1);
    dialog.UpdateData(true);
    EXPECT_EQ(dialog.choice, 0);
    EXPECT_FALSE(ui().isChecked(kRadio3));

    driver->clickInto(dialog, kEditA);  // arrows in an edit are the edit's
    driver->pressKey(dialog, kVkDown);
    EXPECT_EQ(ui().focusedControl(), kEditA);
}

TEST_F(Conformance, AnEditLosesTheFocusWhenItsWindowDeactivatesOrABoxOpens) {
    driver->typeInto(dialog, kEditA, "2.3");
    driver->switchAwayAndBack(dialog);
    EXPECT_EQ(dialog.lostFocus, std::vector<int>{kEditA});
    EXPECT_EQ(ui().focusedControl(), kEditA);

    std::size_t lostWhileOpen = 0;
    driver->whenBoxOpens([&, polls = 0]() mutable {
        lostWhileOpen = dialog.lostFocus.size();
        return lostWhileOpen == 2 || ++polls > 200;
    });
    driver->platform().messageBox(&dialog, "Head Error", "Head Error", MessageBoxButtons::Ok);
    EXPECT_EQ(lostWhileOpen, 2u);
    EXPECT_EQ(dialog.lostFocus, (std::vector<int>{kEditA, kEditA}));
    driver->runUntil([&] { return ui().focusedControl() == kEditA; });
}

TEST_F(Conformance, AMessageBoxOpensAboveAnAlwaysOnTopWindow) {
    Dialog notice(driver->platform(), kTopMostTemplate);
    driver->platform().create(notice, &dialog);
    bool above = false;
    driver->whenBoxOpens([&] {
        above = driver->boxIsAboveEveryWindow();
        return true;
    });
    driver->platform().messageBox(&dialog, "SD Card Not Inserted or File not Found!", "Error",
                                  MessageBoxButtons::Ok);
    EXPECT_TRUE(above);
}

TEST_F(Conformance, AMultiLineEditWithHorizontalScrollingDoesNotWrap) {
    EXPECT_FALSE(driver->wrapsLongLines(dialog, kMultiLine));
}

TEST_F(Conformance, ALogicalFontHeightIsTheCharacterCellHeight) {
    ui().setFont(kLabel, {40, "Arial"});
    const int cell = driver->fontCellHeight(dialog, kLabel);
    EXPECT_LE(cell, 40);
    EXPECT_GE(cell, 37);
}

TEST_F(Conformance, TrackbarsTellWhenReleasedAfterADragAndAfterAGrooveClick) {
    ui().setTrackbarRange(kTrackbar, 0, 100);
    ui().setTrackbarPosition(kTrackbar, 0);
    driver->dragTrackbarToBottom(dialog, kTrackbar);
    EXPECT_EQ(dialog.released, std::vector<int>{kTrackbar});
    EXPECT_EQ(dialog.releasedAt, std::vector<int>{100});

    ui().setTrackbarPosition(kTrackbar, 0);
    driver->clickTrackbarGrooveBelowThumb(dialog, kTrackbar);
    EXPECT_EQ(dialog.released.size(), 2u);
    EXPECT_EQ(dialog.releasedAt.back(), 20);  // one page: a fifth of the range
}

TEST_F(Conformance, EscapeAndTheCloseBoxArriveAsCancel) {
    driver->pressKey(dialog, kVkEscape);
    EXPECT_TRUE(dialog.ended());
    EXPECT_EQ(dialog.result(), IDCANCEL);

    ConformanceDialog second(driver->platform());
    driver->open(second);
    driver->pressCloseBox(second);
    EXPECT_TRUE(second.ended());
    EXPECT_EQ(second.result(), IDCANCEL);
}

TEST_F(Conformance, TimersKeepFiringInsideAMessageBox) {
    ui().setTimer(1, 20);
    int answer = 0;
    dialog.onOpen = [&] {
        answer = driver->platform().messageBox(&dialog, "Text", "Caption", MessageBoxButtons::Ok);
    };
    driver->whenBoxOpens([&] { return dialog.ticks >= 3; });
    driver->click(dialog, kOpen);
    EXPECT_EQ(answer, IDOK);
    EXPECT_GE(dialog.ticks, 3);
}

TEST_F(Conformance, YesNoBoxesAnswerWhatTheUserChose) {
    for (int choice : {IDYES, IDNO}) {
        driver->whenBoxOpens([] { return true; }, choice);
        EXPECT_EQ(
            driver->platform().messageBox(&dialog, "Save?", "Question", MessageBoxButtons::YesNo),
            choice);
    }
}

TEST_F(Conformance, TimersKeepFiringInsideAModalDialog) {
    ui().setTimer(1, 20);
    int result = 0;
    dialog.onOpen = [&] {
        Dialog child(driver->platform(), kChildTemplate);
        result = child.DoModal();
    };
    driver->whenDialogOpens([&] { return dialog.ticks >= 3; });
    driver->click(dialog, kOpen);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_GE(dialog.ticks, 3);
}

TEST_F(Conformance, TicksDueWhileOneIsHandledMergeIntoOne) {
    ui().setTimer(1, 20);
    dialog.onTick = [&] {
        if (dialog.ticks == 1) driver->platform().sleep(200);  // ten periods
    };
    driver->runUntil([&] { return dialog.ticks >= 1; });
    for (int i = 0; i < 3; ++i) driver->processPending();
    EXPECT_LE(dialog.ticks, 2);
}

TEST_F(Conformance, KilledTimersStop) {
    ui().setTimer(1, 20);
    driver->runUntil([&] { return dialog.ticks >= 2; });
    ui().killTimer(1);
    const int ticks = dialog.ticks;
    dialog.onTick = nullptr;
    driver->processPending();
    ConformanceDialog other(driver->platform());
    driver->open(other);
    other.ui().setTimer(1, 20);
    driver->runUntil([&] { return other.ticks >= 3; });
    EXPECT_EQ(dialog.ticks, ticks);
}

enum : int { kGrid = 70 };

const DialogTemplate kGridTemplate{
    9203,
    "Grid",
    200,
    120,
    "MS Shell Dlg",
    8,
    kCaption | kSystemMenu | kVisible,
    {{kGrid, ControlKind::Grid, "", {7, 7, 186, 85}, kTabStop},
     {IDOK, ControlKind::DefaultPushButton, "OK", {143, 99, 50, 14}, kTabStop}}};

class GridDialog : public Dialog {
  public:
    explicit GridDialog(Platform& p) : Dialog(p, kGridTemplate) {
        onItemChanged(kGrid, kGrid, [this](int, int row, unsigned oldState) {
            if (oldState & kItemFocused) left.push_back({row, ui().cellText(kGrid, row, 3)});
        });
    }
    struct Left {
        int row;
        std::string time;  // the row's Time cell when it was reported
        bool operator==(const Left&) const = default;
    };
    std::vector<Left> left;

  protected:
    bool OnInitDialog() override {
        Dialog::OnInitDialog();
        ui().setGridLines(kGrid, true);
        ui().insertGridColumn(kGrid, 0, {"", 0, CellEditor::None, {}});
        ui().insertGridColumn(kGrid, 1, {"Row", 40, CellEditor::None, {}});
        ui().insertGridColumn(kGrid, 2, {"Head #", 80, CellEditor::Combo, {"1", "2", "R", "Del"}});
        ui().insertGridColumn(kGrid, 3, {"Time", 80, CellEditor::Edit, {}});
        for (int r = 0; r < 3; ++r) {
            ui().insertGridRow(kGrid, r);
            ui().setCellText(kGrid, r, 1, std::to_string(r + 1));
        }
        return true;
    }
};

class GridConformance : public ::testing::Test {
  protected:
    void SetUp() override { driver->open(dialog); }
    Window& ui() { return dialog.ui(); }
    std::unique_ptr<Driver> driver = makeDriver();
    GridDialog dialog{driver->platform()};
};

using EditEnd = Driver::EditEnd;

TEST_F(GridConformance, CellsTakeWhatEachColumnsEditorKeeps) {
    EXPECT_EQ(ui().gridRowCount(kGrid), 3);
    ui().setCellText(kGrid, 2, 3, "12.5");
    EXPECT_EQ(ui().cellText(kGrid, 2, 3), "12.5");
    EXPECT_EQ(ui().cellText(kGrid, 1, 1), "2");

    driver->editCell(dialog, kGrid, 0, 3, "2.5", EditEnd::Enter);
    EXPECT_EQ(ui().cellText(kGrid, 0, 3), "2.5");
    driver->editCell(dialog, kGrid, 0, 3, "9.9", EditEnd::Escape);
    EXPECT_EQ(ui().cellText(kGrid, 0, 3), "2.5");
    driver->editCell(dialog, kGrid, 1, 1, "x", EditEnd::Enter);  // read-only
    EXPECT_EQ(ui().cellText(kGrid, 1, 1), "2");
    driver->editCell(dialog, kGrid, 1, 2, "Delta", EditEnd::Enter);  // typed into a list cell
    EXPECT_EQ(ui().cellText(kGrid, 1, 2), "Delta");
    driver->pickCellItem(dialog, kGrid, 2, 2, 2);
    EXPECT_EQ(ui().cellText(kGrid, 2, 2), "R");
    EXPECT_FALSE(dialog.ended());  // Enter and Escape in an editor are the editor's
}

TEST_F(GridConformance, MovingToAnotherRowReportsTheRowLeftWithItsEditKept) {
    driver->clickCell(dialog, kGrid, 0, 1);
    driver->editCell(dialog, kGrid, 0, 3, "4.5", EditEnd::LeftOpen);
    driver->clickCell(dialog, kGrid, 0, 2);  // the same row: nothing to report
    EXPECT_TRUE(dialog.left.empty());
    driver->editCell(dialog, kGrid, 0, 3, "4.5", EditEnd::LeftOpen);
    driver->clickCell(dialog, kGrid, 2, 1);
    EXPECT_EQ(dialog.left, (std::vector<GridDialog::Left>{{0, "4.5"}}));
    driver->clickCell(dialog, kGrid, 1, 3);
    EXPECT_EQ(dialog.left.size(), 2u);
    EXPECT_EQ(dialog.left.back().row, 2);
}

}  // namespace
}  // namespace conformance
