// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

class QCoreApplication;

// Where the program's catalogues are: next to the program's own folder when it runs from the
// build tree or an installed prefix, else where it was configured to be installed.
QStringList translationDirectories();

// Gives `application` the program's catalogue, and Qt's own, for the user's language
// (QLocale::system(), from LANG, LC_ALL, LC_MESSAGES or LANGUAGE). Returns the files loaded: none
// for English, the C locale or a language without a catalogue, where the texts stay as written.
QStringList installTranslations(QCoreApplication &application);
