#include "platform/qt/qt_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "platform/dialog_units.h"
#include "platform/navigation.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_grid.h"
#include "platform/qt/qt_platform.h"

namespace platform::qt {

namespace {

QString qs(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}
std::string ss(const QString& s) {
    return s.toUtf8().toStdString();
}

// What a static control shows for its text: '&' marks a mnemonic unless the control has the
// no-prefix style, and "&&" is a literal '&'.
QString staticCaption(const std::string& text, bool noPrefix) {
    QString t = qs(text);
    if (noPrefix) return t;
    QString shown;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] == '&') {
            if (i + 1 < t.size() && t[i + 1] == '&') shown += '&', ++i;
            continue;
        }
        shown += t[i];
    }
    return shown;
}

int virtualKeyOf(const QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kVkReturn;
        case Qt::Key_Escape:
            return kVkEscape;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return kVkTab;
        case Qt::Key_Left:
            return kVkLeft;
        case Qt::Key_Up:
            return kVkUp;
        case Qt::Key_Right:
            return kVkRight;
        case Qt::Key_Down:
            return kVkDown;
        default:
            return e->key() < 0x80 ? e->key() : 0;
    }
}

}  // namespace

QtWindow::QtWindow(QtPlatform& platform, Dialog& dialog, QWidget* parent)
    : QDialog(parent), platform_(platform), dialog_(dialog), systemMenu_(this) {
    build();
}

QtWindow::~QtWindow() {
    stopTimers();
}

void QtWindow::stopTimers() {
    for (auto& [id, timer] : timers_) timer->stop();
}

