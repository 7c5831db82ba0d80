#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "conformance/driver.h"
#include "platform/posix/posix_module_loader.h"
#include "platform/qt/qt_controls.h"
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
    void pressKey(platform::Dialog& d, int key) override {
        QWidget* target = QApplication::focusWidget();
        if (!target) target = platform_.windowOf(d);
        QTest::keyClick(target, key == platform::kVkReturn ? Qt::Key_Return : Qt::Key_Escape);
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

  private:
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
