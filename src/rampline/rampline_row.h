#pragma once
// The unit's Rampline program as the editor holds it: 32 rows as GetRLRow and SetRLRow
// exchange them, their texts in the editor's table, and the rules that read an edited cell
// back into its row. Plain data and free functions, with no window.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace rampline {

inline constexpr int kRows = 32;
inline constexpr std::uint8_t kRepeatHead = 5;
inline constexpr std::uint8_t kEditorRepeatCount = 2;

// The table's columns; column 0 is the grid's hidden label column.
enum Column : int {
    kColumnRow = 1,
    kColumnHead,
    kColumnTime,
    kColumnLevel,
    kColumnDwell,
    kColumnSource,
};
inline constexpr int kColumns = 7;  // the hidden one included

// Codes of `calibration`, the unit of `intensity`.
enum RowCalibration : std::uint8_t { kPercent = 0, kIrradiance = 1, kPower = 2 };

// One row, its fields in the order of the entry points' parameters.
struct RamplineRow {
    std::uint8_t head = 0;  // 0 empty, 1 to 4 a head, 5 a Repeat row
    std::uint16_t expTime = 0;  // tenths of a second
    float intensity = 0;
    std::uint16_t dwell = 0;  // tenths of a second; 0 is "P"
    std::uint8_t source = 0;  // 0 none, 1 to 9 "FP1" to "PC"
    std::uint8_t repeat = 0;
    std::uint8_t calibration = 0;
    bool operator==(const RamplineRow&) const = default;
};

struct RamplineSlot {
    RamplineRow row;
    // The slot held a step that the editor deleted: it is written back even when empty.
    std::uint8_t erased = 0;
};

struct RamplineProgram {
    std::array<RamplineSlot, kRows> slots{};
};

// The level limits of heads 1 to 4, index 0 to 3.
struct HeadLimits {
    std::array<std::uint8_t, 4> minPercent{};
    std::array<float, 4> maxIrradiance{};
    std::array<float, 4> maxPower{};
};

extern const std::vector<std::string> headOptions;    // "1" to "4", "R", "Del"
extern const std::vector<std::string> sourceOptions;  // "FP1" to "PC"

// The texts of one table row, index by Column (index 0, the hidden column, stays empty).
using RowTexts = std::array<std::string, kColumns>;

// The table row of slot `slot` (0 to 31): its number, and the five cells of its step.
RowTexts FormatRow(const RamplineRow& row, int slot);

enum class CellOutcome { Accept, Reject, Restore, Delete, MakeRepeat };

struct CellReadBack {
    CellOutcome outcome;
    std::string restoredText;  // Restore: what the cell shows again
};

// Reads the text of one cell of columns Head # to Source back into `row`: on Accept the
// named fields have taken their new values; on every other outcome `row` is unchanged
// (Delete and MakeRepeat are the caller's to carry out on the slot).
CellReadBack ReadBackCell(Column column, const std::string& text, RamplineRow& row,
                          const HeadLimits& limits);

// Empties the slot, marking it erased when it held a step.
void DeleteRow(RamplineProgram& program, int slot);
// Makes the row a Repeat row of count 2, its other fields kept.
void MakeRepeatRow(RamplineRow& row);
void ClearAll(RamplineProgram& program);

// Reads the cells of columns Head # to Source of slot `slot` back, in that order, each
// against the fields as the cells before it left them, and brings `cells` to what the
// table then shows (rejected cells empty, fixed texts restored, a deleted row empty).
void ReadBackRow(RamplineProgram& program, int slot, RowTexts& cells, const HeadLimits& limits);

// The slots written back after OK, in ascending order: those holding a step and those
// erased.
std::vector<int> SlotsToWrite(const RamplineProgram& program);

}  // namespace rampline
