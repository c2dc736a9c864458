// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "keyboard-service/DriverTable.h"

#include <QString>
#include <QStringList>

// The udev rule's match lines for the drivers' ready events, each sending the event to `label`:
// one line per kind of event, its names joined as udev's alternatives. When a driver names no
// ready event, or a name that would not mean the same in a rule, no lines and why.
struct UdevMatches {
    QStringList lines;
    QString failure;
};

UdevMatches udevMatches(const QList<KeyboardDriver> &drivers, const QString &label);
