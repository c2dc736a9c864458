// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

// The object behind the adaptor generated from dbus/org.vantel.Keyboard1.xml. Included only by
// the bus object and that adaptor: it brings the bus types with it, which the adaptor needs.

#include "keyboard-service/KeyboardBusTypes.h"

#include <QDBusContext>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class KeyboardService;
struct ServiceAnswer;

// Answers the interface's calls with the service: replies to SetMode and Apply go out only once
// polkit has answered, and every caller is checked as the bus daemon knows it, never as it says.
class KeyboardObject : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_PROPERTY(KeyboardEntries Keyboards READ keyboards)
    Q_PROPERTY(QString Mode READ mode)
    Q_PROPERTY(QString NotOnDisk READ notOnDisk)
public:
    KeyboardObject(KeyboardService &service, const QString &connectionName);

    KeyboardEntries keyboards();
    QString mode();
    QString notOnDisk();

    // Called by the adaptor for a call whose arguments fit none of the interface's methods.
    void refuseArguments(const QDBusMessage &message);

public slots:
    uint SetMode(const QString &mode);
    uint Apply();
    void Subscribe();

signals:
    void ModeChangedByKeyboard(const QString &mode);

private:
    // Takes the reply out of Qt's hands: it is sent once the service answers.
    std::function<void(const ServiceAnswer &)> delayedReply();
    void announce(const QStringList &names);

    KeyboardService &service_;
    QString connectionName_;
};
