#pragma once

#include "platform/window.h"

namespace platform {

// Stands in for a window that does not exist (not yet created, or destroyed): every call is
// ignored and every getter answers an empty value.
class NullWindow final : public Window {
  public:
    void setText(int, const std::string&) override {}
    std::string text(int) const override { return {}; }
    void setChecked(int, bool) override {}
    bool isChecked(int) const override { return false; }
    void setEnabled(int, bool) override {}
    bool isEnabled(int) const override { return false; }
    void setReadOnly(int, bool) override {}
    bool isReadOnly(int) const override { return false; }
    void setVisible(int, bool) override {}
    bool isVisible(int) const override { return false; }
    void setFont(int, const FontSpec&) override {}
    void setTrackbarRange(int, int, int) override {}
    void setTrackbarTicFrequency(int, int) override {}
    void setTrackbarPosition(int, int) override {}
    TrackbarState trackbar(int) const override { return {}; }
    void resetComboContent(int) override {}
    void addComboString(int, const std::string&) override {}
    void setComboSelection(int, int) override {}
    int comboSelection(int) const override { return -1; }
    std::vector<std::string> comboStrings(int) const override { return {}; }
    void insertGridColumn(int, int, const GridColumn&) override {}
    void insertGridRow(int, int) override {}
    int gridRowCount(int) const override { return 0; }
    void setGridLines(int, bool) override {}
    void setCellText(int, int, int, const std::string&) override {}
    std::string cellText(int, int, int) const override { return {}; }
    void setFocus(int) override {}
    int focusedControl() const override { return -1; }
    void setTitle(const std::string&) override {}
    std::string title() const override { return {}; }
    void setIcon(const IconImage&) override {}
    bool hasSystemMenu() const override { return false; }
    void appendSystemMenuItem(unsigned, const std::string&) override {}
    void addToolTip(int, const std::string&) override {}
    std::string toolTip(int) const override { return {}; }
    void setTimer(unsigned, unsigned) override {}
    void killTimer(unsigned) override {}
    void showWindow(bool) override {}
    bool windowShown() const override { return false; }
    void endDialog(int) override {}
};

}  // namespace platform
