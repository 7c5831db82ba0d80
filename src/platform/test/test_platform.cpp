#include "platform/test/test_platform.h"

#include <algorithm>

#include "platform/navigation.h"
#include "platform/posix/files.h"

namespace platform::test {

namespace {

bool takesFocus(ControlKind kind) {
    switch (kind) {
        case ControlKind::GroupBox:
        case ControlKind::StaticText:
        case ControlKind::StaticIcon:
            return false;
        default:
            return true;
    }
}

bool isEdit(const ControlState* s) {
    return s && (s->control->kind == ControlKind::Edit ||
                 s->control->kind == ControlKind::MultiLineEdit);
}

// Windows' shortest timer period.
constexpr unsigned kMinimumPeriod = 10;

}  // namespace

// ---------------------------------------------------------------- TestWindow

TestWindow::TestWindow(TestPlatform& platform, Dialog& dialog)
    : platform_(platform), dialog_(dialog) {
    const DialogTemplate& t = dialog.dialogTemplate();
    title_ = t.caption;
    for (const auto& c : t.controls) {
        if (c.id < 0) continue;
        ControlState s;
        s.control = &c;
        s.text = c.caption;
        s.enabled = !(c.styles & kDisabled);
        s.readOnly = (c.styles & kReadOnly) != 0;
        s.visible = !(c.styles & kHidden);
        controls_[c.id] = s;
    }
}

TestWindow::~TestWindow() = default;

ControlState* TestWindow::mutableState(int id) {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

const ControlState* TestWindow::state(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

const FontSpec& TestWindow::font(int id) const {
    static const FontSpec none;
    const ControlState* s = state(id);
    return s ? s->font : none;
}

void TestWindow::setText(int id, const std::string& text) {
    if (auto* s = mutableState(id)) {
        s->text = text;
        changed();
    }
}

std::string TestWindow::text(int id) const {
    const ControlState* s = state(id);
    return s ? s->text : std::string();
}

void TestWindow::setChecked(int id, bool checked) {
    if (auto* s = mutableState(id)) {
        s->checked = checked;
        changed();
    }
}

bool TestWindow::isChecked(int id) const {
    const ControlState* s = state(id);
    return s && s->checked;
}

void TestWindow::setEnabled(int id, bool enabled) {
    if (auto* s = mutableState(id)) {
        s->enabled = enabled;
        changed();
    }
}

bool TestWindow::isEnabled(int id) const {
    const ControlState* s = state(id);
    return s && s->enabled;
}

void TestWindow::setReadOnly(int id, bool readOnly) {
    if (auto* s = mutableState(id)) {
        s->readOnly = readOnly;
        changed();
    }
}

bool TestWindow::isReadOnly(int id) const {
    const ControlState* s = state(id);
    return s && s->readOnly;
}

void TestWindow::setVisible(int id, bool visible) {
    if (auto* s = mutableState(id)) {
        s->visible = visible;
        changed();
    }
}

bool TestWindow::isVisible(int id) const {
    const ControlState* s = state(id);
    return s && s->visible;
}

void TestWindow::setFont(int id, const FontSpec& font) {
    if (auto* s = mutableState(id)) {
        s->font = font;
        changed();
    }
}

void TestWindow::setTrackbarRange(int id, int min, int max) {
    if (auto* s = mutableState(id)) {
        s->trackbar.min = min;
        s->trackbar.max = max;
        s->trackbar.position = std::clamp(s->trackbar.position, min, std::max(min, max));
        changed();
    }
}

void TestWindow::setTrackbarTicFrequency(int id, int frequency) {
    if (auto* s = mutableState(id)) {
        s->trackbar.ticFrequency = frequency;
        changed();
    }
}

void TestWindow::setTrackbarPosition(int id, int position) {
    if (auto* s = mutableState(id)) {
        const TrackbarState& t = s->trackbar;
        s->trackbar.position = std::clamp(position, t.min, std::max(t.min, t.max));
        changed();
    }
}

TrackbarState TestWindow::trackbar(int id) const {
    const ControlState* s = state(id);
    return s ? s->trackbar : TrackbarState{};
}

void TestWindow::resetComboContent(int id) {
    if (auto* s = mutableState(id)) {
        s->comboStrings.clear();
        s->comboSelection = -1;
        changed();
    }
}

void TestWindow::addComboString(int id, const std::string& text) {
    if (auto* s = mutableState(id)) {
        s->comboStrings.push_back(text);
        changed();
    }
}

void TestWindow::setComboSelection(int id, int index) {
    if (auto* s = mutableState(id)) {
        const bool valid = index >= 0 && index < static_cast<int>(s->comboStrings.size());
        s->comboSelection = valid ? index : -1;
        changed();
    }
}

int TestWindow::comboSelection(int id) const {
    const ControlState* s = state(id);
    return s ? s->comboSelection : -1;
}

std::vector<std::string> TestWindow::comboStrings(int id) const {
    const ControlState* s = state(id);
    return s ? s->comboStrings : std::vector<std::string>{};
}

void TestWindow::insertGridColumn(int id, int column, const GridColumn& spec) {
    ControlState* s = mutableState(id);
    if (!s || s->control->kind != ControlKind::Grid) return;
    const auto at = static_cast<std::size_t>(std::clamp<int>(column, 0, s->columns.size()));
    s->columns.insert(s->columns.begin() + static_cast<long>(at), spec);
    for (auto& row : s->cells) row.insert(row.begin() + static_cast<long>(at), std::string());
    changed();
}

void TestWindow::insertGridRow(int id, int row) {
    ControlState* s = mutableState(id);
    if (!s || s->control->kind != ControlKind::Grid) return;
    const auto at = static_cast<std::size_t>(std::clamp<int>(row, 0, s->cells.size()));
    s->cells.insert(s->cells.begin() + static_cast<long>(at),
                    std::vector<std::string>(s->columns.size()));
    changed();
}

int TestWindow::gridRowCount(int id) const {
    const ControlState* s = state(id);
    return s ? static_cast<int>(s->cells.size()) : 0;
}

void TestWindow::setGridLines(int id, bool shown) {
    if (auto* s = mutableState(id)) s->gridLines = shown;
}

void TestWindow::setCellText(int id, int row, int column, const std::string& text) {
    ControlState* s = mutableState(id);
    if (!s || row < 0 || row >= static_cast<int>(s->cells.size()) || column < 0 ||
        column >= static_cast<int>(s->columns.size()))
        return;
    s->cells[row][column] = text;
    changed();
}

std::string TestWindow::cellText(int id, int row, int column) const {
    const ControlState* s = state(id);
    if (!s || row < 0 || row >= static_cast<int>(s->cells.size()) || column < 0 ||
        column >= static_cast<int>(s->columns.size()))
        return {};
    return s->cells[row][column];
}

void TestWindow::clickCell(int id, int row, int column) {
    if (!usable(id) || row < 0 || row >= gridRowCount(id)) return;
    (void)column;
    moveFocus(id);
    ControlState* s = mutableState(id);
    const int previous = s->focusedRow;
    if (previous == row) return;
    s->focusedRow = row;
    if (previous >= 0) dialog_.handleItemChanged(id, previous, kItemFocused | kItemSelected);
    dialog_.handleItemChanged(id, row, 0);
}

void TestWindow::editCell(int id, int row, int column, const std::string& text, bool keep) {
    clickCell(id, row, column);
    const ControlState* s = state(id);
    if (!s || s->focusedRow != row || column < 0 || column >= static_cast<int>(s->columns.size()) ||
        s->columns[column].editor == CellEditor::None)
        return;
    if (keep) setCellText(id, row, column, text);
}

void TestWindow::pickCellItem(int id, int row, int column, int item) {
    const ControlState* s = state(id);
    if (!s || column < 0 || column >= static_cast<int>(s->columns.size())) return;
    const auto& items = s->columns[column].items;
    if (item < 0 || item >= static_cast<int>(items.size())) return;
    editCell(id, row, column, items[item]);
}

void TestWindow::setFocus(int id) {
    moveFocus(id);
}

bool TestWindow::hasSystemMenu() const {
    return (dialog_.dialogTemplate().windowStyles & kSystemMenu) != 0;
}

void TestWindow::appendSystemMenuItem(unsigned command, const std::string& text) {
    systemMenu_.push_back({0, {}});
    systemMenu_.push_back({command, text});
}

void TestWindow::addToolTip(int id, const std::string& text) {
    if (auto* s = mutableState(id)) s->toolTip = text;
}

std::string TestWindow::toolTip(int id) const {
    const ControlState* s = state(id);
    return s ? s->toolTip : std::string();
}

void TestWindow::setTimer(unsigned timerId, unsigned periodMs) {
    platform_.setTimer(*this, timerId, periodMs);
}

void TestWindow::killTimer(unsigned timerId) {
    platform_.killTimer(*this, timerId);
}

void TestWindow::endDialog(int) {}

bool TestWindow::timerRunning(unsigned timerId) const {
    return std::any_of(platform_.timers_.begin(), platform_.timers_.end(),
                       [&](const auto& t) { return t.window == this && t.id == timerId; });
}

bool TestWindow::usable(int id) const {
    const ControlState* s = state(id);
    return s && s->enabled && s->visible;
}

void TestWindow::click(int id) {
    if (!usable(id)) return;
    const ControlTemplate& c = *state(id)->control;
    if (takesFocus(c.kind)) moveFocus(id);
    switch (c.kind) {
        case ControlKind::Radio:
            for (int member : dialog_.dialogTemplate().radioGroup(id))
                setChecked(member, member == id);
            break;
        case ControlKind::Toggle:
            setChecked(id, !isChecked(id));
            break;
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton:
            break;
        default:
            return;  // edits, lists and frames send no click
    }
    dialog_.handleClicked(id);  // may destroy this window
}

void TestWindow::type(int id, const std::string& text) {
    if (!usable(id)) return;
    moveFocus(id);
    if (isReadOnly(id)) return;
    setText(id, text);
}

void TestWindow::moveFocus(int id) {
    if (id == focus_) return;
    if (id >= 0 && (!state(id) || !takesFocus(state(id)->control->kind))) return;
    const int previous = focus_;
    focus_ = id;
    if (isEdit(state(previous))) dialog_.handleKillFocus(previous);
}

void TestWindow::pressKey(int virtualKey, bool shift) {
    if (dialog_.handleKeyDown({virtualKey, focus_})) return;
    const DialogTemplate& t = dialog_.dialogTemplate();
    const ControlStates states = controlStates();
    if (virtualKey == kVkTab) {
        const int next = nextTabStop(t, focus_, !shift, states);
        if (next >= 0) moveFocus(next);
        return;
    }
    const bool forward = virtualKey == kVkDown || virtualKey == kVkRight;
    if (!forward && virtualKey != kVkUp && virtualKey != kVkLeft) return;
    const int next = nextInRadioGroup(t, focus_, forward, states);
    if (next < 0) return;
    moveFocus(next);
    for (int member : t.radioGroup(next)) setChecked(member, member == next);
    dialog_.handleClicked(next);  // may destroy this window
}

ControlStates TestWindow::controlStates() const {
    return {[this](int id) { return usable(id); }, [this](int id) { return isChecked(id); }};
}

void TestWindow::focusFirstTabStop() {
    const int first = nextTabStop(dialog_.dialogTemplate(), -1, true, controlStates());
    if (first >= 0) moveFocus(first);
}

void TestWindow::switchAwayAndBack() {
    deactivate();
    activate();
}

void TestWindow::deactivate() {
    if (focus_ < 0) return;
    savedFocus_ = focus_;
    focus_ = -1;
    if (isEdit(state(savedFocus_))) dialog_.handleKillFocus(savedFocus_);
}

void TestWindow::activate() {
    if (focus_ < 0 && savedFocus_ >= 0 && usable(savedFocus_)) focus_ = savedFocus_;
    savedFocus_ = -1;
}

void TestWindow::showWindow(bool visible) {
    shown_ = visible;
    changed();
    platform_.windowShown(*this, visible);
}

void TestWindow::selectCombo(int id, int index) {
    if (!usable(id)) return;
    moveFocus(id);
    setComboSelection(id, index);
}

void TestWindow::dragTrackbar(int id, int position) {
    if (!usable(id) || state(id)->control->kind != ControlKind::Trackbar) return;
    moveFocus(id);
    setTrackbarPosition(id, position);
    dialog_.handleReleased(id);
}

void TestWindow::clickTrackbarGroove(int id, bool towardsMinimum) {
    if (!usable(id) || state(id)->control->kind != ControlKind::Trackbar) return;
    moveFocus(id);
    const TrackbarState t = trackbar(id);
    const int page = std::max(1, (t.max - t.min) / 5);
    setTrackbarPosition(id, t.position + (towardsMinimum ? -page : page));
    dialog_.handleReleased(id);
}

void TestWindow::chooseSystemMenu(unsigned command) {
    dialog_.handleSysCommand(command);
}

void TestWindow::pressCloseBox() {
    dialog_.handleSysCommand(kScClose);
}

// ---------------------------------------------------------------- TestPlatform

TestPlatform::~TestPlatform() {
    for (auto& [dialog, window] : windows_) const_cast<Dialog*>(dialog)->detach();
}

void TestPlatform::openWindow(Dialog& dialog) {
    auto window = std::make_unique<TestWindow>(*this, dialog);
    TestWindow* w = window.get();
    windows_[&dialog] = std::move(window);
    dialog.attach(w);
    if (dialog.runInitDialog() && hasWindowFor(dialog)) w->focusFirstTabStop();
}

bool TestPlatform::hasWindowFor(const Dialog& dialog) const {
    return windows_.count(&dialog) != 0;
}

TestWindow* TestPlatform::windowOf(const Dialog& dialog) const {
    auto it = windows_.find(&dialog);
    return it == windows_.end() ? nullptr : it->second.get();
}

TestWindow* TestPlatform::windowOfTemplate(int templateId) const {
    for (const auto& [dialog, window] : windows_)
        if (dialog->dialogTemplate().id == templateId) return window.get();
    return nullptr;
}

int TestPlatform::runModal(Dialog& dialog) {
    modalDialogs_.push_back(dialog.dialogTemplate().id);
    openWindow(dialog);
    if (TestWindow* w = windowOf(dialog)) w->showWindow(true);
    if (!dialog.ended() && !dialogResponders_.empty()) {
        DialogResponder responder = std::move(dialogResponders_.front());
        dialogResponders_.pop_front();
        if (TestWindow* w = windowOf(dialog)) responder(*w);
    }
    if (!dialog.ended()) dialog.EndDialog(IDCANCEL);
    const int result = dialog.result();
    destroy(dialog);
    return result;
}

void TestPlatform::create(Dialog& dialog, Dialog* parent) {
    modeless_.push_back({dialog.dialogTemplate().id, parent});
    openWindow(dialog);
    if (TestWindow* w = windowOf(dialog); w && (dialog.dialogTemplate().windowStyles & kVisible))
        w->showWindow(true);
}

TestWindow* TestPlatform::activeWindow() const {
    return activation_.empty() ? nullptr : activation_.back();
}

void TestPlatform::windowShown(TestWindow& window, bool visible) {
    TestWindow* before = activeWindow();
    std::erase(activation_, &window);
    if (visible) activation_.push_back(&window);
    TestWindow* now = activeWindow();
    if (now == before) return;
    if (before) before->deactivate();
    if (now && now == activeWindow()) now->activate();
}

void TestPlatform::windowGone(TestWindow& window) {
    const bool wasActive = activeWindow() == &window;
    std::erase(activation_, &window);
    if (wasActive && activeWindow()) activeWindow()->activate();
}

void TestPlatform::destroy(Dialog& dialog) {
    auto it = windows_.find(&dialog);
    if (it == windows_.end()) return;
    windowGone(*it->second);
    killTimers(*it->second);
    dialog.detach();
    windows_.erase(it);
}

int TestPlatform::messageBox(Dialog* owner, const std::string& text, const std::string& caption,
                             MessageBoxButtons buttons) {
    boxes_.push_back({owner, text, caption, buttons});
    const MessageBoxRecord record = boxes_.back();
    // The box takes the keyboard: the active window's edit loses the focus as it opens,
    // and the window has it back when the box closes.
    TestWindow* active = activeWindow();
    if (active) active->deactivate();
    int answer = buttons == MessageBoxButtons::Ok ? IDOK : IDNO;
    if (!boxResponders_.empty()) {
        BoxResponder responder = std::move(boxResponders_.front());
        boxResponders_.pop_front();
        answer = responder(record);
    }
    if (active && active == activeWindow()) active->activate();
    return answer;
}

std::optional<std::string> TestPlatform::browseForFolder(Dialog*, const std::string& title) {
    folderTitles_.push_back(title);
    if (folders_.empty()) return std::nullopt;
    auto folder = std::move(folders_.front());
    folders_.pop_front();
    return folder;
}

std::optional<std::string> TestPlatform::createTempFile(const std::string& prefix) {
    return posix::makeTempFile(tempFolder_.empty() ? posix::tempFolder() : tempFolder_, prefix);
}

std::unique_ptr<OutputFile> TestPlatform::createFile(const std::string& path, std::string& error) {
    return posix::createReplacingFile(path, error);
}

void TestPlatform::answerNextBox(int answer) {
    answerNextBox([answer](const MessageBoxRecord&) { return answer; });
}

void TestPlatform::setTimer(TestWindow& window, unsigned id, unsigned period) {
    period = std::max(period, kMinimumPeriod);
    for (auto& t : timers_)
        if (t.window == &window && t.id == id) {
            t.period = period;
            t.due = now_ + period;
            t.generation = ++generation_;
            return;
        }
    timers_.push_back({&window, id, period, now_ + period, ++generation_});
}

void TestPlatform::killTimer(TestWindow& window, unsigned id) {
    std::erase_if(timers_, [&](const Timer& t) { return t.window == &window && t.id == id; });
}

void TestPlatform::killTimers(TestWindow& window) {
    std::erase_if(timers_, [&](const Timer& t) { return t.window == &window; });
}

void TestPlatform::advance(std::uint64_t ms) {
    const std::uint64_t target = now_ + ms;
    for (;;) {
        auto next = std::min_element(timers_.begin(), timers_.end(),
                                     [](const Timer& a, const Timer& b) { return a.due < b.due; });
        if (next == timers_.end() || next->due > target) break;
        now_ = std::max(now_, next->due);
        next->due = now_ + next->period;
        TestWindow* window = next->window;
        const unsigned id = next->id;
        const std::uint64_t generation = next->generation;
        window->dialog().handleTimer(id);
        // A handler that ran past its next tick gets one late tick, never a backlog.
        for (auto& t : timers_)
            if (t.window == window && t.id == id && t.generation == generation && t.due < now_)
                t.due = now_;
    }
    now_ = std::max(now_, target);
}

}  // namespace platform::test
