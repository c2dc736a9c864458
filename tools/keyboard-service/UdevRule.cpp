// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboard-service/UdevRule.h"

#include <QHash>
#include <QRegularExpression>

namespace {

// A rule's value ends at a quote and splits at '|': a name holding either (or a space, or
// nothing) would match something else than the table says.
bool fitsRule(const ReadyEvent &event, const QString &name) {
    static const QRegularExpression word(QStringLiteral("^[a-z]+$"));
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9_.:*-]+$"));
    return word.match(event.action).hasMatch() && word.match(event.subsystem).hasMatch() &&
           plainName.match(name).hasMatch() && (event.driver.isEmpty() || event.kernel.isEmpty());
}

} // namespace

UdevMatches udevMatches(const QList<KeyboardDriver> &drivers, const QString &label) {
    QStringList heads; // in the table's order, so that the rule reads like it
    QHash<QString, QStringList> names;
    for (const KeyboardDriver &driver : drivers) {
        if (driver.readyEvents.isEmpty())
            return {{},
                    QStringLiteral("%1 names no event for when it is ready").arg(driver.driver)};
        for (const ReadyEvent &event : driver.readyEvents) {
            const bool byDriver = !event.driver.isEmpty();
            const QString &name = byDriver ? event.driver : event.kernel;
            if (!fitsRule(event, name))
                return {{},
                        QStringLiteral("%1's ready event \"%2\" cannot be put in a udev rule")
                            .arg(driver.driver, name)};
            // A keyboard bound before udev ran (in the initramfs) shows at boot only as the
            // replayed "add" of a device that already has its driver; a fresh device's own
            // "add" comes before the driver and is left to its "bind".
            const bool bind = event.action == QLatin1String("bind");
            const QString head =
                QStringLiteral(R"(ACTION=="%1", SUBSYSTEM=="%2", %3%4==)")
                    .arg(bind ? QStringLiteral("add|bind") : event.action, event.subsystem,
                         bind && !byDriver ? QStringLiteral(R"(DRIVER=="?*", )") : QString(),
                         byDriver ? QStringLiteral("DRIVER") : QStringLiteral("KERNEL"));
            if (!names.contains(head))
                heads.append(head);
            if (!names[head].contains(name))
                names[head].append(name);
        }
    }
    UdevMatches matches;
    for (const QString &head : heads)
        matches.lines.append(QStringLiteral(R"(%1"%2", GOTO="%3")")
                                 .arg(head, names[head].join(QLatin1Char('|')), label));
    return matches;
}
