// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "shortcuts/portal/PortalShortcutBackend.h"

#include "shortcuts/portal/PortalSession.h"

#include <QStringList>

PortalShortcutBackend::PortalShortcutBackend(const QDBusConnection &bus, QObject *parent)
    : GlobalShortcutBackend(parent), session_(std::make_unique<PortalSession>(bus)) {
    connect(session_.get(), &PortalSession::pressed, this, &GlobalShortcutBackend::triggered);
    connect(session_.get(), &PortalSession::bound, this, &GlobalShortcutBackend::grabbed);
    connect(session_.get(), &PortalSession::failed, this, &GlobalShortcutBackend::grabFailed);
}

PortalShortcutBackend::~PortalShortcutBackend() = default;

bool PortalShortcutBackend::grabKey(const QString &id, const QString &description, Qt::Key key,
                                    Qt::KeyboardModifiers modifiers, QString *error) {
    const QString trigger = portalTrigger(key, modifiers);
    if (trigger.isEmpty()) {
        if (error)
            *error = QStringLiteral("the key has no name the portal knows");
        return false;
    }
    session_->add(id, {description, trigger});
    return true;
}

void PortalShortcutBackend::ungrabKey(const QString &id) {
    session_->remove(id);
}

QString PortalShortcutBackend::portalTrigger(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QString name;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        name = QChar(u'a' + (key - Qt::Key_A));
    else if (key >= Qt::Key_0 && key <= Qt::Key_9)
        name = QChar(u'0' + (key - Qt::Key_0));
    else if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        name = QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1);
    if (name.isEmpty())
        return {};
    QStringList parts;
    // Qt's Meta is the Super (logo) key on Linux.
    const std::pair<Qt::KeyboardModifier, const char *> names[] = {{Qt::MetaModifier, "LOGO"},
                                                                   {Qt::ControlModifier, "CTRL"},
                                                                   {Qt::AltModifier, "ALT"},
                                                                   {Qt::ShiftModifier, "SHIFT"}};
    for (const auto &[modifier, text] : names)
        if (modifiers & modifier)
            parts.append(QString::fromLatin1(text));
    parts.append(name);
    return parts.join(QLatin1Char('+'));
}

bool PortalShortcutBackend::canConfigure() const {
    return session_->canConfigure();
}

void PortalShortcutBackend::configure() {
    session_->configure();
}
