// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "settings/AutostartEntry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>

namespace {
const QString fileName = QStringLiteral("autostart/org.vantel.Vantel.desktop");

// What a desktop without the package's file needs to start the program.
const QString minimalEntry = QStringLiteral("[Desktop Entry]\n"
                                            "Type=Application\n"
                                            "Name=Vantel\n"
                                            "Exec=vantel\n"
                                            "Icon=org.vantel.Vantel\n"
                                            "Terminal=false\n");

QString packageFile() {
    const QStringList folders =
        QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    // The first folder is the user's own.
    for (qsizetype i = 1; i < folders.size(); ++i) {
        const QString path = folders[i] + u'/' + fileName;
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

std::optional<QStringList> readLines(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    return QString::fromUtf8(file.readAll()).split(u'\n');
}

QString keyOf(const QString &line) {
    return line.section(u'=', 0, 0).trimmed();
}

// Hidden=true hides the entry everywhere; GNOME's own switch writes the other key.
bool switchesOff(const QString &line) {
    const QString key = keyOf(line);
    const QString value = line.section(u'=', 1).trimmed();
    return (key == u"Hidden" && value == u"true") ||
           (key == u"X-GNOME-Autostart-enabled" && value == u"false");
}
} // namespace

AutostartEntry::AutostartEntry()
    : AutostartEntry(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         u'/' + fileName,
                     packageFile()) {}

AutostartEntry::AutostartEntry(QString userFile, QString systemFile)
    : userFile_(std::move(userFile)), systemFile_(std::move(systemFile)) {}

bool AutostartEntry::enabled() const {
    const std::optional<QStringList> lines = readLines(userFile_);
    if (!lines)
        return !systemFile_.isEmpty() && QFileInfo::exists(systemFile_);
    return std::none_of(lines->begin(), lines->end(), switchesOff);
}

std::optional<QString> AutostartEntry::setEnabled(bool enabled) const {
    std::optional<QStringList> lines = readLines(userFile_);
    if (!lines && !systemFile_.isEmpty())
        lines = readLines(systemFile_);
    if (!lines)
        lines = minimalEntry.split(u'\n');
    QStringList written;
    bool inEntry = false;
    for (const QString &line : *lines) {
        if (line.trimmed().startsWith(u'['))
            inEntry = line.trimmed() == u"[Desktop Entry]";
        if (inEntry && (keyOf(line) == u"Hidden" || switchesOff(line)))
            continue;
        written.append(line);
        if (!enabled && line.trimmed() == u"[Desktop Entry]")
            written.append(QStringLiteral("Hidden=true"));
    }
    if (!QDir().mkpath(QFileInfo(userFile_).absolutePath()))
        return QCoreApplication::translate("AutostartEntry", "cannot make the folder of %1")
            .arg(userFile_);
    QSaveFile file(userFile_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) ||
        file.write(written.join(u'\n').toUtf8()) < 0 || !file.commit())
        return QCoreApplication::translate("AutostartEntry", "cannot write %1: %2")
            .arg(userFile_, file.errorString());
    return std::nullopt;
}
