// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "app/AppDelegate.h"

#include "desktop/AboutPanel.h"
#include "keyboards/KeyboardModes.h"
#include "shortcuts/GlobalHotKey.h"

#include <QCoreApplication>
#include <QFontDatabase>

namespace {
QString versionLine(const BundleInfo &bundle) {
    if (bundle.buildNumber.isEmpty())
        return QCoreApplication::translate("About", "Version %1").arg(bundle.shortVersion);
    return QCoreApplication::translate("About", "Version %1 (%2)")
        .arg(bundle.shortVersion, bundle.buildNumber);
}

// Names the keys the desktop actually bound, as the tooltip does; where none are, the command a
// desktop's own shortcut settings can run.
QString credits(const QString &hotKey) {
    const QString toggle =
        hotKey.isEmpty()
            ? QCoreApplication::translate(
                  "About", "or give \"vantel --toggle\" a shortcut in your desktop's settings")
            : QCoreApplication::translate("About", "or press %1").arg(hotKey);
    return QCoreApplication::translate(
               "About", "Vantel lets you quickly switch how your function keys behave.\n\n"
                        "Choose Standard F1–F12 (send F1, F2, etc. to apps), or Hardware Keys "
                        "(control brightness and volume).\n\n"
                        "Click the menu bar icon to toggle, %1. Right-click the icon for options.")
        .arg(toggle);
}

QString unswitchableLine(const KeyboardReport &report) {
    if (report.unswitchable.isEmpty())
        return {};
    return QCoreApplication::translate("About", "Not switched: %1.")
        .arg(report.unswitchable.join(QStringLiteral("; ")));
}

QString keyboardLine(const KeyboardReport &report) {
    switch (report.outcome) {
    case KeyboardReport::Outcome::switched:
        if (!report.switched.isEmpty()) {
            const QString line = QCoreApplication::translate("About", "Keyboards switched: %1.")
                                     .arg(report.switched.join(QStringLiteral(", ")));
            const QString rest = unswitchableLine(report);
            return rest.isEmpty() ? line : line + QLatin1Char(' ') + rest;
        }
        if (!report.unswitchable.isEmpty())
            return unswitchableLine(report);
        [[fallthrough]];
    case KeyboardReport::Outcome::noKeyboard:
        return QCoreApplication::translate("About",
                                           "No keyboard that Vantel can switch was found (see "
                                           "\"Which keyboards Vantel switches\" in the README).");
    case KeyboardReport::Outcome::refused:
        return QCoreApplication::translate("About",
                                           "Vantel was not allowed to switch the keyboards.");
    case KeyboardReport::Outcome::unavailable:
        return QCoreApplication::translate(
            "About", "The keyboard service is not installed; no keyboard was switched.");
    case KeyboardReport::Outcome::failed:
        return QCoreApplication::translate("About", "Some keyboards could not be switched: %1")
            .arg(report.detail);
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