void QtWindow::build() {
    const DialogTemplate& t = dialog_.dialogTemplate();
    setWindowTitle(qs(t.caption));
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (t.windowStyles & kSystemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (t.windowStyles & kTopMost) flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);

    // "MS Shell Dlg" stands for the desktop's own dialog font.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(t.fontPointSize);
    QDialog::setFont(font);
    const QFontMetrics metrics(font);
    base_ = {averageCharWidth(metrics.horizontalAdvance(
                 QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"))),
             metrics.height()};
    const DialogRect client = toPixels({0, 0, t.width, t.height}, base_);
    setFixedSize(client.width, client.height);

    QWidget* previous = nullptr;
    for (const auto& c : t.controls) {
        QWidget* w = makeControl(c);
        const DialogRect r = toPixels(c.rect, base_);
        if (c.kind == ControlKind::DropDownList)
            w->setGeometry(r.x, r.y, r.width, w->sizeHint().height());
        else
            w->setGeometry(r.x, r.y, r.width, r.height);
        if (c.styles & kHidden) w->hide();
        if (c.styles & kDisabled) w->setEnabled(false);
        if (c.id >= 0) {
            w->setObjectName(QString::number(c.id));
            controls_[c.id] = w;
        }
        w->installEventFilter(this);
        if (w->focusPolicy() != Qt::NoFocus) {
            if (previous) QWidget::setTabOrder(previous, w);
            previous = w;
        }
    }
    // Frames and labels lie beneath the controls they surround.
    for (const auto& c : t.controls)
        if (c.kind == ControlKind::GroupBox || c.kind == ControlKind::StaticText ||
            c.kind == ControlKind::StaticIcon)
            if (auto* w = findChild<QWidget*>(QString("static_%1").arg(&c - t.controls.data())))
                w->lower();

    systemMenu_.addAction(tr("&Close"), this, [this] { dialog_.handleSysCommand(kScClose); });
}

QWidget* QtWindow::makeControl(const ControlTemplate& c) {
    const int id = c.id;
    const auto index = &c - dialog_.dialogTemplate().controls.data();
    QWidget* w = nullptr;
    switch (c.kind) {
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton:
        case ControlKind::Toggle: {
            auto* b = new QPushButton(qs(c.caption), this);
            b->setAutoDefault(false);
            b->setDefault(c.kind == ControlKind::DefaultPushButton);
            b->setCheckable(c.kind == ControlKind::Toggle);
            connect(b, &QPushButton::clicked, this, [this, id] { dialog_.handleClicked(id); });
            w = b;
            break;
        }
        case ControlKind::Radio: {
            auto* b = new RadioButton(qs(c.caption), this);
            b->setAutoExclusive(false);
            connect(b, &QRadioButton::clicked, this, [this, id] {
                for (int member : dialog_.dialogTemplate().radioGroup(id))
                    if (member != id) setChecked(member, false);
                dialog_.handleClicked(id);
            });
            w = b;
            break;
        }
        case ControlKind::Edit: {
            auto* e = new QLineEdit(this);
            e->setAlignment(c.styles & kCentred ? Qt::AlignCenter
                                                : Qt::AlignLeft | Qt::AlignVCenter);
            e->setReadOnly(c.styles & kReadOnly);
            e->setText(qs(c.caption));
            w = e;
            break;
        }
        case ControlKind::MultiLineEdit: {
            auto* e = new QPlainTextEdit(this);
            e->setVerticalScrollBarPolicy(c.styles & kVScroll ? Qt::ScrollBarAlwaysOn
                                                              : Qt::ScrollBarAsNeeded);
            e->setReadOnly(c.styles & kReadOnly);
            // A multi-line edit wraps its lines unless it scrolls horizontally.
            e->setLineWrapMode(c.styles & kAutoHScroll ? QPlainTextEdit::NoWrap
                                                       : QPlainTextEdit::WidgetWidth);
            e->setTabChangesFocus(true);
            w = e;
            break;
        }
        case ControlKind::DropDownList:
            w = new QComboBox(this);
            break;
        case ControlKind::Trackbar: {
            auto* s = new Trackbar(this, [this, id] { dialog_.handleReleased(id); });
            s->setRange(0, 100);
            s->setPageStep(20);
            w = s;
            break;
        }
        case ControlKind::Grid:
            w = new Grid(this, [this, id](int row, unsigned oldState) {
                if (!dialogGone_) dialog_.handleItemChanged(id, row, oldState);
            });
            break;
        case ControlKind::GroupBox:
            w = new QGroupBox(qs(c.caption), this);
            w->setFocusPolicy(Qt::NoFocus);
            break;
        case ControlKind::StaticText: {
            auto* l = new QLabel(staticCaption(c.caption, c.styles & kNoPrefix), this);
            Qt::Alignment a = c.styles & kRight     ? Qt::AlignRight
                              : c.styles & kCentred ? Qt::AlignHCenter
                                                    : Qt::AlignLeft;
            a |= c.styles & kVCentred ? Qt::AlignVCenter : Qt::AlignTop;
            l->setAlignment(a);
            l->setProperty("zqText", qs(c.caption));
            w = l;
            break;
        }
        case ControlKind::StaticIcon: {
            auto* l = new QLabel(this);
            if (c.icon) {
                const QImage image(reinterpret_cast<const uchar*>(c.icon->argb.data()),
                                   c.icon->width, c.icon->height, QImage::Format_ARGB32);
                l->setPixmap(QPixmap::fromImage(image.copy()));
            }
            w = l;
            break;
        }
    }
    if (c.id < 0) w->setObjectName(QString("static_%1").arg(index));
    // Frames, labels and icons let the mouse through to what lies beneath, as on Windows:
    // the DOOR LOCK label lies over the sliders.
    if (c.kind == ControlKind::GroupBox || c.kind == ControlKind::StaticText ||
        c.kind == ControlKind::StaticIcon)
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (!(c.styles & kTabStop) && (c.kind == ControlKind::Edit || c.kind == ControlKind::Trackbar))
        w->setFocusPolicy(Qt::ClickFocus);
    return w;
}

QWidget* QtWindow::control(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

void QtWindow::setText(int id, const std::string& text) {
    QWidget* w = control(id);
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(qs(text));
    else if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(qs(text));
    else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
        QString t = qs(text);
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        m->setPlainText(t);
    } else if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setTitle(qs(text));
    else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setProperty("zqText", qs(text));
        const ControlTemplate* c = dialog_.dialogTemplate().control(id);
        l->setText(staticCaption(text, c && (c->styles & kNoPrefix)));
    }
}

std::string QtWindow::text(int id) const {
    QWidget* w = control(id);
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return ss(b->text());
    if (auto* e = qobject_cast<QLineEdit*>(w)) return ss(e->text());
    if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
        QString t = m->toPlainText();
        t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        return ss(t);
    }
    if (auto* g = qobject_cast<QGroupBox*>(w)) return ss(g->title());
    if (auto* l = qobject_cast<QLabel*>(w)) return ss(l->property("zqText").toString());
    return {};
}

