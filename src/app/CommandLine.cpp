// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include "desktop/BusTypes.h"
#include "desktop/SingleInstance.h"
#include "desktop/ToggleService.h"
#include "logging/LoggingCategories.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QLoggingCategory>
#include <QRegularExpression>

#include <cstdio>

namespace {
// Qt's own options, so that they reach Qt instead of being refused as unknown.
void addQtOptions(QCommandLineParser &parser) {
    const char *withValue[] = {"platform",        "platformpluginpath",
                               "platformtheme",   "plugin",
                               "qwindowgeometry", "qwindowicon",
                               "qwindowtitle",    "session",
                               "display",         "style",
                               "stylesheet",      "name",
                               "title",           "geometry"};
    const char *flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char *name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The toggle service answers in English; its fixed answers are also in the catalogues.
const char *const toggleProblems[] = {
    QT_TRANSLATE_NOOP("ToggleService", "Vantel is not running."),
    QT_TRANSLATE_NOOP("ToggleService", "Cannot reach Vantel: there is no session bus."),
};

QString inUserLanguage(const QString &problem) {
    for (const char *known : toggleProblems) {
        if (problem == QLatin1String(known))
            return QCoreApplication::translate("ToggleService", known);
    }
    return problem;
}
} // namespace

CommandLine parseCommandLine(const QStringList &arguments, const QString &version) {
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform), not bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Switches the keyboard's top row between standard function "
                       "keys and hardware keys, from an icon in the panel."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption toggle(
        QStringLiteral("toggle"),
        QCoreApplication::translate("CommandLine",
                                    "Ask the running Vantel to switch, as a click on its icon "
                                    "does."));
    parser.addOption(toggle);
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        QCoreApplication::translate("CommandLine",
                                    "Ask the running Vantel to open its settings window."));
    parser.addOption(settings);
    addQtOptions(parser);

    if (!parser.parse(arguments))
        return {CommandLine::Action::Error,
                QCoreApplication::translate("CommandLine", "%1 Try \"vantel --help\".")
                    .arg(parser.errorText())};
    if (!parser.positionalArguments().isEmpty())
        return {CommandLine::Action::Error,
                QCoreApplication::translate("CommandLine",
                                            "Unexpected argument \"%1\". Try \"vantel --help\".")
                    .arg(parser.positionalArguments().constFirst())};
    // --help-all would list Qt's options too, which only Qt's own parser can print.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        // Qt names the program by its path, or not at all without an application object.
        return {CommandLine::Action::Help,
                parser.helpText().replace(QRegularExpression(QStringLiteral("^Usage: \\S+")),
                                          QStringLiteral("Usage: vantel"))};
    if (parser.isSet(versionOption))
        return {CommandLine::Action::Version, QStringLiteral("Vantel %1\n").arg(version)};
    if (parser.isSet(toggle))
        return {CommandLine::Action::Toggle, {}};
    if (parser.isSet(settings))
        return {CommandLine::Action::Settings, {}};
    return {};
}

int runCommand(const CommandLine &command) {
    switch (command.action) {
    case CommandLine::Action::Help:
    case CommandLine::Action::Version:
        std::fputs(command.text.toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::Error:
        qCCritical(lcVantel).noquote() << command.text;
        return 1;
    case CommandLine::Action::Toggle:
    case CommandLine::Action::Settings:
        break;
    case CommandLine::Action::Run:
        return 1;
    }
    registerBusTypes();
    // A connection of its own, closed before the application goes: the shared one outlives it,
    // and its bus thread then warns about types already torn down.
    const QString connectionName = QStringLiteral("vantel-toggle");
    const auto request = command.action == CommandLine::Action::Toggle
                             ? &ToggleService::requestToggle
                             : &ToggleService::requestShowSettings;
    QString problem =
        request(QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName),
                QString::fromLatin1(SingleInstance::busName));
    QDBusConnection::disconnectFromBus(connectionName);
    if (problem.isEmpty())
        return 0;
    qCCritical(lcVantel).noquote() << inUserLanguage(problem);
    return 1;
}
