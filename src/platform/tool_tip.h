#pragma once

#include <string>

#include "platform/dialog.h"

namespace platform {

// A tool-tip control of a dialog: each tool is a control of the dialog's window. The
// backend shows the tips itself, so relaying messages to it has nothing left to do.
class ToolTip {
  public:
    explicit ToolTip(Dialog& owner) : owner_(owner) {}
    void addTool(int controlId, const std::string& text) {
        owner_.ui().addToolTip(controlId, text);
    }
    void activate(bool active) { active_ = active; }
    bool active() const { return active_; }
    void relayEvent(const KeyMessage&) {}

  private:
    Dialog& owner_;
    bool active_ = false;
};

}  // namespace platform
