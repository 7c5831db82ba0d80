#include "platform/qt/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QThread>
#include <QUrl>
#include <clocale>

#include "platform/application.h"
#include "platform/dialog.h"
#include "platform/posix/files.h"
#include "platform/posix/posix_module_loader.h"
#include "platform/qt/qt_window.h"

namespace platform::qt {

QtPlatform::QtPlatform(ModuleLoader& loader) : loader_(loader) {
    // Qt takes the desktop's locale for the C library too; numbers and dates that the
    // application formats and reads keep the C library's own conventions ("0.93", "Mar").
    std::setlocale(LC_NUMERIC, "C");
    std::setlocale(LC_TIME, "C");
}

QtPlatform::~QtPlatform() {
    for (auto& [dialog, window] : windows_) {
        const_cast<Dialog*>(dialog)->detach();
        delete window;
    }
}

QtWindow* QtPlatform::windowOf(const Dialog& dialog) const {
    auto it = windows_.find(&dialog);
    return it == windows_.end() ? nullptr : it->second;
}

QtWindow* QtPlatform::open(Dialog& dialog, QWidget* parent) {
    auto* window = new QtWindow(*this, dialog, parent);
    windows_[&dialog] = window;
    dialog.attach(window);
    if (dialog.runInitDialog() && windowOf(dialog)) window->giveFocusToFirstTabStop();
    return window;
}

int QtPlatform::runModal(Dialog& dialog) {
    // A modal window belongs to the one modal before it, as its owner.
    QtWindow* window = open(dialog, modalStack_.empty() ? nullptr : modalStack_.back());
    if (!dialog.ended()) {
        modalStack_.push_back(window);
        window->exec();
        modalStack_.pop_back();
    }
    const int result = dialog.result();
    destroy(dialog);
    return result;
}

void QtPlatform::create(Dialog& dialog, Dialog* parent) {
    QtWindow* window = open(dialog, parent ? windowOf(*parent) : nullptr);
    if (!dialog.ended() && (dialog.dialogTemplate().windowStyles & kVisible))
        window->showWindow(true);
}

void QtPlatform::destroy(Dialog& dialog) {
    auto it = windows_.find(&dialog);
    if (it == windows_.end()) return;
    QtWindow* window = it->second;
    windows_.erase(it);
    dialog.detach();
    // Deleted later: destroy may come from inside one of the window's own handlers. Until
    // then nothing may reach the dialog, which may be gone by then.
    window->forgetDialog();
    window->stopTimers();
    window->hide();
    window->deleteLater();
}

int QtPlatform::messageBox(Dialog* owner, const std::string& text, const std::string& caption,
                           MessageBoxButtons buttons) {
    QWidget* parent = owner ? windowOf(*owner) : nullptr;
    QMessageBox box(
        QMessageBox::NoIcon, QString::fromStdString(caption), QString::fromStdString(text),
        buttons == MessageBoxButtons::Ok ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No,
        parent);
    // Above every window of the program, an always-on-top notice included.
    for (const auto& [dialog, window] : windows_)
        if ((dialog->dialogTemplate().windowStyles & kTopMost) && window->windowShown())
            box.setWindowFlag(Qt::WindowStaysOnTopHint);
    // The window that had the keyboard has it back when the box closes, as its owner does on
    // Windows, with the focus on the control that had it.
    const QPointer<QWidget> active = QApplication::activeWindow();
    const int answer = box.exec();
    if (active && active->isVisible()) {
        active->activateWindow();
        QApplication::setActiveWindow(active);
    }
    if (buttons == MessageBoxButtons::Ok) return IDOK;
    return answer == QMessageBox::Yes ? IDYES : IDNO;
}

void QtPlatform::sleep(unsigned ms) {
    QThread::msleep(ms);
}

std::optional<std::string> QtPlatform::browseForFolder(Dialog* owner, const std::string& title) {
    const QString folder = QFileDialog::getExistingDirectory(owner ? windowOf(*owner) : nullptr,
                                                             QString::fromStdString(title));
    if (folder.isEmpty()) return std::nullopt;
    return folder.toStdString();
}

std::optional<std::string> QtPlatform::createTempFile(const std::string& prefix) {
    return posix::makeTempFile(QDir::tempPath().toStdString(), prefix);
}

std::unique_ptr<OutputFile> QtPlatform::createFile(const std::string& path, std::string& error) {
    return posix::createReplacingFile(path, error);
}

void QtPlatform::openWithDesktop(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

int runApplication(int argc, char** argv) {
    QApplication application(argc, argv);
    posix::PosixModuleLoader loader;
    QtPlatform platform(loader);
    if (Application* app = Application::instance()) app->InitInstance(platform);
    return 0;
}

}  // namespace platform::qt
