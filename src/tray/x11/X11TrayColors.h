// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractNativeEventFilter>
#include <QColor>
#include <QList>
#include <QObject>

#include <optional>

// The foreground colour an XEmbed system tray publishes for its icons (`_NET_SYSTEM_TRAY_COLORS`
// on the tray manager's window), followed while the program runs: a change of the property, a
// new tray manager, the manager going away. Needs the application to run on X11; elsewhere it
// never knows a colour.
class X11TrayColors : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit X11TrayColors(QObject *parent = nullptr);
    ~X11TrayColors() override;

    // The tray's foreground colour; none when no tray runs or it publishes no colours.
    std::optional<QColor> foreground() const { return foreground_; }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

signals:
    // The foreground colour has changed (or is gone).
    void changed();

private:
    void findManager();
    void readColors();
    // Asks for `mask` on `window` on top of what the application already selects there: Qt
    // watches the root and the tray window on the same connection.
    void addEventMask(quint32 window, quint32 mask);

    void *connection_ = nullptr;
    quint32 root_ = 0;
    quint32 selection_ = 0;
    quint32 colorsAtom_ = 0;
    quint32 managerAtom_ = 0;
    quint32 manager_ = 0;
    std::optional<QColor> foreground_;
};

// The foreground from the property's values: four colours (foreground, error, warning, success),
// each as 16-bit red, green and blue. None when the values are too few.
std::optional<QColor> trayForeground(const QList<quint32> &values);
// Whether an XEmbed tray holds its selection on Qt's X server; false without one.
bool xembedTrayRunning();
