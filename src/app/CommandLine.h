// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// What the user asked for on the command line. Qt's own options (-platform, -style, …) are
// accepted and left to Qt.
struct CommandLine {
    enum class Action { Run, Toggle, Settings, Help, Version, Error };
    Action action = Action::Run;
    // The help or version text, or the one-line error; empty for Run, Toggle and Settings.
    QString text;
};

// Reads `arguments` (the program's name first) without needing an application object, so that
// --toggle, --settings, --help and --version work where no display is.
CommandLine parseCommandLine(const QStringList &arguments, const QString &version);

// Carries out anything but Run, with no display needed, inside the application object the caller
// made; returns the exit status.
int runCommand(const CommandLine &command);
