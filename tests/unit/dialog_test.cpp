#include "platform/dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/dialog_units.h"
#include "platform/test/test_platform.h"
#include "unit/fake_module_loader.h"

namespace {

using namespace platform;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const DialogTemplate kTemplate{
    9100,
    "Groups",
    100,
    100,
    "MS Shell Dlg",
    8,
    kCaption,
    {
        {10, ControlKind::Radio, "a", {}, kGroup},
        {11, ControlKind::Radio, "b", {}},
        {12, ControlKind::Edit, "", {}},  // not a radio: not in the group, does not end it
        {13, ControlKind::Radio, "c", {}},
        {20, ControlKind::Radio, "d", {}, kGroup},
        {21, ControlKind::Radio, "e", {}},
        {30, ControlKind::PushButton, "p", {}, kGroup},
        {31, ControlKind::PushButton, "q", {}},
        {32, ControlKind::PushButton, "r", {}},
    }};

TEST(DialogTemplate, RadioGroupsRunFromOneGroupStyleToTheNext) {
    EXPECT_THAT(kTemplate.radioGroup(11), ElementsAre(10, 11, 13));
    EXPECT_THAT(kTemplate.radioGroup(20), ElementsAre(20, 21));
    EXPECT_THAT(kTemplate.radioGroup(12), IsEmpty());
    EXPECT_THAT(kTemplate.radioGroup(99), IsEmpty());
}

class RangeDialog : public Dialog {
  public:
    explicit RangeDialog(Platform& p) : Dialog(p, kTemplate) {
        onClicked(30, 31, [this](int id) { clicked.push_back(id); });
    }
    void DoDataExchange(DataExchange& dx) override { dx.radio(10, value); }
    int value = -1;
    std::vector<int> clicked;
};

TEST(Dialog, RadioExchangeKnowsNoneChecked) {
    testing_support::FakeModuleLoader loader;
    test::TestPlatform p(loader);
    RangeDialog d(p);
    p.create(d);
    test::TestWindow& w = *p.windowOf(d);
    struct Case {
        int load;
        std::vector<bool> checked;
    };
    for (const Case& c : {Case{-1, {false, false, false}}, Case{2, {false, false, true}},
                          Case{0, {true, false, false}}, Case{7, {false, false, false}}}) {
        d.value = c.load;
        d.UpdateData(false);
        EXPECT_EQ((std::vector<bool>{w.isChecked(10), w.isChecked(11), w.isChecked(13)}), c.checked)
            << c.load;
        d.UpdateData(true);
        EXPECT_EQ(d.value, c.load == 7 ? -1 : c.load);
    }
}

TEST(Dialog, ARangeEntryServesEachIdOfItsRangeOnly) {
    testing_support::FakeModuleLoader loader;
    test::TestPlatform p(loader);
    RangeDialog d(p);
    p.create(d);
    for (int id : {30, 31, 32}) p.windowOf(d)->click(id);
    EXPECT_THAT(d.clicked, ElementsAre(30, 31));
}

TEST(DialogUnits, ConvertWithTheFontsBaseUnits) {
    // A font 6 pixels wide on average and 13 high: Windows' own example of 8 pt at 96 DPI.
    EXPECT_EQ(averageCharWidth(6 * 52 - 10), 6);
    EXPECT_EQ(toPixels({21, 37, 77, 14}, {6, 13}), (DialogRect{32, 60, 116, 23}));
    EXPECT_EQ(toPixels({451, 290, 1, 1}, {7, 15}), (DialogRect{789, 544, 2, 2}));
}

}  // namespace
