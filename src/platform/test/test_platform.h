#pragma once
// The platform in memory, for behaviour tests. Windows keep every control's state where a
// test can read it; a test injects what a user does; a scripted responder answers message
// boxes and modal dialogs; timers and sleeps run on a virtual clock.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/module_loader.h"
#include "platform/navigation.h"
#include "platform/platform.h"

namespace platform::test {

struct ControlState {
    const ControlTemplate* control = nullptr;
    std::string text;
    bool checked = false;
    bool enabled = true;
    bool readOnly = false;
    bool visible = true;
    FontSpec font;  // empty face: the dialog's own font
    TrackbarState trackbar;
    std::vector<std::string> comboStrings;
    int comboSelection = -1;
    std::string toolTip;
    // Grids
    std::vector<GridColumn> columns;
    std::vector<std::vector<std::string>> cells;  // by row, then column
    bool gridLines = false;
    int focusedRow = -1;
};

class TestPlatform;

class TestWindow final : public Window {
  public:
    TestWindow(TestPlatform& platform, Dialog& dialog);
    ~TestWindow() override;

    // --- Window
    void setText(int id, const std::string& text) override;
    std::string text(int id) const override;
    void setChecked(int id, bool checked) override;
    bool isChecked(int id) const override;
    void setEnabled(int id, bool enabled) override;
    bool isEnabled(int id) const override;
    void setReadOnly(int id, bool readOnly) override;
    bool isReadOnly(int id) const override;
    void setVisible(int id, bool visible) override;
    bool isVisible(int id) const override;
    void setFont(int id, const FontSpec& font) override;
    void setTrackbarRange(int id, int min, int max) override;
    void setTrackbarTicFrequency(int id, int frequency) override;
    void setTrackbarPosition(int id, int position) override;
    TrackbarState trackbar(int id) const override;
    void resetComboContent(int id) override;
    void addComboString(int id, const std::string& text) override;
    void setComboSelection(int id, int index) override;
    int comboSelection(int id) const override;
    std::vector<std::string> comboStrings(int id) const override;
    void insertGridColumn(int id, int column, const GridColumn& spec) override;
    void insertGridRow(int id, int row) override;
    int gridRowCount(int id) const override;
    void setGridLines(int id, bool shown) override;
    void setCellText(int id, int row, int column, const std::string& text) override;
    std::string cellText(int id, int row, int column) const override;
    void setFocus(int id) override;
    int focusedControl() const override { return focus_; }
    void setTitle(const std::string& title) override { title_ = title; }
    std::string title() const override { return title_; }
    void setIcon(const IconImage& icon) override { icon_ = &icon; }
    bool hasSystemMenu() const override;
    void appendSystemMenuItem(unsigned command, const std::string& text) override;
    void addToolTip(int id, const std::string& text) override;
    std::string toolTip(int id) const override;
    void setTimer(unsigned timerId, unsigned periodMs) override;
    void killTimer(unsigned timerId) override;
    void showWindow(bool visible) override;
    bool windowShown() const override { return shown_; }
    void endDialog(int result) override;

    // --- What a test reads
    const ControlState* state(int id) const;
    const FontSpec& font(int id) const;
    const IconImage* icon() const { return icon_; }
    struct MenuItem {
        unsigned command;  // 0: separator
        std::string text;
    };
    const std::vector<MenuItem>& systemMenu() const { return systemMenu_; }
    bool timerRunning(unsigned timerId) const;
    Dialog& dialog() const { return dialog_; }
    std::uint64_t changeCount() const { return changes_; }  // every state change of a control

    // --- What a user does. Actions on a disabled or hidden control do nothing.
    void click(int id);
    // Gives the edit the focus and types `text` over its content (refused when read-only).
    void type(int id, const std::string& text);
    // Moves the focus to `id` (-1: to no control); the edit that had it loses it.
    void moveFocus(int id);
    // A key pressed in the window: the dialog's own keys, then the dialog manager's Tab,
    // Shift+Tab (`shift`) and arrows.
    void pressKey(int virtualKey, bool shift = false);
    // The operator switches to another application and back: the window deactivates, the
    // edit that had the focus loses it, and gets it back on return.
    void switchAwayAndBack();
    void selectCombo(int id, int index);
    // Drags the trackbar's thumb to `position` and lets go.
    void dragTrackbar(int id, int position);
    // Clicks the groove above (towards the minimum) or below the thumb: a page step.
    void clickTrackbarGroove(int id, bool towardsMinimum);
    // Grids: a click on a cell gives the grid the focus and moves its focused row there (the
    // row that had it is reported); editing opens the column's editor over the cell, types
    // or picks, and ends it with Enter (`keep`) or Escape. Read-only cells keep their text.
    void clickCell(int id, int row, int column);
    void editCell(int id, int row, int column, const std::string& text, bool keep = true);
    void pickCellItem(int id, int row, int column, int item);
    void chooseSystemMenu(unsigned command);
    void pressCloseBox();

