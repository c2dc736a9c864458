// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "app/AppDelegate.h"
#include "app/BundleInfo.h"
#include "app/CommandLine.h"
#include "app/IconColorSetting.h"
#include "app/Translations.h"
#include "desktop/AboutWindow.h"
#include "desktop/BusTypes.h"
#include "desktop/DBusNotificationCenter.h"
#include "desktop/PreferenceFileWatcher.h"
#include "desktop/SingleInstance.h"
#include "desktop/ToggleService.h"
#include "focus/FocusWatches.h"
#include "icon/IconDrawing.h"
#include "keyboards/DBusKeyboardModes.h"
#include "logging/LoggingCategories.h"
#include "portal/ApplicationRegistry.h"
#include "runtime/DisplayCheck.h"
#include "runtime/QuietLocaleSwitch.h"
#include "runtime/TerminationSignals.h"
#include "runtime/ThreadPoolWorkQueue.h"
#include "shortcuts/GlobalHotKey.h"
#include "shortcuts/ShortcutBackends.h"
#include "tray/TrayAvailability.h"
#include "tray/TrayStatusBar.h"
#include "tray/icons/PanelIcon.h"

#include <QApplication>
#include <QDBusConnection>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {
// The desktop file's name, by which desktops and the portal know the program.
constexpr const char *applicationId = "org.vantel.Vantel";

// The `on` icon, four times its panel size, for the About window.
QIcon aboutIcon() {
    QList<QImage> representations;
    bool isTemplate = false;
    for (const qreal ratio : {1.0, 2.0}) {
        std::optional<IconImage> drawn = onImage(IconStyle{}, 4 * ratio);
        if (!drawn)
            continue;
        drawn->image.setDevicePixelRatio(ratio);
        representations.append(drawn->image);
        isTemplate = drawn->isTemplate;
    }
    return panelIcon(representations, isTemplate);
}

// One run of the application; `restart` says whether a fresh process should take over.
// `displayProbe` is let go once Qt has its own connection.
int run(int argc, char **argv, std::shared_ptr<void> displayProbe, bool &restart) {
    QApplication::setApplicationName(QStringLiteral("Vantel"));
    QApplication app(argc, argv);
    displayProbe.reset();
    QApplication::setApplicationDisplayName(QStringLiteral("Vantel"));
    // Wayland names the program's windows by it, and desktops match it to the desktop file.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(applicationId));
    // Closing the About or the Settings window must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    installTranslations(app);

    registerBusTypes();
    const QDBusConnection bus = QDBusConnection::sessionBus();
    SingleInstance instance(bus, SingleInstance::defaultLockFile());
    if (!instance.claimed()) {
        qCDebug(lcVantel, "another instance is running; leaving it be");
        return 0;
    }
    // Before anything else asks the portal: the colour scheme and the hot key do.
    registerWithPortal(bus, QString::fromLatin1(applicationId));

    TrayAvailability tray(bus, &TrayAvailability::xembedTrayShown);
    TrayStatusBar statusBar;
    DBusNotificationCenter notifications(bus);
    AboutWindow about(aboutIcon);
    ThreadPoolWorkQueue work;
    const std::unique_ptr<GlobalShortcutBackend> shortcuts = createShortcutBackend(bus);
    GlobalHotKey hotKey(*shortcuts);
    const auto quit = [] { QCoreApplication::quit(); };
    DBusKeyboardModes keyboards(DBusKeyboardModes::busFromEnvironment());
    const std::unique_ptr<FocusWatch> focus = createFocusWatch(bus);
    AppDelegate delegate(AppServices{statusBar, notifications, about, builtInBundleInfo(), work,
                                     hotKey, quit, keyboards, *focus});
    PreferenceFileWatcher preferences(PreferenceFileWatcher::globalDomainPath());
    QObject::connect(&preferences, &PreferenceFileWatcher::changed, &delegate,
                     &AppDelegate::preferenceChanged);
    PreferenceFileWatcher rules(PreferenceFileWatcher::programDomainPath());
    QObject::connect(&rules, &PreferenceFileWatcher::changed, &delegate,
                     &AppDelegate::rulesChanged);

    ToggleService toggleService;
    QObject::connect(&toggleService, &ToggleService::toggleRequested, &delegate,
                     &AppDelegate::toggleAction);
    QObject::connect(&toggleService, &ToggleService::settingsRequested, &delegate,
                     &AppDelegate::showSettings);
    toggleService.exportOn(bus);

    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, &AppDelegate::stop);
    const TerminationSignals terminationSignals(quit);
    QObject::connect(&tray, &TrayAvailability::restartNeeded, &app, [&] {
        restart = true;
        quit();
    });
    // The icon's colour preference, read once the first icon is out (reading it runs the store's
    // tool, which the first icon need not wait for) and again whenever the store changes.
    std::optional<IconColorSetting> iconColor;
    const auto applyIconColor = [&delegate](IconColorPreference preference) {
        if (StatusItem *item = delegate.statusItem())
            item->setIconColorPreference(preference);
    };
    QTimer::singleShot(0, &delegate, [&] {
        delegate.start();
        iconColor.emplace(QString::fromLatin1(FnKeyToggler::defaultsPath),
                          IconColorSetting::defaultStoreDirectory());
        QObject::connect(&*iconColor, &IconColorSetting::changed, &delegate, applyIconColor);
        applyIconColor(iconColor->preference());
        tray.start();
    });
    return QApplication::exec();
}

