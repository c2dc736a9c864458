// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

// Knows which application is in front. Every desktop tells it its own way (an X11 root window
// property, a compositor script, a Wayland protocol, a shell extension), so each has a backend,
// chosen once at start-up and handed to whoever needs it. Every call happens on the main
// thread, and every signal is emitted there.
class FocusWatch : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~FocusWatch() override = default;

    // Starts following the focus; what is in front now is reported through
    // applicationChanged() as soon as the desktop tells it, which may be after start() returns.
    virtual void start() = 0;
    // Stops following and takes back whatever was lent to the desktop for it (a compositor
    // script): called before exit, since such a loan would outlive the process.
    virtual void stop() = 0;
    // The id of the application in front as last told (its desktop file name where the desktop
    // knows one, else its window class); the panel's windows and Vantel's own never count, so
    // opening the menu leaves it unchanged. Empty while nothing is known.
    virtual QString application() const = 0;
    // Empty while the focus can be followed; otherwise one short line for the menu saying why it
    // cannot and, where the user can change that, how.
    virtual QString unavailableReason() const = 0;

Q_SIGNALS:
    // Another application came to the front; `application` is empty when the desktop tells of
    // a window without any usable id. Moments with no window at all (between two windows, or on
    // the bare desktop) are not reported, so a rule does not flicker off between two windows.
    void applicationChanged(const QString &application);
    // unavailableReason() changed, as when a shell extension is switched on later.
    void availabilityChanged();
};
