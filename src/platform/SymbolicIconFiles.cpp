#include "SymbolicIconFiles.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
Q_LOGGING_CATEGORY(lcIcons, "vantel.tray")
} // namespace

QString SymbolicIconFiles::defaultDirectory() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/icons/hicolor/scalable/status");
}

SymbolicIconFiles::SymbolicIconFiles(QString directory) : directory_(std::move(directory)) {}

bool SymbolicIconFiles::provide(const QString &name, const QByteArray &svg) {
    if (ready_.contains(name))
        return true;
    const QString path = directory_ + QLatin1Char('/') + name + QStringLiteral(".svg");
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == svg) {
        ready_.insert(name);
        return true;
    }
    // A host may read the file at any moment: it sees the old file or the new one, never half.
    QSaveFile file(path);
    if (!QDir().mkpath(directory_) || !file.open(QIODevice::WriteOnly) ||
        file.write(svg) != svg.size() || !file.commit()) {
        qCWarning(lcIcons) << "cannot write the icon file" << path << file.errorString();
        return false;
    }
    ready_.insert(name);
    return true;
}
