// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tray/PanelIconCache.h"
#include "tray/StatusBar.h"
#include "tray/StatusButton.h"
#include "tray/colours/IconAppearance.h"
#include "tray/icons/SymbolicIconFiles.h"

#include <QList>
#include <QPainterPath>
#include <QPointer>
#include <QSystemTrayIcon>

#include <memory>
#include <optional>

class PanelColors;
class QMenu;

// What a tray activation means as a click: a left or right click with the Control state the
// keyboard has now, or none for activations that are no click of their own (the second half of
// a double click, a middle click).
std::optional<Click> clickForActivation(QSystemTrayIcon::ActivationReason reason,
                                        Qt::KeyboardModifiers modifiers);

// The button of a tray icon: template pictures are painted in the colour the panel or the desktop
// asks for, and carry a symbolic name for hosts that recolour those themselves.
class TrayButton final : public StatusButton {
    Q_OBJECT
public:
    explicit TrayButton(QSystemTrayIcon &tray, QObject *parent = nullptr);

    void setImage(const PanelPicture &picture) override;
    void clearImage() override;
    void prepareImage(const PanelPicture &picture) override;
    void setToolTip(const QString &text) override;
    QRect bounds() const override;

    // How pictures go to the panel from now on; the current one is shown again that way.
    void setAppearance(const IconAppearance &appearance);

signals:
    // The icon has been handed to the tray for the first time.
    void firstShown();

private:
    void applyImage();
    // `shown`: the picture goes to the tray now, rather than being made ready for a spin.
    QIcon panelIcon(const PanelPicture &picture, bool shown);
    QIcon makePanelIcon(const PanelPicture &picture, bool shown);
    // The picture's symbolic name once its files are written, else empty.
    QString symbolicFiles(const PanelPicture &picture, bool shown);
    // Writes both spellings of the picture's files in `appearance`, unless written already.
    void provideFiles(const QString &picture, const QPainterPath &shape, QSizeF size,
                      const IconAppearance &appearance);

    QSystemTrayIcon &tray_;
    PanelPicture picture_;
    IconAppearance appearance_;
    PanelIconCache icons_;
    SymbolicIconFiles files_;
};

// A status item over QSystemTrayIcon. Its menu is given to the icon, so that StatusNotifierItem
// hosts show it through dbusmenu; on an XEmbed tray the item takes the clicks itself, acting on
// the button's release over the icon.
class TrayStatusItem final : public QObject, public StatusItem {
    Q_OBJECT
public:
    TrayStatusItem();
    ~TrayStatusItem() override;

    StatusButton *button() override { return &button_; }
    void setAction(std::function<void(Click)> action) override { action_ = std::move(action); }
    void popUpMenu(std::unique_ptr<QMenu> menu, QPoint location) override;
    void setMenu(std::unique_ptr<QMenu> menu) override;
    void setIconColorPreference(IconColorPreference preference) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void activated(QSystemTrayIcon::ActivationReason reason);
    // Qt's own window of the icon in an XEmbed tray; none under a StatusNotifierItem host.
    QWidget *embeddedIcon() const;
    bool mouseOnEmbeddedIcon(QWidget *icon, QEvent *event);

    QSystemTrayIcon tray_;
    TrayButton button_;
    PanelColors *colors_;
    std::function<void(Click)> action_;
    QPointer<QMenu> shownMenu_;
    std::unique_ptr<QMenu> panelMenu_;
    QPointer<QWidget> embedded_;
    std::optional<Qt::MouseButton> pressed_;
};

class TrayStatusBar final : public StatusBar {
public:
    std::unique_ptr<StatusItem> makeStatusItem() override;
};
