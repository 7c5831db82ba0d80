#include "rampline/rampline_row.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "panel/number_reading.h"

namespace rampline {

const std::vector<std::string> headOptions = {"1", "2", "3", "4", "R", "Del"};
const std::vector<std::string> sourceOptions = {"FP1",  "FP2",  "FP3",  "FP4", "PLC1",
                                                "PLC2", "PLC3", "PLC4", "PC"};

namespace {

std::string decimal(long long value) {
    char text[24];
    std::snprintf(text, sizeof text, "%lld", value);
    return text;
}

std::string tenthsText(std::uint16_t tenths) {
    char text[16];
    std::snprintf(text, sizeof text, "%d.%d", tenths / 10, tenths % 10);
    return text;
}

// The integer part of a level, as a whole number; a value beyond the integers (or not a
// number) from the library shows as the nearest one (or 0).
long long integerPart(float value) {
    if (std::isnan(value)) return 0;
    const double t = std::trunc(double{value});
    constexpr double kMost = 2147483647.0;
    return static_cast<long long>(t > kMost ? kMost : t < -kMost - 1 ? -kMost - 1 : t);
}

std::string levelText(const RamplineRow& row) {
    char text[64];
    switch (row.calibration) {
        case kIrradiance:
            std::snprintf(text, sizeof text, "%.2f", double{row.intensity});
            return text;
        case kPower:
            std::snprintf(text, sizeof text, "%.03fW", double{row.intensity});
            return text;
        default:  // Percent, and codes the editor has no unit for
            return decimal(integerPart(row.intensity));
    }
}

std::string sourceText(std::uint8_t source) {
    if (source == 0) return "";
    if (source <= sourceOptions.size()) return sourceOptions[source - 1];
    return decimal(source);
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool isStep(std::uint8_t head) {
    return head >= 1 && head <= 4;
}

const CellReadBack kAccept{CellOutcome::Accept, {}};
const CellReadBack kReject{CellOutcome::Reject, {}};

CellReadBack restore(std::string text) {
    return {CellOutcome::Restore, std::move(text)};
}

float readFloat(const std::string& text) {
    return static_cast<float>(std::strtod(text.c_str(), nullptr));
}

CellReadBack readHead(const std::string& text, RamplineRow& row) {
    if (startsWith(text, "Del")) return {CellOutcome::Delete, {}};
    if (startsWith(text, "R")) return {CellOutcome::MakeRepeat, {}};
    const long long n = panel::readInteger(text);
    if (n < 1 || n > 4) return kReject;
    row.head = static_cast<std::uint8_t>(n);
    return kAccept;
}

CellReadBack readTenthsInto(const std::string& text, std::uint16_t& field) {
    const auto tenths = panel::readTenthsFrom01To9999(text);
    if (!tenths) return kReject;
    field = *tenths;
    return kAccept;
}

CellReadBack readLevel(std::string text, RamplineRow& row, const HeadLimits& limits) {
    if (row.head == kRepeatHead) return restore(decimal(row.repeat));
    // Only a step names a head whose limits apply.
    if (!isStep(row.head)) return kReject;
    const int h = row.head - 1;
    const double minimum = limits.minPercent[h];
    const bool hasPoint = text.find('.') != std::string::npos;
    if (hasPoint && text.find('W') != std::string::npos) {
        for (char& c : text)
            if (c == 'W') c = ' ';
        const float x = readFloat(text);
        const float most = limits.maxPower[h];
        if (!(minimum / 100 * double{most} <= x && x <= most)) return kReject;
        row.intensity = x;
        row.calibration = kPower;
        return kAccept;
    }
    if (hasPoint) {
        const float x = readFloat(text);
        const float most = limits.maxIrradiance[h];
        if (!(minimum / 100 * double{most} <= x && x <= most)) return kReject;
        row.intensity = x;
        row.calibration = kIrradiance;
        return kAccept;
    }
    const long long n = panel::readInteger(text);
    if (n < limits.minPercent[h] || n > 100) return kReject;
    row.intensity = static_cast<float>(n);
    row.calibration = kPercent;
    return kAccept;
}

CellReadBack readDwell(const std::string& text, RamplineRow& row) {
    if (row.head == kRepeatHead) return restore("Times");
    if (text == "P") {
        row.dwell = 0;
        return kAccept;
    }
    return readTenthsInto(text, row.dwell);
}

CellReadBack readSource(const std::string& text, RamplineRow& row) {
    row.source = 0;
    for (std::size_t i = 0; i < sourceOptions.size(); ++i)
        if (startsWith(text, sourceOptions[i])) {
            row.source = static_cast<std::uint8_t>(i + 1);
            break;
        }
    return kAccept;
}

}  // namespace

RowTexts FormatRow(const RamplineRow& row, int slot) {
    RowTexts t;
    t[kColumnRow] = decimal(slot + 1);
    if (row.head == 0) return t;
    const bool repeat = row.head == kRepeatHead;
    t[kColumnHead] = repeat ? "R" : decimal(row.head);
    t[kColumnTime] = repeat ? "Repeat" : tenthsText(row.expTime);
    t[kColumnLevel] = repeat ? decimal(row.repeat) : levelText(row);
    t[kColumnDwell] = repeat ? "Times" : row.dwell == 0 ? "P" : tenthsText(row.dwell);
    t[kColumnSource] = sourceText(row.source);
    return t;
}

CellReadBack ReadBackCell(Column column, const std::string& text, RamplineRow& row,
                          const HeadLimits& limits) {
    RamplineRow changed = row;
    CellReadBack result = kReject;
    switch (column) {
        case kColumnHead:
            result = readHead(text, changed);
            break;
        case kColumnTime:
            result = row.head == kRepeatHead ? restore("Repeat")
                                             : readTenthsInto(text, changed.expTime);
            break;
        case kColumnLevel:
            result = readLevel(text, changed, limits);
            break;
        case kColumnDwell:
            result = readDwell(text, changed);
            break;
        case kColumnSource:
            result = readSource(text, changed);
            break;
        case kColumnRow:
            return restore(text);  // never read back
    }
    if (result.outcome == CellOutcome::Accept) row = changed;
    return result;
}

void DeleteRow(RamplineProgram& program, int slot) {
    if (slot < 0 || slot >= kRows) return;
    RamplineSlot& s = program.slots[slot];
    if (s.row.head != 0) s.erased = 1;
    s.row = RamplineRow{};
}

void MakeRepeatRow(RamplineRow& row) {
    row.head = kRepeatHead;
    row.repeat = kEditorRepeatCount;
}

void ClearAll(RamplineProgram& program) {
    for (int slot = 0; slot < kRows; ++slot) DeleteRow(program, slot);
}

void ReadBackRow(RamplineProgram& program, int slot, RowTexts& cells, const HeadLimits& limits) {
    if (slot < 0 || slot >= kRows) return;
    RamplineRow& row = program.slots[slot].row;
    for (int c = kColumnHead; c <= kColumnSource; ++c) {
        const CellReadBack r = ReadBackCell(static_cast<Column>(c), cells[c], row, limits);
        switch (r.outcome) {
            case CellOutcome::Accept:
                break;
            case CellOutcome::Reject:
                cells[c].clear();
                break;
            case CellOutcome::Restore:
                cells[c] = r.restoredText;
                break;
            case CellOutcome::Delete:
                DeleteRow(program, slot);
                for (int e = kColumnHead; e <= kColumnSource; ++e) cells[e].clear();
                break;
            case CellOutcome::MakeRepeat:
                MakeRepeatRow(row);
                cells[kColumnTime] = "Repeat";
                cells[kColumnLevel] = decimal(row.repeat);
                cells[kColumnDwell] = "Times";
                break;
        }
    }
}

std::vector<int> SlotsToWrite(const RamplineProgram& program) {
    std::vector<int> slots;
    for (int i = 0; i < kRows; ++i)
        if (program.slots[i].row.head != 0 || program.slots[i].erased) slots.push_back(i);
    return slots;
}

}  // namespace rampline
