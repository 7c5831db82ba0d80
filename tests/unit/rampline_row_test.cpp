#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "rampline/rampline_row.h"

namespace {

using namespace rampline;

// Head #1: minimum 10 %, 2.5 W/cm², 1.0 W; head #2: minimum 0 %.
HeadLimits limits() {
    HeadLimits l;
    l.minPercent = {10, 0, 10, 10};
    l.maxIrradiance = {2.5f, 2.5f, 2.5f, 2.5f};
    l.maxPower = {1.0f, 1.0f, 1.0f, 1.0f};
    return l;
}

const RamplineRow kStep{1, 50, 80.0f, 10, 1, 0, kPercent};

struct CellCase {
    Column column;
    const char* text;
    CellOutcome outcome;
    RamplineRow after;  // the row's fields after the read-back
    const char* restored = "";
    RamplineRow before = kStep;
};

class ReadBack : public ::testing::TestWithParam<CellCase> {};

TEST_P(ReadBack, GivesTheOutcomeAndFields) {
    const CellCase& c = GetParam();
    RamplineRow row = c.before;
    const CellReadBack r = ReadBackCell(c.column, c.text, row, limits());
    EXPECT_EQ(r.outcome, c.outcome);
    EXPECT_EQ(row, c.after);
    if (r.outcome == CellOutcome::Restore) {
        EXPECT_EQ(r.restoredText, c.restored);
    }
}

RamplineRow with(RamplineRow row, auto change) {
    change(row);
    return row;
}

const RamplineRow kRepeat3{5, 0, 0.0f, 0, 9, 3, 0};
const auto A = CellOutcome::Accept;
const auto X = CellOutcome::Reject;

// clang-format off
const CellCase kCells[] = {
    // Head #
    {kColumnHead, "3", A, with(kStep, [](auto& r) { r.head = 3; })},
    {kColumnHead, " 4 heads", A, with(kStep, [](auto& r) { r.head = 4; })},
    {kColumnHead, "Del", CellOutcome::Delete, kStep},
    {kColumnHead, "Delete", CellOutcome::Delete, kStep},
    {kColumnHead, "del", X, kStep},
    {kColumnHead, "R", CellOutcome::MakeRepeat, kStep},
    {kColumnHead, "r", X, kStep},
    {kColumnHead, "257", X, kStep},
    {kColumnHead, "0", X, kStep},
    {kColumnHead, "-1", X, kStep},
    {kColumnHead, "", X, kStep},
    // Time: tenths exact on the text as written, 0.1 s to 999.9 s
    {kColumnTime, "0.7", A, with(kStep, [](auto& r) { r.expTime = 7; })},
    {kColumnTime, "2.5", A, with(kStep, [](auto& r) { r.expTime = 25; })},
    {kColumnTime, "0.75", A, with(kStep, [](auto& r) { r.expTime = 7; })},
    {kColumnTime, "0.1", A, with(kStep, [](auto& r) { r.expTime = 1; })},
    {kColumnTime, "999.9", A, with(kStep, [](auto& r) { r.expTime = 9999; })},
    {kColumnTime, "12a", A, with(kStep, [](auto& r) { r.expTime = 120; })},
    {kColumnTime, "1000", X, kStep},
    {kColumnTime, "999.95", X, kStep},
    {kColumnTime, "0.05", X, kStep},
    {kColumnTime, "0.0", X, kStep},
    {kColumnTime, "", X, kStep},
    {kColumnTime, "-2", X, kStep},
    {kColumnTime, "2.5", CellOutcome::Restore, kRepeat3, "Repeat", kRepeat3},
    // Level against head #1's limits (minimum 10 %, 2.5 W/cm², 1.0 W)
    {kColumnLevel, "50", A, with(kStep, [](auto& r) { r.intensity = 50; })},
    {kColumnLevel, "5", X, kStep},
    {kColumnLevel, "101", X, kStep},
    {kColumnLevel, "0.5", A, with(kStep, [](auto& r) { r.intensity = 0.5f; r.calibration = kIrradiance; })},
    {kColumnLevel, "0.25", A, with(kStep, [](auto& r) { r.intensity = 0.25f; r.calibration = kIrradiance; })},
    {kColumnLevel, "0.24", X, kStep},
    {kColumnLevel, "2.6", X, kStep},
    {kColumnLevel, "0.250W", A, with(kStep, [](auto& r) { r.intensity = 0.25f; r.calibration = kPower; })},
    {kColumnLevel, "W1.0", A, with(kStep, [](auto& r) { r.intensity = 1.0f; r.calibration = kPower; })},
    {kColumnLevel, "1.5W", X, kStep},
    {kColumnLevel, "5W", X, kStep},  // no point: 5 percent, below the minimum
    {kColumnLevel, "", X, kStep},
    {kColumnLevel, "5W", A, with(kStep, [](auto& r) { r.head = 2; r.intensity = 5; }),
     "", with(kStep, [](auto& r) { r.head = 2; })},
    {kColumnLevel, "", A, with(kStep, [](auto& r) { r.head = 2; r.intensity = 0; }),
     "", with(kStep, [](auto& r) { r.head = 2; })},
    {kColumnLevel, "7", CellOutcome::Restore, kRepeat3, "3", kRepeat3},
    {kColumnLevel, "50", X, RamplineRow{}, "", RamplineRow{}},  // no head: no limits
    {kColumnLevel, "50", X, with(kStep, [](auto& r) { r.head = 6; }), "",
     with(kStep, [](auto& r) { r.head = 6; })},
    // Dwell
    {kColumnDwell, "P", A, with(kStep, [](auto& r) { r.dwell = 0; })},
    {kColumnDwell, "p", X, kStep},
    {kColumnDwell, "P ", X, kStep},
    {kColumnDwell, "0.5", A, with(kStep, [](auto& r) { r.dwell = 5; })},
    {kColumnDwell, "1000", X, kStep},
    {kColumnDwell, "2", CellOutcome::Restore, kRepeat3, "Times", kRepeat3},
    // Source: the first name the text begins with, else none
    {kColumnSource, "PC", A, with(kStep, [](auto& r) { r.source = 9; })},
    {kColumnSource, "PLC1 line", A, with(kStep, [](auto& r) { r.source = 5; })},
    {kColumnSource, "FP4", A, with(kStep, [](auto& r) { r.source = 4; })},
    {kColumnSource, "fp1", A, with(kStep, [](auto& r) { r.source = 0; })},
    {kColumnSource, "X", A, with(kStep, [](auto& r) { r.source = 0; })},
    {kColumnSource, "", A, with(kStep, [](auto& r) { r.source = 0; })},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cells, ReadBack, ::testing::ValuesIn(kCells));

struct FormatCase {
    RamplineRow row;
    RowTexts texts;
};

TEST(FormatRow, GivesTheSixTextsOfEachKindOfRow) {
    const FormatCase cases[] = {
        {RamplineRow{0, 50, 80.0f, 10, 1, 0, 0}, {"", "7", "", "", "", "", ""}},
        {RamplineRow{1, 50, 55.9f, 0, 1, 0, kPercent}, {"", "7", "1", "5.0", "55", "P", "FP1"}},
        {RamplineRow{2, 25, 0.6f, 5, 5, 0, kPower}, {"", "7", "2", "2.5", "0.600W", "0.5", "PLC1"}},
        {RamplineRow{3, 0, 1.2f, 9999, 0, 0, kIrradiance},
         {"", "7", "3", "0.0", "1.20", "999.9", ""}},
        {kRepeat3, {"", "7", "R", "Repeat", "3", "Times", "PC"}},
        // Codes the editor has no text for: shown as numbers.
        {RamplineRow{6, 10, 42.7f, 10, 12, 0, 7}, {"", "7", "6", "1.0", "42", "1.0", "12"}},
        {RamplineRow{1, 10, std::numeric_limits<float>::quiet_NaN(), 10, 1, 0, kPercent},
         {"", "7", "1", "1.0", "0", "1.0", "FP1"}},
    };
    for (const FormatCase& c : cases) EXPECT_EQ(FormatRow(c.row, 6), c.texts) << c.texts[2];
}

TEST(ReadBackRow, TakesTheCellsInOrderEachSeeingWhatTheOnesBeforeLeft) {
    RamplineProgram program;
    program.slots[0].row = kRepeat3;
    RowTexts cells = FormatRow(kRepeat3, 0);
    cells[kColumnHead] = "2";  // a Repeat row becomes a step of head #2 (minimum 0 %)
    ReadBackRow(program, 0, cells, limits());
    EXPECT_EQ(program.slots[0].row, (RamplineRow{2, 0, 3.0f, 0, 9, 3, kPercent}));
    EXPECT_EQ(cells, (RowTexts{"", "1", "2", "", "3", "", "PC"}));

    cells[kColumnHead] = "R";
    cells[kColumnTime] = "4.0";
    ReadBackRow(program, 0, cells, limits());
    EXPECT_EQ(program.slots[0].row.head, kRepeatHead);
    EXPECT_EQ(program.slots[0].row.repeat, 2);
    EXPECT_EQ(cells, (RowTexts{"", "1", "R", "Repeat", "2", "Times", "PC"}));

    cells[kColumnHead] = "Del";
    ReadBackRow(program, 0, cells, limits());
    EXPECT_EQ(program.slots[0].row, RamplineRow{});
    EXPECT_EQ(program.slots[0].erased, 1);
    EXPECT_EQ(cells, (RowTexts{"", "1", "", "", "", "", ""}));
}

TEST(RamplineProgram, WritesBackTheStepsAndTheErasedSlotsOnly) {
    RamplineProgram program;
    program.slots[3].row = kStep;
    program.slots[9].row = kRepeat3;
    DeleteRow(program, 5);  // empty already: not erased
    DeleteRow(program, 9);
    EXPECT_EQ(SlotsToWrite(program), (std::vector<int>{3, 9}));
    program.slots[9].row = kStep;  // a new step in an erased slot stays erased
    EXPECT_EQ(program.slots[9].erased, 1);
    ClearAll(program);
    EXPECT_EQ(SlotsToWrite(program), (std::vector<int>{3, 9}));
    for (int i : {3, 9}) EXPECT_EQ(program.slots[i].row, RamplineRow{});
}

}  // namespace