// Replaces this process with a fresh start of the same program and arguments.
int restartProcess(const std::vector<std::string> &arguments) {
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    // The program's own path keeps its name in process lists; /proc/self/exe still works when
    // the file has been replaced since.
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        ::execv(self.c_str(), argv.data());
    ::execv("/proc/self/exe", argv.data());
    qCCritical(lcVantel, "Cannot restart Vantel: %s", std::strerror(errno));
    return 1;
}

// "1.0.0", or "1.0.0 (42)" with a build number, as the About panel shows it.
QString versionText() {
    const BundleInfo bundle = builtInBundleInfo();
    if (bundle.buildNumber.isEmpty())
        return bundle.shortVersion;
    return QStringLiteral("%1 (%2)").arg(bundle.shortVersion, bundle.buildNumber);
}

// Qt's -platform argument would override the choice made for it.
std::vector<char *> withoutPlatformArguments(int argc, char **argv) {
    std::vector<char *> kept;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && i + 1 < argc &&
            (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)) {
            ++i;
            continue;
        }
        kept.push_back(argv[i]);
    }
    kept.push_back(nullptr);
    return kept;
}

// What happens before the display: the command line and the choice of platform, answered in the
// user's language by an application object of its own. `status` is set when the program ends here.
PlatformChoice beforeDisplay(int argc, char **argv, const QStringList &argumentList,
                             std::shared_ptr<void> &displayProbe, std::optional<int> &status) {
    // Named "vantel" whatever the path it was started by, as Qt's usage line then shows it.
    char name[] = "vantel";
    std::vector<char *> ownArguments{name, nullptr};
    int ownArgc = 1;
    std::optional<QuietLocaleSwitch> quiet(std::in_place);
    QCoreApplication early(ownArgc, ownArguments.data());
    quiet.reset();
    installTranslations(early);
    const CommandLine command = parseCommandLine(argumentList, versionText());
    if (command.action != CommandLine::Action::Run) {
        status = runCommand(command);
        return {};
    }
    const DisplayEnvironment environment = currentDisplayEnvironment(argc, argv);
    PlatformChoice choice =
        choosePlatform(environment, systemDisplayProbes(environment, [&](const QString &display) {
                           displayProbe = openXDisplay(display);
                           return displayProbe != nullptr;
                       }));
    if (choice.platform.isEmpty()) {
        qCCritical(lcVantel).noquote() << choice.problem;
        status = 1;
    } else if (!choice.fallbackReason.isEmpty()) {
        qCInfo(lcVantel).noquote() << QCoreApplication::translate("DisplayCheck", "Using X11: %1")
                                          .arg(choice.fallbackReason);
    }
    return choice;
}
} // namespace

int main(int argc, char **argv) {
    // QApplication takes its own options out of argv; a restart passes them on again.
    const std::vector<std::string> arguments(argv, argv + argc);
    QStringList argumentList;
    for (const std::string &argument : arguments)
        argumentList.append(QString::fromLocal8Bit(argument.c_str()));
    std::shared_ptr<void> displayProbe;
    std::optional<int> status;
    const PlatformChoice choice = beforeDisplay(argc, argv, argumentList, displayProbe, status);
    if (status)
        return *status;
    qputenv("QT_QPA_PLATFORM", choice.platform.toLocal8Bit());
    std::vector<char *> qtArguments = withoutPlatformArguments(argc, argv);
    int qtArgc = static_cast<int>(qtArguments.size()) - 1;

    bool restart = false;
    const int ended = run(qtArgc, qtArguments.data(), std::move(displayProbe), restart);
    return restart ? restartProcess(arguments) : ended;
}
