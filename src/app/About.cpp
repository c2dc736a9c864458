#include "AppDelegate.h"

#include "AboutPanel.h"
#include "Application.h"
#include "BundleInfo.h"

#include <QFontDatabase>

namespace {
// A value that is missing or not a string reads as empty.
QString stringValue(const QVariant &value) {
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

QString versionLine(const QString &shortVersion, const QString &build) {
    QString line = QStringLiteral("Version ") + shortVersion;
    if (!build.isEmpty())
        line += QStringLiteral(" (") + build + QLatin1Char(')');
    return line;
}

const QString credits = QStringLiteral(
    "Vantel lets you quickly switch how your function keys behave.\n\n"
    "Choose Standard F1–F12 (send F1, F2, etc. to apps), or Hardware Keys (control brightness "
    "and volume).\n\n"
    "Click the menu bar icon to toggle, or press ⌘⌥F. Right-click the icon for options.");
} // namespace

void AppDelegate::showAbout() {
    services_.application.activateIgnoringOtherApps();
    AboutPanelOptions options;
    const QString shortVersion = stringValue(
        services_.bundle.objectForInfoDictionaryKey(QStringLiteral("CFBundleShortVersionString")));
    const QString build =
        stringValue(services_.bundle.objectForInfoDictionaryKey(QStringLiteral("CFBundleVersion")));
    options.applicationVersion = versionLine(shortVersion, build);
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(12.0);
    options.credits = credits;
    options.creditsFont = font;
    services_.aboutPanel.orderFront(options);
}
