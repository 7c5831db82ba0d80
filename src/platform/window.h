#pragma once
// A window built from a dialog template, as system code sees it: controls addressed by ID.
// Calls naming an ID that the window does not have are ignored (getters return empty values).

#include <string>
#include <vector>

#include "platform/icon_image.h"

namespace platform {

// A logical font: the height in logical units (pixels at 96 DPI), the face name; other
// fields are the platform's defaults.
struct FontSpec {
    int height = 0;
    std::string face;
    bool operator==(const FontSpec&) const = default;
};

struct TrackbarState {
    int min = 0;
    int max = 100;
    int ticFrequency = 1;
    int position = 0;
};

// The in-place editor of a grid column.
enum class CellEditor {
    None,   // read-only text
    Edit,   // a single-line edit
    Combo,  // a drop-down combo box with an editable text field above its fixed items
};

struct GridColumn {
    std::string heading;
    int width = 0;  // pixels; 0 hides the column
    CellEditor editor = CellEditor::None;
    std::vector<std::string> items;  // Combo: the list, in order
};

// Item states of a grid row, as its state-change notification carries them.
inline constexpr unsigned kItemFocused = 0x0001;
inline constexpr unsigned kItemSelected = 0x0002;

class Window {
  public:
    virtual ~Window() = default;

    virtual void setText(int id, const std::string& text) = 0;
    virtual std::string text(int id) const = 0;

    virtual void setChecked(int id, bool checked) = 0;  // radios and toggles
    virtual bool isChecked(int id) const = 0;

    virtual void setEnabled(int id, bool enabled) = 0;
    virtual bool isEnabled(int id) const = 0;
    virtual void setReadOnly(int id, bool readOnly) = 0;
    virtual bool isReadOnly(int id) const = 0;
    virtual void setVisible(int id, bool visible) = 0;
    virtual bool isVisible(int id) const = 0;
    // The font stays alive while the control uses it; the window owns its copy.
    virtual void setFont(int id, const FontSpec& font) = 0;

    virtual void setTrackbarRange(int id, int min, int max) = 0;
    virtual void setTrackbarTicFrequency(int id, int frequency) = 0;
    virtual void setTrackbarPosition(int id, int position) = 0;
    virtual TrackbarState trackbar(int id) const = 0;

    virtual void resetComboContent(int id) = 0;
    virtual void addComboString(int id, const std::string& text) = 0;
    virtual void setComboSelection(int id, int index) = 0;  // -1: nothing selected
    virtual int comboSelection(int id) const = 0;           // -1: nothing selected
    virtual std::vector<std::string> comboStrings(int id) const = 0;

    // Grids. A cell is edited in place by the grid's own rules: the editor keeps its text
    // when it loses the focus or Enter is pressed, and drops it on Escape. A row that loses
    // the focus is reported to the dialog's item-changed handler.
    virtual void insertGridColumn(int id, int column, const GridColumn& spec) = 0;
    virtual void insertGridRow(int id, int row) = 0;  // every cell empty
    virtual int gridRowCount(int id) const = 0;
    virtual void setGridLines(int id, bool shown) = 0;
    virtual void setCellText(int id, int row, int column, const std::string& text) = 0;
    virtual std::string cellText(int id, int row, int column) const = 0;

    virtual void setFocus(int id) = 0;
    virtual int focusedControl() const = 0;  // -1: none

    virtual void setTitle(const std::string& title) = 0;
    virtual std::string title() const = 0;
    virtual void setIcon(const IconImage& icon) = 0;  // big and small window icon
    virtual bool hasSystemMenu() const = 0;
    // Appends a separator and a string item to the window menu; choosing the item arrives
    // at the dialog's OnSysCommand with `command`.
    virtual void appendSystemMenuItem(unsigned command, const std::string& text) = 0;
    virtual void addToolTip(int id, const std::string& text) = 0;
    virtual std::string toolTip(int id) const = 0;

    // Timers of the window: each tick arrives at the dialog's OnTimer. A tick that falls due
    // while the previous one is still handled merges with the next; ticks never queue.
    virtual void setTimer(unsigned timerId, unsigned periodMs) = 0;
    virtual void killTimer(unsigned timerId) = 0;

    // Shows or hides the window itself.
    virtual void showWindow(bool visible) = 0;
    virtual bool windowShown() const = 0;

    // Ends the window's modal loop (or, for a modeless window, hides it) with `result`.
    virtual void endDialog(int result) = 0;
};

}  // namespace platform
