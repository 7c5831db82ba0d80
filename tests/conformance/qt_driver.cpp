#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <map>

#include "conformance/driver.h"
#include "platform/navigation.h"
#include "platform/posix/posix_module_loader.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_grid.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_window.h"

namespace conformance {
namespace {

using platform::qt::QtWindow;

void sendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(w->mapToGlobal(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

class QtDriver final : public Driver {
  public:
    platform::Platform& platform() override { return platform_; }

    void open(platform::Dialog& d) override {
        platform_.create(d);
        QtWindow* window = platform_.windowOf(d);
        window->activateWindow();
        QApplication::setActiveWindow(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    void click(platform::Dialog& d, int id) override {
        QTest::mouseClick(control(d, id), Qt::LeftButton);
    }
    void typeInto(platform::Dialog& d, int id, const std::string& text) override {
        clickInto(d, id);
        QTest::keyClick(control(d, id), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(control(d, id), QString::fromStdString(text));
    }
    void clickInto(platform::Dialog& d, int id) override {
        QWidget* w = control(d, id);
        if (auto* m = qobject_cast<QPlainTextEdit*>(w)) w = m->viewport();
        QTest::mouseClick(w, Qt::LeftButton);
    }
    void pressKey(platform::Dialog& d, int key, bool shift) override {
        QWidget* target = QApplication::focusWidget();
        if (!target) target = platform_.windowOf(d);
        const std::map<int, Qt::Key> keys = {
            {platform::kVkReturn, Qt::Key_Return},
            {platform::kVkEscape, Qt::Key_Escape},
            {platform::kVkTab, shift ? Qt::Key_Backtab : Qt::Key_Tab},
            {platform::kVkLeft, Qt::Key_Left},
            {platform::kVkUp, Qt::Key_Up},
            {platform::kVkRight, Qt::Key_Right},
            {platform::kVkDown, Qt::Key_Down}};
        QTest::keyClick(target, keys.at(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
    }
    void switchAwayAndBack(platform::Dialog& d) override {
        QWidget other;
        other.setWindowTitle(QStringLiteral("Another application"));
        other.show();
        other.activateWindow();
        QApplication::setActiveWindow(&other);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        QtWindow* window = platform_.windowOf(d);
        window->activateWindow();
        QApplication::setActiveWindow(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    void pressCloseBox(platform::Dialog& d) override { platform_.windowOf(d)->close(); }
    void dragTrackbarToBottom(platform::Dialog& d, int id) override {
        auto* bar = static_cast<platform::qt::Trackbar*>(control(d, id));
        const QPoint from = bar->thumbRect().center();
        const QPoint to(from.x(), bar->height() + 20);
        sendMouse(bar, QEvent::MouseButtonPress, from, Qt::LeftButton);
        sendMouse(bar, QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
        sendMouse(bar, QEvent::MouseMove, to, Qt::LeftButton);
        sendMouse(bar, QEvent::MouseButtonRelease, to, Qt::NoButton);
    }
    void clickTrackbarGrooveBelowThumb(platform::Dialog& d, int id) override {
        auto* bar = static_cast<platform::qt::Trackbar*>(control(d, id));
        const QPoint at(bar->thumbRect().center().x(), bar->height() - 4);
        sendMouse(bar, QEvent::MouseButtonPress, at, Qt::LeftButton);
        sendMouse(bar, QEvent::MouseButtonRelease, at, Qt::NoButton);
    }
    void clickCell(platform::Dialog& d, int id, int row, int column) override {
        auto* grid = dynamic_cast<platform::qt::Grid*>(control(d, id));
        ASSERT_NE(grid, nullptr);
        const QModelIndex index = grid->model()->index(row, column);
        grid->scrollTo(index);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                          grid->visualRect(index).center());
    }
    void editCell(platform::Dialog& d, int id, int row, int column, const std::string& text,
                  EditEnd end) override {
        QWidget* editor = openEditor(d, id, row, column);
        if (!editor) return;
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, QString::fromStdString(text));
        if (end == EditEnd::Enter) QTest::keyClick(editor, Qt::Key_Return);
        if (end == EditEnd::Escape) QTest::keyClick(editor, Qt::Key_Escape);
        QCoreApplication::processEvents();  // the editor gives its text back queued
    }
    void pickCellItem(platform::Dialog& d, int id, int row, int column, int item) override {
        QWidget* editor = openEditor(d, id, row, column);
        auto* combo = qobject_cast<QComboBox*>(editor);
        if (!combo && editor) combo = qobject_cast<QComboBox*>(editor->parentWidget());
        ASSERT_NE(combo, nullptr);
        combo->setCurrentIndex(item);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    void runUntil(const std::function<bool()>& done) override {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 10000) QTest::qWait(5);
        ASSERT_TRUE(done());
    }
    void processPending() override { QCoreApplication::processEvents(); }
    void whenBoxOpens(std::function<bool()> closeWhen, int answer) override {
        whenModal([closeWhen, answer](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box || !closeWhen()) return false;
            const auto button = answer == platform::IDYES  ? QMessageBox::Yes
                                : answer == platform::IDNO ? QMessageBox::No
                                                           : QMessageBox::Ok;
            EXPECT_NE(box->button(button), nullptr) << "the box has no such button";
            if (box->button(button)) box->button(button)->click();
            return true;
        });
    }
    void whenDialogOpens(std::function<bool()> closeWhen) override {
        whenModal([closeWhen](QWidget* modal) {
            if (!dynamic_cast<QtWindow*>(modal) || !closeWhen()) return false;
            QTest::keyClick(modal, Qt::Key_Escape);
            return true;
        });
    }

    bool boxIsAboveEveryWindow() override {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return false;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != box && w->isVisible() && (w->windowFlags() & Qt::WindowStaysOnTopHint) &&
                !(box->windowFlags() & Qt::WindowStaysOnTopHint))
                return false;
        return true;
    }
    bool wrapsLongLines(platform::Dialog& d, int id) override {
        auto* edit = qobject_cast<QPlainTextEdit*>(control(d, id));
        if (!edit) return false;
        edit->setPlainText(QString(400, QLatin1Char('x')));
        QCoreApplication::processEvents();
        return edit->lineWrapMode() != QPlainTextEdit::NoWrap ||
               edit->horizontalScrollBar()->maximum() == 0;
    }
    int fontCellHeight(platform::Dialog& d, int id) override {
        return QFontMetrics(control(d, id)->font()).height();
    }

  private:
    // Clicks the cell and, when the click did not open its editor, presses F2; the widget
    // that then has the keyboard (nothing for a read-only cell).
    QWidget* openEditor(platform::Dialog& d, int id, int row, int column) {
        clickCell(d, id, row, column);
        auto* grid = static_cast<platform::qt::Grid*>(control(d, id));
        if (!grid->editing()) QTest::keyClick(grid, Qt::Key_F2);
        if (!grid->editing()) return nullptr;
        return QApplication::focusWidget();
    }
    QWidget* control(platform::Dialog& d, int id) {
        QWidget* w = platform_.windowOf(d)->control(id);
        EXPECT_NE(w, nullptr) << id;
        return w;
    }
    // Watches for a modal window until `act` has dealt with it.
    void whenModal(std::function<bool(QWidget*)> act) {
        auto* watch = new QTimer(QApplication::instance());
        QObject::connect(watch, &QTimer::timeout, [watch, act] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && act(modal)) {
                watch->stop();
                watch->deleteLater();
            }
        });
        watch->start(5);
    }

    platform::posix::PosixModuleLoader loader_{std::vector<std::string>{}};
    platform::qt::QtPlatform platform_{loader_};
};

}  // namespace

std::unique_ptr<Driver> makeDriver() {
    return std::make_unique<QtDriver>();
}

}  // namespace conformance

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
