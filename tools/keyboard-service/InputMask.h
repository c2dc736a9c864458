// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <sys/types.h>

class SysfsKeyboards;

// An event device opened for the service's one interest, Fn+Esc, or why it was not.
struct EventDevice {
    int fd = -1; // the caller's to close
    QString failure;
    int openError = 0; // errno when the node could not be opened at all
};

// Opens `path` read-only and non-blocking only if it is the character device the kernel numbers
// `expected` (sysfs' class/input/eventN/dev): a link, or another node put in its place under the
// same name, is refused before a single event is read.
EventDevice openEventDevice(const QString &path, dev_t expected);

// Has the kernel deliver on `fd` nothing but KEY_FN_ESC and the SYN_REPORT closing it: every
// other key, and every other type of event, is dropped before it is queued for this reader.
// Nothing on success, otherwise why not (a device that is none, or a kernel without the mask).
std::optional<QString> maskToFnEsc(int fd);

// The keyboard `name` of the input directory opened as the service reads it: its own node
// (openEventDevice) with the mask set (maskToFnEsc), or why not.
EventDevice openFnEscDevice(const SysfsKeyboards &keyboards, const QString &inputDirectory,
                            const QString &name);

// One line for each keyboard that sends Fn+Esc whose device this process may open but the service
// would not watch (a wrong node, or no mask to be had), saying why. Those it may not open are
// left out: their fate is only known to root.
QStringList unwatchedFnEscDevices(const SysfsKeyboards &keyboards, const QString &inputDirectory);