void QtWindow::setChecked(int id, bool checked) {
    if (auto* b = qobject_cast<QAbstractButton*>(control(id))) b->setChecked(checked);
}

bool QtWindow::isChecked(int id) const {
    auto* b = qobject_cast<QAbstractButton*>(control(id));
    return b && b->isChecked();
}

void QtWindow::setEnabled(int id, bool enabled) {
    if (QWidget* w = control(id)) w->setEnabled(enabled);
}

bool QtWindow::isEnabled(int id) const {
    QWidget* w = control(id);
    return w && w->isEnabled();
}

void QtWindow::setReadOnly(int id, bool readOnly) {
    if (auto* e = qobject_cast<QLineEdit*>(control(id))) e->setReadOnly(readOnly);
    if (auto* m = qobject_cast<QPlainTextEdit*>(control(id))) m->setReadOnly(readOnly);
}

bool QtWindow::isReadOnly(int id) const {
    if (auto* e = qobject_cast<QLineEdit*>(control(id))) return e->isReadOnly();
    if (auto* m = qobject_cast<QPlainTextEdit*>(control(id))) return m->isReadOnly();
    return false;
}

void QtWindow::setVisible(int id, bool visible) {
    if (QWidget* w = control(id)) w->setVisible(visible);
}

bool QtWindow::isVisible(int id) const {
    QWidget* w = control(id);
    return w && !w->isHidden();
}

void QtWindow::setFont(int id, const FontSpec& spec) {
    QWidget* w = control(id);
    if (!w) return;
    QFont font(qs(spec.face));
    // A logical font's positive height is its character cell (ascent and descent), not the
    // em size Qt's pixel size sets: the largest size whose cell fits.
    if (spec.height > 0) {
        int pixels = spec.height;
        font.setPixelSize(pixels);
        while (pixels > 1 && QFontMetrics(font).height() > spec.height) font.setPixelSize(--pixels);
    }
    w->setFont(font);
}

void QtWindow::setTrackbarRange(int id, int min, int max) {
    if (auto* s = qobject_cast<QSlider*>(control(id))) {
        s->setRange(min, max);
        s->setPageStep(std::max(1, (max - min) / 5));
    }
}

void QtWindow::setTrackbarTicFrequency(int id, int frequency) {
    if (auto* s = qobject_cast<QSlider*>(control(id))) s->setTickInterval(frequency);
}

void QtWindow::setTrackbarPosition(int id, int position) {
    if (auto* s = qobject_cast<QSlider*>(control(id))) s->setValue(position);
}

TrackbarState QtWindow::trackbar(int id) const {
    auto* s = qobject_cast<QSlider*>(control(id));
    if (!s) return {};
    return {s->minimum(), s->maximum(), s->tickInterval(), s->value()};
}

void QtWindow::resetComboContent(int id) {
    if (auto* c = qobject_cast<QComboBox*>(control(id))) c->clear();
}

void QtWindow::addComboString(int id, const std::string& text) {
    auto* c = qobject_cast<QComboBox*>(control(id));
    if (!c) return;
    // Adding to an empty list must not select the entry, as a Windows list does not.
    const int selected = c->currentIndex();
    c->addItem(qs(text));
    c->setCurrentIndex(selected);
}

