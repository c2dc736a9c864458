// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "tray/icons/SymbolicIconFiles.h"

#include "logging/LoggingCategories.h"
#include "tray/icons/Tint.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cmath>
#include <cstdio>

namespace {

QString number(qreal value) {
    // Thousandths of a point are far below what any panel shows.
    return QString::number(std::round(value * 1000.0) / 1000.0, 'g', 10);
}

QString pathData(const QPainterPath &shape) {
    QString data;
    for (int i = 0; i < shape.elementCount(); ++i) {
        const QPainterPath::Element e = shape.elementAt(i);
        if (e.isMoveTo()) {
            data += QStringLiteral("M%1 %2").arg(number(e.x), number(e.y));
        } else if (e.isLineTo()) {
            data += QStringLiteral("L%1 %2").arg(number(e.x), number(e.y));
        } else if (e.isCurveTo() && i + 2 < shape.elementCount()) {
            const QPainterPath::Element c2 = shape.elementAt(i + 1);
            const QPainterPath::Element end = shape.elementAt(i + 2);
            data += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                        .arg(number(e.x), number(e.y), number(c2.x), number(c2.y), number(end.x),
                             number(end.y));
            i += 2;
        }
    }
    return data;
}

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
    // Not synced to the disk (the icon waits for it at start): a file lost in a crash is written
    // again at the next run.
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!QDir().mkpath(directory_) || !file.open() || file.write(svg) != svg.size() ||
        !file.flush() ||
        std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0) {
        qCWarning(lcTray) << "cannot write the icon file" << path << file.errorString();
        return false;
    }
    // Renamed away: nothing is left for the temporary file to remove.
    file.setAutoRemove(false);
    ready_.insert(name);
    return true;
}

QByteArray symbolicSvg(const QPainterPath &shape, QSizeF size, const QColor &color,
                       const QColor &edge) {
    const QString hex = color.name(QColor::HexRgb);
    const QString rule =
        shape.fillRule() == Qt::WindingFill ? QStringLiteral("nonzero") : QStringLiteral("evenodd");
    const qreal margin = edge.isValid() ? tintEdgeWidth : 0;
    const QString data = pathData(shape.translated(margin, margin));
    QString sheet = QStringLiteral(".ColorScheme-Text { color:%1; }").arg(hex);
    QString ring;
    if (edge.isValid()) {
        sheet +=
            QStringLiteral(" .ColorScheme-Background { color:%1; }").arg(edge.name(QColor::HexRgb));
        ring = QStringLiteral("<style type=\"text/css\">svg svg .edge { display:none; }</style>\n"
                              "<path class=\"ColorScheme-Background edge\" fill=\"none\" "
                              "stroke=\"currentColor\" stroke-width=\"%1\" "
                              "stroke-linejoin=\"round\" d=\"%2\"/>\n")
                   .arg(number(2 * margin), data);
    }
    // The colour sits in a presentation attribute, the weakest kind of style, so that a host's
    // own stylesheet for the class wins over it.
    const QString svg =
        QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                       "viewBox=\"0 0 %1 %2\" color=\"%3\">\n"
                       "<style id=\"current-color-scheme\" type=\"text/css\">%4</style>\n%5"
                       "<path class=\"ColorScheme-Text\" fill=\"currentColor\" "
                       "fill-rule=\"%6\" d=\"%7\"/>\n</svg>\n")
            .arg(number(size.width() + 2 * margin), number(size.height() + 2 * margin), hex, sheet,
                 ring, rule, data);
    return svg.toUtf8();
}
