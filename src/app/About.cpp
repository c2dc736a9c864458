// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "app/AppDelegate.h"

#include "desktop/AboutPanel.h"
#include "keyboards/KeyboardModes.h"
#include "shortcuts/GlobalHotKey.h"

#include <QFontDatabase>

namespace {
QString versionLine(const BundleInfo &bundle) {
    QString line = QStringLiteral("Version ") + bundle.shortVersion;
    if (!bundle.buildNumber.isEmpty())
        line += QStringLiteral(" (") + bundle.buildNumber + QLatin1Char(')');
    return line;
}

// Names the keys the desktop actually bound, as the tooltip does; where none are, the command a
// desktop's own shortcut settings can run.
QString credits(const QString &hotKey) {
    const QString toggle =
        hotKey.isEmpty()
            ? QStringLiteral("or give \"vantel --toggle\" a shortcut in your desktop's settings")
            : QStringLiteral("or press ") + hotKey;
    return QStringLiteral("Vantel lets you quickly switch how your function keys behave.\n\n"
                          "Choose Standard F1–F12 (send F1, F2, etc. to apps), or Hardware Keys "
                          "(control brightness and volume).\n\n"
                          "Click the menu bar icon to toggle, ") +
           toggle + QStringLiteral(". Right-click the icon for options.");
}

QString unswitchableLine(const KeyboardReport &report) {
    if (report.unswitchable.isEmpty())
        return {};
    return QStringLiteral(" Not switched: ") + report.unswitchable.join(QStringLiteral("; ")) +
           QLatin1Char('.');
}

QString keyboardLine(const KeyboardReport &report) {
    switch (report.outcome) {
    case KeyboardReport::Outcome::switched:
        if (!report.switched.isEmpty())
            return QStringLiteral("Keyboards switched: ") +
                   report.switched.join(QStringLiteral(", ")) + QLatin1Char('.') +
                   unswitchableLine(report);
        if (!report.unswitchable.isEmpty())
            return unswitchableLine(report).mid(1);
        [[fallthrough]];
    case KeyboardReport::Outcome::noKeyboard:
        return QStringLiteral("No keyboard that Vantel can switch was found (see \"Which "
                              "keyboards Vantel switches\" in the README).");
    case KeyboardReport::Outcome::refused:
        return QStringLiteral("Vantel was not allowed to switch the keyboards.");
    case KeyboardReport::Outcome::unavailable:
        return QStringLiteral("The keyboard service is not installed; no keyboard was switched.");
    case KeyboardReport::Outcome::failed:
        return QStringLiteral("Some keyboards could not be switched: ") + report.detail;
    case KeyboardReport::Outcome::notAsked:
        break;
    }
    return {};
}
} // namespace

// The About window raises and activates itself; there is no application to bring forward first.
void AppDelegate::showAbout() {
    AboutPanelOptions options;
    options.applicationVersion = versionLine(services_.bundle);
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(12.0);
    options.credits = credits(services_.hotKey.shortcut());
    options.creditsFont = font;
    options.keyboards = keyboardLine(services_.keyboards.report());
    services_.aboutPanel.orderFront(options);
}
