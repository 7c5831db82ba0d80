#include "platform/dialog.h"

#include "platform/null_window.h"

namespace platform {

void DataExchange::radio(int firstId, int& value) {
    const std::vector<int> group = template_.radioGroup(firstId);
    if (saving_) {
        value = -1;
        for (std::size_t i = 0; i < group.size(); ++i)
            if (window_.isChecked(group[i])) {
                value = static_cast<int>(i);
                break;
            }
        return;
    }
    // Buttons already in the wanted state are left alone, so an exchange that changes
    // nothing repaints nothing.
    for (std::size_t i = 0; i < group.size(); ++i) {
        const bool wanted = static_cast<int>(i) == value;
        if (window_.isChecked(group[i]) != wanted) window_.setChecked(group[i], wanted);
    }
}

Dialog::Dialog(Platform& platform, const DialogTemplate& dialogTemplate)
    : platform_(platform), template_(dialogTemplate) {}

Dialog::~Dialog() {
    if (window_) platform_.destroy(*this);
}

Window& Dialog::ui() const {
    static NullWindow none;
    return window_ ? *window_ : none;
}

void Dialog::attach(Window* window) {
    window_ = window;
    ended_ = false;
}

void Dialog::detach() {
    window_ = nullptr;
}

bool Dialog::UpdateData(bool saveAndValidate) {
    if (!window_) return false;
    DataExchange exchange(*window_, template_, saveAndValidate);
    DoDataExchange(exchange);
    return true;
}

void Dialog::EndDialog(int result) {
    ended_ = true;
    result_ = result;
    if (window_) window_->endDialog(result);
}

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void Dialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void Dialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void Dialog::OnSysCommand(unsigned command) {
    // Default processing: of the window commands only Close reaches the dialog, as Cancel.
    if ((command & 0xFFF0u) == kScClose) OnCancel();
}

void Dialog::add(Map& map, int first, int last, Handler handler) {
    map[first] = Range{last, std::move(handler)};
}

bool Dialog::route(const Map& map, int id) {
    auto it = map.upper_bound(id);
    if (it == map.begin()) return false;
    --it;
    if (id > it->second.last) return false;
    // Copied: the handler may replace the map entry while it runs.
    Handler handler = it->second.handler;
    handler(id);
    return true;
}

void Dialog::handleClicked(int id) {
    if (route(clicked_, id)) return;
    if (id == IDOK) OnOK();
    if (id == IDCANCEL) OnCancel();
}

void Dialog::handleKillFocus(int id) {
    route(killFocus_, id);
}

void Dialog::handleReleased(int id) {
    route(released_, id);
}

void Dialog::handleItemChanged(int id, int row, unsigned oldState) {
    auto it = itemChanged_.upper_bound(id);
    if (it == itemChanged_.begin()) return;
    --it;
    if (id > it->second.last) return;
    ItemHandler handler = it->second.handler;  // copied: it may replace the entry
    handler(id, row, oldState);
}

bool Dialog::handleKeyDown(const KeyMessage& key) {
    if (PreTranslateMessage(key)) return true;
    if (key.virtualKey == kVkEscape) {
        handleClicked(IDCANCEL);
        return true;
    }
    if (key.virtualKey != kVkReturn) return false;
    const ControlTemplate* focused = template_.control(key.focusId);
    if (focused && focused->kind == ControlKind::PushButton) {
        handleClicked(focused->id);
        return true;
    }
    int defaultId = IDOK;
    for (const auto& c : template_.controls)
        if (c.kind == ControlKind::DefaultPushButton) defaultId = c.id;
    handleClicked(defaultId);
    return true;
}

}  // namespace platform
