// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// Writes the application icon into a hicolor theme tree: one PNG per usual size and an SVG.
#include "AppIcon.h"

#include "logging/LoggingCategories.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

const QString iconName = QStringLiteral("org.vantel.Vantel");

bool writeFile(const QDir &root, const QString &folder, const QByteArray &data) {
    const QString path =
        root.filePath(folder + QLatin1Char('/') + iconName +
                      (folder.startsWith(QLatin1String("scalable")) ? QStringLiteral(".svg")
                                                                    : QStringLiteral(".png")));
    QFile file(path);
    if (root.mkpath(folder) && file.open(QIODevice::WriteOnly) && file.write(data) == data.size())
        return true;
    qCCritical(lcAppIcon, "cannot write %s", qUtf8Printable(path));
    return false;
}

QByteArray png(const QImage &image) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: app-icon HICOLOR-DIR\n");
        return 2;
    }
    const QDir root(args.at(1));
    bool ok = true;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage image = appIconImage(size);
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        ok = !image.isNull() && writeFile(root, folder, png(image)) && ok;
    }
    const QByteArray svg = appIconSvg(256);
    ok = !svg.isEmpty() && writeFile(root, QStringLiteral("scalable/apps"), svg) && ok;
    return ok ? 0 : 1;
}
