// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QDBusConnection;
class QDBusServiceWatcher;

// Qt picks the tray protocol once per process, when the first tray icon appears: a
// StatusNotifierItem when a StatusNotifier host is registered on the session bus, XEmbed
// otherwise. An XEmbed tray that starts later is found by Qt; a StatusNotifier host that starts
// later is not, and only a fresh process can show the icon there. This class sees which choice
// Qt is about to make, says once when nothing shows the icon, and asks for that fresh start.
class TrayAvailability : public QObject {
    Q_OBJECT
public:
    // Asks the bus the way Qt will, so make it before the first tray icon. `iconShown` tells
    // whether some tray holds the icon now.
    TrayAvailability(const QDBusConnection &bus, std::function<bool()> iconShown);
    ~TrayAvailability() override;

    // Whether Qt is going to use a StatusNotifierItem (it follows a restarting host itself).
    bool usesStatusNotifier() const { return usesStatusNotifier_; }
    // What holds the icon in a process that does not use a StatusNotifierItem: an XEmbed tray.
    // Qt's own isSystemTrayAvailable() cannot tell, as Qt 6.8 answers yes as soon as a
    // StatusNotifier host appears, which this process cannot use.
    static bool xembedTrayShown();
    // Once the icon has been handed to the tray: reports when nothing shows it, and from then
    // on watches for StatusNotifier hosts that only a fresh process could use.
    void start();

signals:
    // A StatusNotifier host is there and no tray shows the icon. Emitted at most once.
    void restartNeeded();

private slots:
    void hostRegistered();

private:
    void askWhetherHostRegistered();

    std::unique_ptr<QDBusConnection> bus_;
    std::function<bool()> iconShown_;
    bool usesStatusNotifier_ = false;
    bool restartAsked_ = false;
    QDBusServiceWatcher *watcher_ = nullptr;
};
