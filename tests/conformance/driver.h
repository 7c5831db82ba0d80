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
    // Return, Escape, Tab (Shift+Tab with `shift`) or an arrow key, to the focused control.
    virtual void pressKey(platform::Dialog& dialog, int virtualKey, bool shift = false) = 0;
    // The operator switches to another application, then back to this window.
    virtual void switchAwayAndBack(platform::Dialog& dialog) = 0;
    virtual void pressCloseBox(platform::Dialog& dialog) = 0;
    virtual void dragTrackbarToBottom(platform::Dialog& dialog, int id) = 0;
    virtual void clickTrackbarGrooveBelowThumb(platform::Dialog& dialog, int id) = 0;
    // Grids: a click on a cell; an in-place edit that types `text` over the cell and ends
    // as `end` says; picking item `item` of a combo cell's list (and Enter).
    enum class EditEnd { Enter, Escape, LeftOpen };
    virtual void clickCell(platform::Dialog& dialog, int id, int row, int column) = 0;
    virtual void editCell(platform::Dialog& dialog, int id, int row, int column,
                          const std::string& text, EditEnd end) = 0;
    virtual void pickCellItem(platform::Dialog& dialog, int id, int row, int column, int item) = 0;
    // Lets time pass, with events handled, until `done` holds (fails after a long while).
    virtual void runUntil(const std::function<bool()>& done) = 0;
    // Handles what is due now without letting time pass.
    virtual void processPending() = 0;
    // The next message box, or modal dialog, stays open until `closeWhen` holds; the user then
    // answers the box with the button of `answer` (IDOK, IDYES, IDNO) or presses Escape in the
    // dialog.
    virtual void whenBoxOpens(std::function<bool()> closeWhen, int answer = platform::IDOK) = 0;
    virtual void whenDialogOpens(std::function<bool()> closeWhen) = 0;

    // --- What the screen shows
    // While a message box is open: it lies above every other window of the program.
    virtual bool boxIsAboveEveryWindow() = 0;
    // A multi-line edit holding a line far wider than itself wraps it (or scrolls instead).
    virtual bool wrapsLongLines(platform::Dialog& dialog, int id) = 0;
    // The height of the character cell (ascent and descent) of the control's font, in pixels.
    virtual int fontCellHeight(platform::Dialog& dialog, int id) = 0;
};

std::unique_ptr<Driver> makeDriver();

}  // namespace conformance
