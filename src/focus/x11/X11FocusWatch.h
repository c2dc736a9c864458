// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "focus/FocusWatch.h"

#include <QAbstractNativeEventFilter>

#include <memory>

// The application in front on an X11 display: the window manager names the active window in the
// root's _NET_ACTIVE_WINDOW, and every change of it arrives as a property event on the
// application's own connection. Whether the window manager does that at all is read from the
// root's _NET_SUPPORTED, again whenever that changes, as when a window manager starts later.
class X11FocusWatch final : public FocusWatch, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // Takes the connection of the running QGuiApplication, so create it after that exists.
    explicit X11FocusWatch(QObject *parent = nullptr);
    ~X11FocusWatch() override;

    void start() override;
    void stop() override;
    QString application() const override;
    QString unavailableReason() const override;

    // Notes changes of the two root properties; every event passes on to Qt.
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    void readActiveWindow();
    void readSupport();

    struct State;
    std::unique_ptr<State> d_;
};
