// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "desktop/SingleInstance.h"

#include "logging/LoggingCategories.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SingleInstance::SingleInstance(const QDBusConnection &bus, const QString &lockFile)
    : bus_(std::make_unique<QDBusConnection>(bus)) {
    claimed_ = bus_->isConnected() ? claimWithBus() : claimWithLockFile(lockFile);
}

SingleInstance::~SingleInstance() {
    release();
}

bool SingleInstance::claimWithBus() {
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus_->interface()->registerService(QString::fromLatin1(busName),
                                           QDBusConnectionInterface::DontQueueService,
                                           QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid()) {
        // A bus that refuses the name cannot tell instances apart; starting beats refusing.
        qCDebug(lcInstance) << "cannot claim" << busName << reply.error().message();
        return true;
    }
    holdsName_ = reply.value() == QDBusConnectionInterface::ServiceRegistered;
    return holdsName_;
}

bool SingleInstance::claimWithLockFile(const QString &lockFile) {
    lockFd_ = ::open(QFile::encodeName(lockFile).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd_ < 0) {
        qCDebug(lcInstance) << "cannot open" << lockFile;
        return true;
    }
    if (::flock(lockFd_, LOCK_EX | LOCK_NB) == 0)
        return true;
    ::close(lockFd_);
    lockFd_ = -1;
    return false;
}

void SingleInstance::release() {
    if (holdsName_ && bus_->isConnected())
        bus_->interface()->unregisterService(QString::fromLatin1(busName));
    holdsName_ = false;
    if (lockFd_ >= 0)
        ::close(lockFd_);
    lockFd_ = -1;
    claimed_ = false;
}

QString SingleInstance::defaultLockFile() {
    QString directory = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (directory.isEmpty())
        directory = QDir::tempPath();
    // One instance per display, as there is one panel per display.
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
    display.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QStringLiteral("%1/vantel-%2-%3.lock").arg(directory).arg(::getuid()).arg(display);
}