void QtWindow::setComboSelection(int id, int index) {
    auto* c = qobject_cast<QComboBox*>(control(id));
    if (c) c->setCurrentIndex(index >= 0 && index < c->count() ? index : -1);
}

int QtWindow::comboSelection(int id) const {
    auto* c = qobject_cast<QComboBox*>(control(id));
    return c ? c->currentIndex() : -1;
}

std::vector<std::string> QtWindow::comboStrings(int id) const {
    std::vector<std::string> strings;
    if (auto* c = qobject_cast<QComboBox*>(control(id)))
        for (int i = 0; i < c->count(); ++i) strings.push_back(ss(c->itemText(i)));
    return strings;
}

void QtWindow::insertGridColumn(int id, int column, const GridColumn& spec) {
    if (auto* g = dynamic_cast<Grid*>(control(id))) g->insertColumn(column, spec);
}

void QtWindow::insertGridRow(int id, int row) {
    if (auto* g = dynamic_cast<Grid*>(control(id))) g->insertRow(row);
}

int QtWindow::gridRowCount(int id) const {
    auto* g = dynamic_cast<Grid*>(control(id));
    return g ? g->rowCount() : 0;
}

void QtWindow::setGridLines(int id, bool shown) {
    if (auto* g = dynamic_cast<Grid*>(control(id))) g->setShowGrid(shown);
}

void QtWindow::setCellText(int id, int row, int column, const std::string& text) {
    if (auto* g = dynamic_cast<Grid*>(control(id))) g->setCellText(row, column, qs(text));
}

std::string QtWindow::cellText(int id, int row, int column) const {
    auto* g = dynamic_cast<Grid*>(control(id));
    return g ? ss(g->cellText(row, column)) : std::string();
}

void QtWindow::setFocus(int id) {
    if (QWidget* w = control(id)) w->setFocus(Qt::OtherFocusReason);
}

int QtWindow::focusedControl() const {
    for (QWidget* w = QApplication::focusWidget(); w && w != this; w = w->parentWidget())
        for (const auto& [id, c] : controls_)
            if (c == w) return id;
    return -1;
}

void QtWindow::setTitle(const std::string& title) {
    setWindowTitle(qs(title));
}

std::string QtWindow::title() const {
    return ss(windowTitle());
}

void QtWindow::setIcon(const IconImage& icon) {
    const QImage image(reinterpret_cast<const uchar*>(icon.argb.data()), icon.width, icon.height,
                       QImage::Format_ARGB32);
    setWindowIcon(QIcon(QPixmap::fromImage(image.copy())));
}

bool QtWindow::hasSystemMenu() const {
    return (dialog_.dialogTemplate().windowStyles & kSystemMenu) != 0;
}

void QtWindow::appendSystemMenuItem(unsigned command, const std::string& text) {
    systemMenu_.addSeparator();
    systemMenu_.addAction(qs(text), this, [this, command] { dialog_.handleSysCommand(command); });
}

void QtWindow::addToolTip(int id, const std::string& text) {
    if (QWidget* w = control(id)) w->setToolTip(qs(text));
}

std::string QtWindow::toolTip(int id) const {
    QWidget* w = control(id);
    return w ? ss(w->toolTip()) : std::string();
}

void QtWindow::setTimer(unsigned timerId, unsigned periodMs) {
    auto& timer = timers_[timerId];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        connect(timer.get(), &QTimer::timeout, this,
                [this, timerId] { dialog_.handleTimer(timerId); });
    }
    timer->start(static_cast<int>(std::max(periodMs, 10u)));
}

void QtWindow::killTimer(unsigned timerId) {
    // Stopped, not deleted: the timer may be the one whose tick is being handled.
    if (auto it = timers_.find(timerId); it != timers_.end()) it->second->stop();
}

void QtWindow::showWindow(bool visible) {
    if (!visible) {
        hide();
        return;
    }
    show();
    // Painted at once: the caller may block the thread next, as a download does.
    repaint();
}

void QtWindow::endDialog(int result) {
    done(result);
}

