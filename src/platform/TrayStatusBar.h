#pragma once

#include "platform/StatusBar.h"
#include "platform/StatusButton.h"

#include <QList>
#include <QPointer>
#include <QSystemTrayIcon>

#include <optional>

// What a tray activation means as a click: a left or right click with the Control state the
// keyboard has now, or none for activations that are no click of their own (the second half of
// a double click, a middle click).
std::optional<Click> clickForActivation(QSystemTrayIcon::ActivationReason reason,
                                        Qt::KeyboardModifiers modifiers);

// The button of a tray icon: template pictures take the palette's text colour and follow it
// when the palette changes.
class TrayButton final : public StatusButton {
    Q_OBJECT
public:
    explicit TrayButton(QSystemTrayIcon &tray, QObject *parent = nullptr);

    void setImage(const QList<QImage> &representations, bool isTemplate) override;
    void clearImage() override;
    void setToolTip(const QString &text) override;
    QRect bounds() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyImage();

    QSystemTrayIcon &tray_;
    QList<QImage> representations_;
    bool isTemplate_ = false;
};

// A status item over QSystemTrayIcon. No context menu is ever set on the icon: hosts would then
// draw their own copy of a menu that is only built when it is asked for.
class TrayStatusItem final : public QObject, public StatusItem {
    Q_OBJECT
public:
    TrayStatusItem();
    ~TrayStatusItem() override;

    StatusButton *button() override { return &button_; }
    void setAction(std::function<void(Click)> action) override { action_ = std::move(action); }
    void popUpMenu(std::unique_ptr<QMenu> menu, QPoint location) override;

private:
    void activated(QSystemTrayIcon::ActivationReason reason);

    QSystemTrayIcon tray_;
    TrayButton button_;
    std::function<void(Click)> action_;
    QPointer<QMenu> shownMenu_;
};

class TrayStatusBar final : public StatusBar {
public:
    std::unique_ptr<StatusItem> makeStatusItem() override;
};
