#include "app/AppDelegate.h"

#include "platform/AboutPanel.h"

#include <QFontDatabase>

namespace {
QString versionLine(const BundleInfo &bundle) {
    QString line = QStringLiteral("Version ") + bundle.shortVersion;
    if (!bundle.buildNumber.isEmpty())
        line += QStringLiteral(" (") + bundle.buildNumber + QLatin1Char(')');
    return line;
}

const QString credits = QStringLiteral(
    "Vantel lets you quickly switch how your function keys behave.\n\n"
    "Choose Standard F1–F12 (send F1, F2, etc. to apps), or Hardware Keys (control brightness "
    "and volume).\n\n"
    "Click the menu bar icon to toggle, or press ⌘⌥F. Right-click the icon for options.");
} // namespace

// The About window raises and activates itself; there is no application to bring forward first.
void AppDelegate::showAbout() {
    AboutPanelOptions options;
    options.applicationVersion = versionLine(services_.bundle);
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(12.0);
    options.credits = credits;
    options.creditsFont = font;
    services_.aboutPanel.orderFront(options);
}
