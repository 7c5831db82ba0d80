#pragma once
// What a user does to a window, done the same way on either backend, so that one suite of
// cases runs against both.

#include <functional>
#include <memory>
#include <string>

#include "platform/dialog.h"

namespace conformance {

class Driver {
  public:
    virtual ~Driver() = default;
    virtual platform::Platform& platform() = 0;
    virtual void open(platform::Dialog& dialog) = 0;  // a modeless, shown, active window
    virtual void click(platform::Dialog& dialog, int id) = 0;
    virtual void typeInto(platform::Dialog& dialog, int id, const std::string& text) = 0;
    virtual void clickInto(platform::Dialog& dialog, int id) = 0;  // gives an edit the focus
    virtual void pressKey(platform::Dialog& dialog, int virtualKey) = 0;
    virtual void pressCloseBox(platform::Dialog& dialog) = 0;
    virtual void dragTrackbarToBottom(platform::Dialog& dialog, int id) = 0;
    virtual void clickTrackbarGrooveBelowThumb(platform::Dialog& dialog, int id) = 0;
    // Lets time pass, with events handled, until `done` holds (fails after a long while).
    virtual void runUntil(const std::function<bool()>& done) = 0;
    // Handles what is due now without letting time pass.
    virtual void processPending() = 0;
    // The next message box, or modal dialog, stays open until `closeWhen` holds; the user then
    // answers the box with the button of `answer` (IDOK, IDYES, IDNO) or presses Escape in the
    // dialog.
    virtual void whenBoxOpens(std::function<bool()> closeWhen, int answer = platform::IDOK) = 0;
    virtual void whenDialogOpens(std::function<bool()> closeWhen) = 0;
};

std::unique_ptr<Driver> makeDriver();

}  // namespace conformance
