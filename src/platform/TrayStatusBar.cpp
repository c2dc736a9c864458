#include "platform/TrayStatusBar.h"

#include "platform/PanelIcon.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QIcon>
#include <QMenu>

std::optional<Click> clickForActivation(QSystemTrayIcon::ActivationReason reason,
                                        Qt::KeyboardModifiers modifiers) {
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return Click{Click::Button::left, control};
    case QSystemTrayIcon::Context:
        return Click{Click::Button::right, control};
    case QSystemTrayIcon::DoubleClick:
        // XEmbed hosts send Trigger for the first click of a double click already.
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
    return std::nullopt;
}

TrayButton::TrayButton(QSystemTrayIcon &tray, QObject *parent) : StatusButton(parent), tray_(tray) {
    qApp->installEventFilter(this);
}

void TrayButton::setImage(const QList<QImage> &representations, bool isTemplate) {
    representations_ = representations;
    isTemplate_ = isTemplate;
    applyImage();
}

void TrayButton::clearImage() {
    representations_.clear();
    isTemplate_ = false;
    tray_.setIcon(QIcon());
}

void TrayButton::setToolTip(const QString &text) {
    tray_.setToolTip(text);
}

QRect TrayButton::bounds() const {
    return tray_.geometry();
}

bool TrayButton::eventFilter(QObject *watched, QEvent *event) {
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange && isTemplate_)
        applyImage();
    return false;
}

void TrayButton::applyImage() {
    const QIcon icon = panelIcon(representations_, isTemplate_);
    tray_.setIcon(icon);
    // Shown only once there is a picture: an icon without one would be an empty slot.
    if (!tray_.isVisible() && !icon.isNull())
        tray_.show();
}

TrayStatusItem::TrayStatusItem() : tray_(this), button_(tray_, this) {
    connect(&tray_, &QSystemTrayIcon::activated, this, &TrayStatusItem::activated);
}

TrayStatusItem::~TrayStatusItem() {
    delete shownMenu_.data();
}

void TrayStatusItem::activated(QSystemTrayIcon::ActivationReason reason) {
    // Asked of the window system: over StatusNotifierItem the host's click carries no modifiers.
    const std::optional<Click> click =
        clickForActivation(reason, QGuiApplication::queryKeyboardModifiers());
    if (click && action_)
        action_(*click);
}

void TrayStatusItem::popUpMenu(std::unique_ptr<QMenu> menu, QPoint location) {
    delete shownMenu_.data();
    QMenu *shown = menu.release();
    shownMenu_ = shown;
    // Deleted once back in the event loop, after a chosen entry's action has run.
    connect(shown, &QMenu::aboutToHide, shown, &QObject::deleteLater);
    const QRect bounds = button_.bounds();
    shown->popup(bounds.isEmpty() ? QCursor::pos() : bounds.topLeft() + location);
}

std::unique_ptr<StatusItem> TrayStatusBar::makeStatusItem() {
    return std::make_unique<TrayStatusItem>();
}
