#pragma once
// A dialog's window as Qt widgets, each control at its template rectangle.

#include <QDialog>
#include <QFont>
#include <QMenu>
#include <QTimer>
#include <map>
#include <memory>

#include "platform/dialog.h"
#include "platform/dialog_units.h"
#include "platform/window.h"

namespace platform::qt {

class QtPlatform;

class QtWindow final : public QDialog, public Window {
  public:
    QtWindow(QtPlatform& platform, Dialog& dialog, QWidget* parent);
    ~QtWindow() override;

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
    int focusedControl() const override;
    void setTitle(const std::string& title) override;
    std::string title() const override;
    void setIcon(const IconImage& icon) override;
    bool hasSystemMenu() const override;
    void appendSystemMenuItem(unsigned command, const std::string& text) override;
    void addToolTip(int id, const std::string& text) override;
    std::string toolTip(int id) const override;
    void setTimer(unsigned timerId, unsigned periodMs) override;
    void killTimer(unsigned timerId) override;
    void showWindow(bool visible) override;
    bool windowShown() const override { return QDialog::isVisible(); }
    void endDialog(int result) override;

    QWidget* control(int id) const;
    QMenu& systemMenu() { return systemMenu_; }
    Dialog& dialog() const { return dialog_; }
    BaseUnits baseUnits() const { return base_; }
    void giveFocusToFirstTabStop();
    void stopTimers();
    // The dialog is gone or going: nothing reaches it any more.
    void forgetDialog();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void build();
    QWidget* makeControl(const ControlTemplate& c);
    bool handleKey(QKeyEvent* event);
    // The dialog manager's Tab, Shift+Tab and arrow keys; false when the key is not its.
    bool navigate(int virtualKey, bool backwards);

    QtPlatform& platform_;
    Dialog& dialog_;
    BaseUnits base_{};
    std::map<int, QWidget*> controls_;
    std::map<unsigned, std::unique_ptr<QTimer>> timers_;
    std::vector<std::unique_ptr<QFont>> fonts_;
    QMenu systemMenu_;
    bool dialogGone_ = false;
};

}  // namespace platform::qt
