// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

// The service's names on the bus and the one structured type it sends, shared by the service,
// its command-line tool and the program's client. Include from .cpp files only.

#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <QString>

namespace KeyboardBus {
inline const QString service = QStringLiteral("org.vantel.Keyboard1");
inline const QString path = QStringLiteral("/org/vantel/Keyboard1");
inline const QString interface = QStringLiteral("org.vantel.Keyboard1");
inline const QString noKeyboardError = QStringLiteral("org.vantel.Keyboard1.Error.NoKeyboard");
inline const QString writeFailedError = QStringLiteral("org.vantel.Keyboard1.Error.WriteFailed");
// A request replaced by a newer one of the same caller, or given up on while it waited.
inline const QString cancelledError = QStringLiteral("org.vantel.Keyboard1.Error.Cancelled");
// Empty unless the last attempt to put the kept mode on disk failed; then why, since a power cut
// may lose the mode. Read on demand only: it changes on the service's flush thread.
inline const QString notOnDiskProperty = QStringLiteral("NotOnDisk");
} // namespace KeyboardBus

// One entry of the Keyboards property: (id, name, driver, mode).
struct KeyboardEntry {
    QString id;
    QString name;
    QString driver;
    QString mode;
};
using KeyboardEntries = QList<KeyboardEntry>;

QDBusArgument &operator<<(QDBusArgument &argument, const KeyboardEntry &entry);
const QDBusArgument &operator>>(const QDBusArgument &argument, KeyboardEntry &entry);

// Call once before the types are sent or received.
void registerKeyboardBusTypes();

Q_DECLARE_METATYPE(KeyboardEntry)
