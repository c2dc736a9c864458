// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// vantel-keyboard-udev-rule TEMPLATE RULE: writes the udev rule, its match lines made from the
// driver table. Run at build time, so that no driver of the table is left out of the rule.
#include "keyboard-service/UdevRule.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

const QByteArray marker = QByteArrayLiteral("@VANTEL_KEYBOARD_MATCHES@");

int fail(const QString &why) {
    std::fprintf(stderr, "vantel-keyboard-udev-rule: %s\n", qPrintable(why));
    return 1;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 3)
        return fail(QStringLiteral("usage: vantel-keyboard-udev-rule TEMPLATE RULE"));
    QFile input(QFile::decodeName(argv[1]));
    if (!input.open(QIODevice::ReadOnly))
        return fail(input.fileName() + QStringLiteral(": ") + input.errorString());
    QByteArray rule = input.readAll();
    if (rule.count(marker) != 1)
        return fail(input.fileName() + QStringLiteral(" needs one line ") +
                    QString::fromLatin1(marker));
    // The label is the template's: where the events that give a keyboard its mode go.
    const UdevMatches matches =
        udevMatches(keyboardDrivers(), QStringLiteral("vantel_keyboard_apply"));
    if (!matches.failure.isEmpty())
        return fail(matches.failure);
    rule.replace(marker, matches.lines.join(QLatin1Char('\n')).toUtf8());
    QSaveFile output(QFile::decodeName(argv[2]));
    if (!output.open(QIODevice::WriteOnly) || output.write(rule) != rule.size() || !output.commit())
        return fail(output.fileName() + QStringLiteral(": ") + output.errorString());
    return 0;
}