void QtWindow::giveFocusToFirstTabStop() {
    const ControlStates states{[this](int id) {
                                   QWidget* w = control(id);
                                   return w && w->isEnabled() && !w->isHidden();
                               },
                               [this](int id) { return isChecked(id); }};
    const int first = nextTabStop(dialog_.dialogTemplate(), -1, true, states);
    if (first >= 0) control(first)->setFocus(Qt::TabFocusReason);
}

bool QtWindow::handleKey(QKeyEvent* event) {
    if (dialogGone_) return false;
    if (event->key() == Qt::Key_Space && (event->modifiers() & Qt::AltModifier)) {
        systemMenu_.popup(mapToGlobal(QPoint(0, 0)));
        return true;
    }
    const int vk = virtualKeyOf(event);
    if (vk == 0) return false;
    if (dialog_.handleKeyDown({vk, focusedControl()})) return true;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    return navigate(vk,
                    event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier));
}

bool QtWindow::navigate(int virtualKey, bool backwards) {
    const DialogTemplate& t = dialog_.dialogTemplate();
    const ControlStates states{[this](int id) {
                                   QWidget* w = control(id);
                                   return w && w->isEnabled() && !w->isHidden();
                               },
                               [this](int id) { return isChecked(id); }};
    if (virtualKey == kVkTab) {
        const int next = nextTabStop(t, focusedControl(), !backwards, states);
        if (next >= 0)
            control(next)->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return true;
    }
    const ControlTemplate* focused = t.control(focusedControl());
    if (!focused || focused->kind != ControlKind::Radio) return false;
    const bool forward = virtualKey == kVkDown || virtualKey == kVkRight;
    if (!forward && virtualKey != kVkUp && virtualKey != kVkLeft) return false;
    const int next = nextInRadioGroup(t, focused->id, forward, states);
    if (next < 0) return true;
    auto* button = qobject_cast<QAbstractButton*>(control(next));
    button->setFocus(Qt::TabFocusReason);
    button->click();  // checks it and delivers its click, as the mouse does
    return true;
}

bool QtWindow::focusNextPrevChild(bool next) {
    // Widgets that hand Tab on (an editable list's own edit) come here: the dialog's order.
    if (dialogGone_) return QDialog::focusNextPrevChild(next);
    return navigate(kVkTab, !next);
}

void QtWindow::forgetDialog() {
    dialogGone_ = true;
}

bool QtWindow::eventFilter(QObject* watched, QEvent* event) {
    if (dialogGone_) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Enter and Escape in a grid's cell editor end the edit, not the dialog: they come
        // up from the editor while the grid still edits.
        if (auto* grid = dynamic_cast<Grid*>(watched); grid && grid->editing()) {
            const int k = key->key();
            return k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape;
        }
        return handleKey(key);
    }
    if (event->type() == QEvent::FocusOut &&
        (qobject_cast<QLineEdit*>(watched) || qobject_cast<QPlainTextEdit*>(watched))) {
        // The focus leaves the edit when it moves to another control, when the window
        // deactivates (another application, a message box) but not for a popup menu, and
        // no longer matters once the dialog has ended.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && !dialog_.ended())
            for (const auto& [id, w] : controls_)
                if (w == watched) {
                    dialog_.handleKillFocus(id);
                    break;
                }
    }
    return QDialog::eventFilter(watched, event);
}

void QtWindow::keyPressEvent(QKeyEvent* event) {
    if (dialogGone_) return QDialog::keyPressEvent(event);
    if (!handleKey(event)) QDialog::keyPressEvent(event);
}

void QtWindow::closeEvent(QCloseEvent* event) {
    // The close box and Alt+F4 are the window menu's Close, decided by the dialog.
    event->ignore();
    if (!dialogGone_) dialog_.handleSysCommand(kScClose);
}

void QtWindow::reject() {
    if (!dialogGone_) dialog_.handleClicked(IDCANCEL);
}

void QtWindow::contextMenuEvent(QContextMenuEvent* event) {
    systemMenu_.popup(event->globalPos());
}

}  // namespace platform::qt