    // Activation: the window that has the keyboard. Deactivating takes the focus from its
    // control (an edit loses it) and keeps it for activating again.
    void deactivate();
    void activate();
    void focusFirstTabStop();

  private:
    ControlStates controlStates() const;
    ControlState* mutableState(int id);
    bool usable(int id) const;
    void changed() { ++changes_; }

    TestPlatform& platform_;
    Dialog& dialog_;
    std::map<int, ControlState> controls_;
    std::string title_;
    const IconImage* icon_ = nullptr;
    std::vector<MenuItem> systemMenu_;
    int focus_ = -1;
    int savedFocus_ = -1;
    bool shown_ = false;
    std::uint64_t changes_ = 0;
};

struct MessageBoxRecord {
    Dialog* owner;
    std::string text;
    std::string caption;
    MessageBoxButtons buttons;
};

class TestPlatform final : public Platform {
  public:
    explicit TestPlatform(ModuleLoader& loader) : loader_(loader) {}
    ~TestPlatform() override;

    int runModal(Dialog& dialog) override;
    void create(Dialog& dialog, Dialog* parent = nullptr) override;
    void destroy(Dialog& dialog) override;
    int messageBox(Dialog* owner, const std::string& text, const std::string& caption,
                   MessageBoxButtons buttons) override;
    void sleep(unsigned ms) override { now_ += ms; }
    ModuleLoader& moduleLoader() override { return loader_; }
    std::optional<std::string> browseForFolder(Dialog* owner, const std::string& title) override;
    std::optional<std::string> createTempFile(const std::string& prefix) override;
    std::unique_ptr<OutputFile> createFile(const std::string& path, std::string& error) override;
    void openWithDesktop(const std::string& path) override { opened_.push_back(path); }

    // --- Files: real files, in folders the test chooses
    // The next folder browser answers with `folder` (nothing: the operator cancels).
    void answerNextFolder(std::optional<std::string> folder) {
        folders_.push_back(std::move(folder));
    }
    void setTempFolder(std::string folder) { tempFolder_ = std::move(folder); }
    const std::vector<std::string>& folderTitles() const { return folderTitles_; }
    const std::vector<std::string>& openedFiles() const { return opened_; }

    // --- The virtual clock
    std::uint64_t now() const { return now_; }
    // Lets `ms` pass, firing every timer that falls due, in time order.
    void advance(std::uint64_t ms);
    // Fires the timers that are due now, without letting time pass.
    void processPending() { advance(0); }

    // --- Scripted user
    using BoxResponder = std::function<int(const MessageBoxRecord&)>;
    using DialogResponder = std::function<void(TestWindow&)>;
    // Answers the next message box; without one, a box is answered IDOK (MB_OK) or IDNO.
    void answerNextBox(BoxResponder responder) { boxResponders_.push_back(std::move(responder)); }
    void answerNextBox(int answer);
    // Acts in the next modal dialog while it is open; a dialog left open when the responder
    // returns (or opened without one) is ended with IDCANCEL.
    void answerNextDialog(DialogResponder responder) {
        dialogResponders_.push_back(std::move(responder));
    }
    const std::vector<MessageBoxRecord>& boxes() const { return boxes_; }
    const std::vector<int>& modalDialogs() const { return modalDialogs_; }  // template IDs
    struct Created {
        int templateId;
        Dialog* parent;
    };
    const std::vector<Created>& modelessWindows() const { return modeless_; }

    TestWindow* windowOf(const Dialog& dialog) const;
    // An open window of that template, or nullptr.
    TestWindow* windowOfTemplate(int templateId) const;

  private:
    friend class TestWindow;
    struct Timer {
        TestWindow* window;
        unsigned id;
        unsigned period;
        std::uint64_t due;
        std::uint64_t generation;  // tells a timer set again apart from the one that fired
    };
    void setTimer(TestWindow& window, unsigned id, unsigned period);
    void killTimer(TestWindow& window, unsigned id);
    void killTimers(TestWindow& window);
    void openWindow(Dialog& dialog);
    bool hasWindowFor(const Dialog& dialog) const;
    // The window that has the keyboard: the last one shown that is still shown.
    TestWindow* activeWindow() const;
    void windowShown(TestWindow& window, bool visible);
    void windowGone(TestWindow& window);

    ModuleLoader& loader_;
    std::uint64_t now_ = 0;
    std::uint64_t generation_ = 0;
    std::vector<Timer> timers_;
    std::map<const Dialog*, std::unique_ptr<TestWindow>> windows_;
    std::vector<TestWindow*> activation_;  // the active window last
    std::deque<BoxResponder> boxResponders_;
    std::deque<DialogResponder> dialogResponders_;
    std::vector<MessageBoxRecord> boxes_;
    std::vector<int> modalDialogs_;
    std::vector<Created> modeless_;
    std::deque<std::optional<std::string>> folders_;
    std::vector<std::string> folderTitles_;
    std::vector<std::string> opened_;
    std::string tempFolder_;
};

}  // namespace platform::test
